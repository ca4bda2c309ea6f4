// The windows' layout: the table's places at the opening size, at any DPI;
// the same gaps to the edges and between the controls at any larger size;
// never smaller than the opening size.
#include "model/form1_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The split shares the height the window has gained between the boxes:
// Text1 takes `split` of it, Text2 the rest, the gap between them moves
// with the boundary, and neither box falls below its opening height.
TEST(Form1LayoutTest, TheSplitSharesTheGainedHeightBetweenTheBoxes) {
  // At 96 DPI Text1 opens 65 high and Text2 225; the window opens 310 high.
  const struct {
    int height, split;
    int text1_height, text2_height;  // what each box gets
  } kCases[] = {
      // At the opening size there is nothing to share, whatever the split.
      {310, 0, 65, 225},
      {310, 50, 65, 225},
      {310, -50, 65, 225},
      // Grown by 200: the split gives Text1 part of it, within the 200.
      {510, 0, 65, 425},
      {510, 1, 66, 424},
      {510, 120, 185, 305},
      {510, 200, 265, 225},
      {510, 201, 265, 225},
      {510, 5000, 265, 225},
      {510, -1, 65, 425},
      // A split kept from a taller window, in a shorter one.
      {400, 150, 155, 225},
  };
  for (const auto& c : kCases) {
    Form1Layout layout = LayOutForm1(700, c.height, 96, 96, c.split);
    Form1Layout unsplit = LayOutForm1(700, c.height, 96, 96);
    SCOPED_TRACE(testing::Message() << c.height << " high, split " << c.split);
    EXPECT_EQ(layout.Text1.height(), c.text1_height);
    EXPECT_EQ(layout.Text2.height(), c.text2_height);
    EXPECT_EQ(layout.Text1.top, unsplit.Text1.top);
    EXPECT_EQ(layout.Text2.bottom, unsplit.Text2.bottom) << "Text2 keeps its bottom gap";
    EXPECT_EQ(layout.Text2.top - layout.Text1.bottom, 7) << "the gap keeps its height";
    EXPECT_EQ(layout.Splitter, (PixelRect{layout.Text1.left, layout.Text1.bottom,
                                          layout.Text2.right, layout.Text2.top}));
    EXPECT_EQ(layout.Command1, unsplit.Command1) << "the button stays a square at the top";
    EXPECT_EQ(layout.Text1.right, unsplit.Text1.right);
    EXPECT_EQ(layout.Text2.left, unsplit.Text2.left);
    EXPECT_EQ(layout.Text2.right, unsplit.Text2.right);
  }
}

// With the split untouched the layout is the one the window always had,
// at every DPI and size; and the splitter fills the gap below Text1.
TEST(Form1LayoutTest, NoSplitIsTheLayoutWithoutOne) {
  for (int dpi : {96, 120, 144, 192}) {
    for (auto [width, height] :
         {std::pair{0, 0}, {MinimumClientWidth(dpi), MinimumClientHeight(dpi)}, {1000, 900}}) {
      Form1Layout layout = LayOutForm1(width, height, dpi, dpi, 0);
      int text2_height = std::max(height, MinimumClientHeight(dpi)) -
                         TwipsToPixels(kText2Rect.top, dpi) - TwipsToPixels(75, dpi);
      EXPECT_EQ(layout.Text1.height(), TwipsToPixels(kText1Rect.top + kText1Rect.height, dpi) -
                                           TwipsToPixels(kText1Rect.top, dpi));
      EXPECT_NEAR(layout.Text2.height(), text2_height, 1) << dpi << " DPI, " << height << " high";
      EXPECT_EQ(layout.Splitter.top, layout.Text1.bottom);
      EXPECT_EQ(layout.Splitter.bottom, layout.Text2.top);
      EXPECT_GT(layout.Splitter.height(), 0);
    }
  }
}

TEST(Form1LayoutTest, TheSplitterFollowsTheMouseUntilABoxIsAtItsOpeningHeight) {
  // The room to share: 700 - 310 = 390 pixels at 96 DPI; at 192 DPI the
  // window opens 620 high and shares 80.
  EXPECT_EQ(SplitRoom(700, 96), 390);
  EXPECT_EQ(SplitRoom(310, 96), 0);
  EXPECT_EQ(SplitRoom(200, 96), 0);
  EXPECT_EQ(SplitRoom(700, 192), 80);
  const struct {
    int at_press, moved, height, dpi, split;
  } kDrags[] = {
      // clang-format off
      {0, 0, 700, 96, 0},       {0, 100, 700, 96, 100},  {100, -30, 700, 96, 70},
      {100, -130, 700, 96, 0},  {0, 500, 700, 96, 390},  {390, 1, 700, 96, 390},
      {0, 50, 310, 96, 0},      {0, 100, 700, 192, 80},  {30, -10, 700, 192, 20},
      // Kept from a taller window: the drag starts from where it shows.
      {300, -10, 400, 96, 80},
      // clang-format on
  };
  for (const auto& d : kDrags) {
    EXPECT_EQ(SplitAfterDrag(d.at_press, d.moved, d.height, d.dpi), d.split)
        << "from " << d.at_press << " by " << d.moved << " in " << d.height << " at " << d.dpi;
  }
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
