// The window's layout is given in twips, 1/1440 inch, so that it keeps its
// physical proportions on any screen. Qt places widgets in device-independent
// pixels; this converts one into the other at the screen's logical DPI.
#ifndef MIKAWASE_APP_TWIPS_H_
#define MIKAWASE_APP_TWIPS_H_

#include <QRect>
#include <QSize>

namespace mikawase {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsSize {
  int width;
  int height;
};

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// Rounded to the nearest pixel. At 96 DPI, 15 twips are exactly one pixel.
int TwipsToPixels(int twips, double logical_dpi);

// Horizontal lengths follow the horizontal DPI, vertical ones the vertical
// DPI; the two differ on some screens.
QSize TwipsToPixels(TwipsSize size, double logical_dpi_x, double logical_dpi_y);
QRect TwipsToPixels(TwipsRect rect, double logical_dpi_x, double logical_dpi_y);

}  // namespace mikawase

#endif  // MIKAWASE_APP_TWIPS_H_
