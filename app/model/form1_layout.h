// Where Form1's controls stand, in twips, when the window opens; and where
// they go when the user makes it larger. One table for both windows, with
// no toolkit in it: the Qt and the Win32 window each place their controls
// at what LayOutForm1 says.
#ifndef MIKAWASE_APP_MODEL_FORM1_LAYOUT_H_
#define MIKAWASE_APP_MODEL_FORM1_LAYOUT_H_

namespace mikawase::model {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
  int left, top, width, height;
};

// The client area, without the caption, frame and menu bar the system adds.
inline constexpr int kForm1ClientWidth = 5985;
inline constexpr int kForm1ClientHeight = 4650;

// The input box and the square button share the top row; the output box
// spans the width below them.
// clang-format off
//                                     left   top  width height
inline constexpr TwipsRect kText1Rect    = { 120,  120, 4695,  975};
inline constexpr TwipsRect kText2Rect    = { 120, 1200, 5775, 3375};
inline constexpr TwipsRect kCommand1Rect = {4920,  120,  975,  975};
// clang-format on

// Twips to pixels at `dpi` dots an inch, to the nearest pixel; at 96 DPI,
// 15 twips are exactly one.
int TwipsToPixels(int twips, double dpi);

struct PixelRect {
  int left, top, right, bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

struct Form1Layout {
  PixelRect Text1, Text2, Command1;
  // The gap between Text1 and Text2, across the output box's width: the
  // bar the user drags to share the height between the two boxes.
  PixelRect Splitter;
};

// The client area the window opens with, and the smallest it may take.
// Horizontal lengths follow the horizontal DPI, vertical ones the vertical.
int MinimumClientWidth(double dpi_x);
int MinimumClientHeight(double dpi_y);

// How many pixels of height the window has gained over its opening size,
// which the splitter shares out between the boxes: the most `split` below
// can give Text1. At the opening size there is nothing to share, so neither
// box can ever be smaller than it opens.
int SplitRoom(int height, double dpi_y);

// `split`, the pixels of the gained height that go to Text1, kept within
// 0 and SplitRoom(height, dpi_y).
int ClampSplit(int split, int height, double dpi_y);

// The controls for a client area of `width` × `height` pixels; below the
// minimum, as at the minimum. Each edge of the table is rounded on its own,
// so that controls that touch in twips touch in pixels and at the opening
// size the controls are exactly the table's; what the window gains is added
// to the edges that follow the right and bottom: Text1 grows in width,
// Command1 stays a square at Text1's right, Text2 takes the rest, and every
// gap stays as the table has it. Of the height gained, `split` pixels go to
// Text1 (clamped as ClampSplit says), which pushes the splitter and Text2's
// top down by as much; with no split, Text1 keeps its opening height.
Form1Layout LayOutForm1(int width, int height, double dpi_x, double dpi_y, int split = 0);

// The split after the user has dragged the splitter `moved` pixels down
// (up when negative) from where it stood when the drag began, with
// `split_at_press` then: the boundary follows the mouse until a box
// reaches its opening height, and stops there.
int SplitAfterDrag(int split_at_press, int moved, int height, double dpi_y);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_FORM1_LAYOUT_H_
