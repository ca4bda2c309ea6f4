#include "form1_layout.h"

#include <algorithm>
#include <cmath>

namespace mikawase::model {

int TwipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int MinimumClientWidth(double dpi_x) { return TwipsToPixels(kForm1ClientWidth, dpi_x); }
int MinimumClientHeight(double dpi_y) { return TwipsToPixels(kForm1ClientHeight, dpi_y); }

int SplitRoom(int height, double dpi_y) { return std::max(0, height - MinimumClientHeight(dpi_y)); }

int ClampSplit(int split, int height, double dpi_y) {
  return std::clamp(split, 0, SplitRoom(height, dpi_y));
}

int SplitAfterDrag(int split_at_press, int moved, int height, double dpi_y) {
  // From the split as it showed at the press, not as remembered: a split
  // kept from a taller window must not make the first pixels of a drag dead.
  return ClampSplit(ClampSplit(split_at_press, height, dpi_y) + moved, height, dpi_y);
}

Form1Layout LayOutForm1(int width, int height, double dpi_x, double dpi_y, int split) {
  // Grown from the table's places in pixels, rather than computed again
  // from twips, so that rounding can never move a control by a pixel.
  int wider = std::max(0, width - MinimumClientWidth(dpi_x));
  int taller = SplitRoom(height, dpi_y);
  int to_text1 = ClampSplit(split, height, dpi_y);
  auto at = [dpi_x, dpi_y](const TwipsRect& rect) {
    return PixelRect{TwipsToPixels(rect.left, dpi_x), TwipsToPixels(rect.top, dpi_y),
                     TwipsToPixels(rect.left + rect.width, dpi_x),
                     TwipsToPixels(rect.top + rect.height, dpi_y)};
  };
  Form1Layout layout{at(kText1Rect), at(kText2Rect), at(kCommand1Rect), {}};
  layout.Text1.right += wider;
  layout.Command1.left += wider;
  layout.Command1.right += wider;
  layout.Text2.right += wider;
  layout.Text2.bottom += taller;
  layout.Text1.bottom += to_text1;
  layout.Text2.top += to_text1;
  layout.Splitter = {layout.Text1.left, layout.Text1.bottom, layout.Text2.right, layout.Text2.top};
  return layout;
}

}  // namespace mikawase::model
