// Where Form1's controls stand, in twips. The window has no resize handling:
// the controls keep these places whatever happens, so the window is made
// exactly this size and no other.
#ifndef MIKAWASE_APP_FORM1_LAYOUT_H_
#define MIKAWASE_APP_FORM1_LAYOUT_H_

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

}  // namespace mikawase

#endif  // MIKAWASE_APP_FORM1_LAYOUT_H_
