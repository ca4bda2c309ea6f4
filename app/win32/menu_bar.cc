#include "menu_bar.h"

#include <string>

#include "mikawase/wide_text.h"
#include "model/menu.h"
#include "resource.h"
#include "string_table.h"

namespace mikawase::win32 {

HMENU NewMenuBar() {
  HMENU bar = CreateMenu();
  for (const model::Menu& menu : model::Form1Menus()) {
    HMENU popup = CreatePopupMenu();
    for (const model::MenuItem& item : menu.items) {
      if (item.command == model::Command::kSeparator) {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      std::wstring text = Wide(item.words);
      if (*item.shortcut != '\0') text += L"\t" + WideFromUtf8(item.shortcut);
      AppendMenuW(popup, MF_STRING | (item.checkable ? MF_UNCHECKED : 0),
                  static_cast<UINT_PTR>(IDM_MENU_BASE + static_cast<int>(item.command)),
                  text.c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.words).c_str());
  }
  return bar;
}

}  // namespace mikawase::win32
