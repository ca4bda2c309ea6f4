#include "form1_layout.h"

#include <algorithm>

namespace mikawase::win32 {

int TwipsToPixels(int twips, int dpi) {
  long long scaled = static_cast<long long>(twips) * dpi;
  return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

int MinimumClientWidth(int dpi) { return TwipsToPixels(kForm1ClientWidth, dpi); }
int MinimumClientHeight(int dpi) { return TwipsToPixels(kForm1ClientHeight, dpi); }

Form1Layout LayOutForm1(int width, int height, int dpi) {
  int wider = std::max(0, width - MinimumClientWidth(dpi));
  int taller = std::max(0, height - MinimumClientHeight(dpi));
  auto at = [dpi](const TwipsRect& rect) {
    return PixelRect{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
                     TwipsToPixels(rect.left + rect.width, dpi),
                     TwipsToPixels(rect.top + rect.height, dpi)};
  };
  Form1Layout layout{at(kText1Rect), at(kText2Rect), at(kCommand1Rect)};
  layout.Text1.right += wider;
  layout.Command1.left += wider;
  layout.Command1.right += wider;
  layout.Text2.right += wider;
  layout.Text2.bottom += taller;
  return layout;
}

}  // namespace mikawase::win32
