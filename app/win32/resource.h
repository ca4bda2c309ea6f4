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

// The menu's commands: IDM_MENU_BASE + the model's Command (form1.cc
// checks that each of these agrees); the ones with a shortcut are named.
#define IDM_MENU_BASE 300
#define IDM_OPEN_FILE 300
#define IDM_SAVE_RESULT 301
#define IDM_COPY_RESULT 302
#define IDM_ADD_WORD 304

// The dialogs of the Dictionary and Help menus. Their words are set from
// the window model when they open.
#define IDD_ADD_WORD 10
#define IDD_MY_WORDS 11
#define IDD_REPORT 12
#define IDC_KIND_LABEL 1001
#define IDC_KIND 1002
#define IDC_KEY_LABEL 1003
#define IDC_KEY 1004
#define IDC_VALUE_LABEL 1005
#define IDC_VALUE 1006
#define IDC_PREVIEW_LABEL 1007
#define IDC_PREVIEW 1008
#define IDC_PROBLEMS 1009
#define IDC_ENTRIES 1010
#define IDC_NOTES 1011
#define IDC_CHANGE 1012
#define IDC_REMOVE 1013
#define IDC_ADD 1014
#define IDC_REPORT 1015

#endif  // MIKAWASE_APP_WIN32_RESOURCE_H_
