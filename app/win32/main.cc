// mikawase.exe: the window. It takes nothing on the command line.
#include <windows.h>
#include <commctrl.h>

#include "form1.h"
#include "mikawase/compiled_cache.h"
#include "resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // The first press after start-up then finds the dictionaries compiled.
  mikawase::EnableCompiledCache(mikawase::DefaultCompiledCacheFolder());
  HWND window = mikawase::win32::Form1::Create(instance, show);
  if (window == nullptr) return 1;
  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Ctrl+Enter first, so that it translates and types no line break; then
    // Tab and the other dialog keys.
    if (TranslateAcceleratorW(window, accelerators, &message)) continue;
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
