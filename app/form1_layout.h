// Where Form1's controls stand, in twips, when the window opens; and where
// they go when the user makes it larger.
#ifndef MIKAWASE_APP_FORM1_LAYOUT_H_
#define MIKAWASE_APP_FORM1_LAYOUT_H_

#include <QRect>
#include <QSize>

#include "twips.h"

namespace mikawase {

// The client area, without the caption and frame the window manager adds.
inline constexpr TwipsSize kForm1ClientSize = {5985, 4650};

// The input box and the square button share the top row; the output box
// spans the width below them.
// clang-format off
//                                     left   top  width height
inline constexpr TwipsRect kText1Rect    = { 120,  120, 4695,  975};
inline constexpr TwipsRect kText2Rect    = { 120, 1200, 5775, 3375};
inline constexpr TwipsRect kCommand1Rect = {4920,  120,  975,  975};
// clang-format on

struct Form1Geometry {
  QRect text1;
  QRect text2;
  QRect command1;
};

// The controls' places in a client area of `client` pixels at the given
// DPI. At the table's size they are the table's places, exactly; in a
// larger window Text1 grows in width, Command1 keeps its square size at
// Text1's right, and Text2 takes the rest of the width and height, so
// that every gap between the controls and to the window's edges stays as
// the table has it. The window is never made smaller than the table's
// size; a smaller `client` is taken as that size.
Form1Geometry Form1LayoutFor(QSize client, double dpi_x, double dpi_y);

}  // namespace mikawase

#endif  // MIKAWASE_APP_FORM1_LAYOUT_H_
