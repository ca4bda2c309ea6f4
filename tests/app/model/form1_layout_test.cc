// The windows' layout: the table's places at the opening size, at any DPI;
// the same gaps to the edges and between the controls at any larger size;
// never smaller than the opening size.
#include "model/form1_layout.h"

#include <gtest/gtest.h>

namespace mikawase::model {
namespace {

// At 96 DPI 15 twips are one pixel, so the table's places are whole pixels.
TEST(Form1LayoutTest, OpensAtTheTablesPlaces) {
  EXPECT_EQ(MinimumClientWidth(96), 399);
  EXPECT_EQ(MinimumClientHeight(96), 310);
  Form1Layout layout = LayOutForm1(399, 310, 96, 96);
  EXPECT_EQ(layout.Text1, (PixelRect{8, 8, 321, 73}));
  EXPECT_EQ(layout.Text2, (PixelRect{8, 80, 393, 305}));
  EXPECT_EQ(layout.Command1, (PixelRect{328, 8, 393, 73}));
}

// The gaps of the table in twips, as pixels at `dpi`.
struct Gaps {
  int left, top, right, bottom, between_row, below_row;
};

TEST(Form1LayoutTest, KeepsItsGapsAtEveryDpiAndSize) {
  for (int dpi : {96, 120, 144, 168, 192, 288}) {
    int min_width = MinimumClientWidth(dpi), min_height = MinimumClientHeight(dpi);
    Form1Layout opening = LayOutForm1(min_width, min_height, dpi, dpi);
    Gaps gaps{opening.Text1.left, opening.Text1.top, min_width - opening.Text2.right,
              min_height - opening.Text2.bottom, opening.Command1.left - opening.Text1.right,
              opening.Text2.top - opening.Text1.bottom};
    // 120, 120, 90, 75, 105 and 105 twips, within a pixel of rounding.
    for (auto [pixels, twips] : {std::pair{gaps.left, 120}, {gaps.top, 120}, {gaps.right, 90},
                                 {gaps.bottom, 75}, {gaps.between_row, 105}, {gaps.below_row, 105}}) {
      EXPECT_NEAR(pixels, twips * dpi / 1440.0, 1.0) << dpi << " DPI, " << twips << " twips";
    }
    for (auto [width, height] : {std::pair{min_width, min_height}, {min_width + 1, min_height},
                                 {min_width + 301, min_height + 7}, {3840, 2100}}) {
      Form1Layout layout = LayOutForm1(width, height, dpi, dpi);
      const PixelRect &text1 = layout.Text1, &text2 = layout.Text2, &button = layout.Command1;
      EXPECT_EQ(text1.left, gaps.left);
      EXPECT_EQ(text1.top, gaps.top);
      EXPECT_EQ(button.top, gaps.top);
      EXPECT_EQ(button.left - text1.right, gaps.between_row);
      EXPECT_EQ(width - button.right, gaps.right);
      EXPECT_EQ(button.width(), opening.Command1.width()) << "the button keeps its size";
      EXPECT_EQ(button.height(), opening.Command1.height());
      EXPECT_EQ(text1.height(), opening.Text1.height()) << "Text1 grows in width only";
      EXPECT_EQ(text2.left, gaps.left);
      EXPECT_EQ(text2.top - text1.bottom, gaps.below_row);
      EXPECT_EQ(width - text2.right, gaps.right) << "Text2 takes the rest";
      EXPECT_EQ(height - text2.bottom, gaps.bottom);
    }
    // Below the opening size (which the window refuses), as at it.
    Form1Layout small = LayOutForm1(min_width / 2, 10, dpi, dpi);
    EXPECT_EQ(small.Text1, opening.Text1);
    EXPECT_EQ(small.Text2, opening.Text2);
    EXPECT_EQ(small.Command1, opening.Command1);
  }
  // The button is square at 96 DPI, where the table is whole pixels.
  Form1Layout layout = LayOutForm1(1000, 700, 96, 96);
  EXPECT_EQ(layout.Command1.width(), layout.Command1.height());
}

TEST(Form1LayoutTest, ConvertsTwipsToTheNearestPixel) {
  const struct {
    int twips;
    double dpi;
    int pixels;
  } kCases[] = {
      {15, 96, 1},      {1440, 120, 120}, {7, 96, 0},       {8, 96, 1},
      {975, 120, 81},   {5985, 144, 599}, {4650, 110, 355}, {120, 125, 10},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

// Horizontal lengths follow the horizontal DPI and vertical ones the
// vertical, which differ on some screens; and edges that line up in twips
// line up in pixels at fractional DPIs too, or the button would stick out
// past the output box by a pixel.
TEST(Form1LayoutTest, EachAxisHasItsDpiAndAlignedEdgesStayAligned) {
  EXPECT_EQ(MinimumClientWidth(192), 798);
  EXPECT_EQ(MinimumClientHeight(96), 310);
  EXPECT_EQ(LayOutForm1(0, 0, 96, 192).Text2, (PixelRect{8, 160, 393, 610}));
  for (double dpi : {72.0, 100.0, 110.0, 125.0, 250.0}) {
    Form1Layout layout = LayOutForm1(0, 0, dpi, dpi);
    EXPECT_EQ(layout.Text1.left, layout.Text2.left) << dpi;
    EXPECT_EQ(layout.Text1.top, layout.Command1.top) << dpi;
    EXPECT_EQ(layout.Text1.bottom, layout.Command1.bottom) << dpi;
    EXPECT_EQ(layout.Text2.right, layout.Command1.right) << dpi;
    EXPECT_LT(layout.Text1.right, layout.Command1.left) << dpi;
    EXPECT_LT(layout.Text1.bottom, layout.Text2.top) << dpi;
    EXPECT_LE(layout.Text2.right, MinimumClientWidth(dpi)) << dpi;
    EXPECT_LE(layout.Text2.bottom, MinimumClientHeight(dpi)) << dpi;
  }
}

}  // namespace
}  // namespace mikawase::model
