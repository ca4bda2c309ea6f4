// Identifiers shared by the resource script and the code.
#ifndef MIKAWASE_APP_WIN32_RESOURCE_H_
#define MIKAWASE_APP_WIN32_RESOURCE_H_

#define IDI_MIKAWASE 1
#define IDR_ACCELERATORS 1

// Control identifiers; tests find the controls by them.
#define IDC_TEXT1 101
#define IDC_TEXT2 102
#define IDC_COMMAND1 103

// Ctrl+Enter: translate, as Command1 does.
#define IDM_TRANSLATE 201

#endif  // MIKAWASE_APP_WIN32_RESOURCE_H_
