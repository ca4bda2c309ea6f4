// Where Form1's controls stand in the Windows window, in pixels at the
// window's DPI. The table is in twips, as the Qt window's is
// (app/form1_layout.h): the window opens at exactly that size, and may grow
// from there, never shrink below it. When it grows, the gaps between the
// controls and the window's edges stay as the table has them: Text1 grows
// in width, Command1 stays a square at Text1's right, Text2 takes the rest.
//
// Plain C++ with no Win32 in it, so the arithmetic is tested by itself.
#ifndef MIKAWASE_APP_WIN32_FORM1_LAYOUT_H_
#define MIKAWASE_APP_WIN32_FORM1_LAYOUT_H_

namespace mikawase::win32 {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
  int left, top, width, height;
};

// clang-format off
inline constexpr int kForm1ClientWidth  = 5985;
inline constexpr int kForm1ClientHeight = 4650;
//                                     left   top  width height
inline constexpr TwipsRect kText1Rect    = { 120,  120, 4695,  975};
inline constexpr TwipsRect kText2Rect    = { 120, 1200, 5775, 3375};
inline constexpr TwipsRect kCommand1Rect = {4920,  120,  975,  975};
// clang-format on

// Twips to pixels at `dpi`, to the nearest pixel; at 96 DPI, 15 twips are
// exactly one.
int TwipsToPixels(int twips, int dpi);

struct PixelRect {
  int left, top, right, bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

struct Form1Layout {
  PixelRect Text1, Text2, Command1;
};

// The client area the window opens with, and the smallest it may take.
int MinimumClientWidth(int dpi);
int MinimumClientHeight(int dpi);

// The controls for a client area of `width` × `height` pixels; below the
// minimum, as at the minimum. Each edge of the table is rounded on its own,
// so that at the opening size the controls are exactly the table's; what
// the window gains is added to the edges that follow the right and bottom.
Form1Layout LayOutForm1(int width, int height, int dpi);

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_FORM1_LAYOUT_H_
