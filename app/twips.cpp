#include "twips.h"

#include <cmath>

namespace mikawase {

int TwipsToPixels(int twips, double logical_dpi) {
  return static_cast<int>(std::lround(twips * logical_dpi / kTwipsPerInch));
}

QSize TwipsToPixels(TwipsSize size, double logical_dpi_x, double logical_dpi_y) {
  return {TwipsToPixels(size.width, logical_dpi_x), TwipsToPixels(size.height, logical_dpi_y)};
}

// Each edge is rounded on its own, rather than the left edge and the width,
// so that controls that touch in twips still touch in pixels.
QRect TwipsToPixels(TwipsRect rect, double logical_dpi_x, double logical_dpi_y) {
  int left = TwipsToPixels(rect.left, logical_dpi_x);
  int top = TwipsToPixels(rect.top, logical_dpi_y);
  int right = TwipsToPixels(rect.left + rect.width, logical_dpi_x);
  int bottom = TwipsToPixels(rect.top + rect.height, logical_dpi_y);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace mikawase
