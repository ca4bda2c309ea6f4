// The window's DPI and what depends on it, through the calls of Windows 10
// where they exist and the system-wide DPI before that. Looked up at run
// time, so that the program still starts on a Windows that lacks them.
#ifndef MIKAWASE_APP_WIN32_DPI_H_
#define MIKAWASE_APP_WIN32_DPI_H_

#include <windows.h>

namespace mikawase::win32 {

// The DPI the window is drawn at: its monitor's, with per-monitor
// awareness.
int DpiOfWindow(HWND window);

// The window rectangle that holds a client area of `width` × `height`,
// below a menu bar of one line when `menu`.
SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD extended_style, int dpi,
                         bool menu = false);

// The system's message font at `dpi`; the caller deletes it.
HFONT CreateMessageFont(int dpi);

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_DPI_H_
