#include "dpi.h"

namespace mikawase::win32 {

namespace {

template <typename Function>
Function FromUser32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int DpiOfWindow(HWND window) {
  static const auto get_dpi = FromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi != nullptr) {
    if (UINT dpi = get_dpi(window); dpi != 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD extended_style, int dpi,
                         bool menu) {
  static const auto adjust =
      FromUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect = {0, 0, width, height};
  if (adjust == nullptr || !adjust(&rect, style, menu, extended_style, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&rect, style, menu, extended_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT CreateMessageFont(int dpi) {
  static const auto metrics_for_dpi =
      FromUser32<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (metrics_for_dpi == nullptr ||
      !metrics_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                       static_cast<UINT>(dpi))) {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // Those are the system DPI's; scale them to the window's.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  }
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace mikawase::win32
