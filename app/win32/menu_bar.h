// The window's menu bar, built from the model's menu table with the words
// of the string tables in the user's language; each command's id is
// IDM_MENU_BASE + the model's Command.
#ifndef MIKAWASE_APP_WIN32_MENU_BAR_H_
#define MIKAWASE_APP_WIN32_MENU_BAR_H_

#include <windows.h>

namespace mikawase::win32 {

HMENU NewMenuBar();

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_MENU_BAR_H_
