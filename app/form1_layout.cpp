#include "form1_layout.h"

#include <algorithm>

namespace mikawase {

Form1Geometry Form1LayoutFor(QSize client, double dpi_x, double dpi_y) {
  // Grown from the table's places in pixels, rather than computed again
  // from twips, so that rounding can never move a control by a pixel.
  QSize base = TwipsToPixels(kForm1ClientSize, dpi_x, dpi_y);
  int wider = std::max(0, client.width() - base.width());
  int taller = std::max(0, client.height() - base.height());
  Form1Geometry geometry{TwipsToPixels(kText1Rect, dpi_x, dpi_y),
                         TwipsToPixels(kText2Rect, dpi_x, dpi_y),
                         TwipsToPixels(kCommand1Rect, dpi_x, dpi_y)};
  geometry.text1.setWidth(geometry.text1.width() + wider);
  geometry.command1.translate(wider, 0);
  geometry.text2.setSize(geometry.text2.size() + QSize(wider, taller));
  return geometry;
}

}  // namespace mikawase
