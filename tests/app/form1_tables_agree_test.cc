// The Windows window keeps its own copy of the twips table, since its
// layout has no Qt in it; the two copies must never drift apart.
#include <gtest/gtest.h>

#include "form1_layout.h"
#include "win32/form1_layout.h"

namespace mikawase {
namespace {

TEST(Form1TablesAgree, QtAndWin32) {
  EXPECT_EQ(kForm1ClientSize.width, win32::kForm1ClientWidth);
  EXPECT_EQ(kForm1ClientSize.height, win32::kForm1ClientHeight);
  const std::pair<TwipsRect, win32::TwipsRect> kPairs[] = {
      {kText1Rect, win32::kText1Rect}, {kText2Rect, win32::kText2Rect},
      {kCommand1Rect, win32::kCommand1Rect}};
  for (const auto& [qt, windows] : kPairs) {
    EXPECT_EQ(qt.left, windows.left);
    EXPECT_EQ(qt.top, windows.top);
    EXPECT_EQ(qt.width, windows.width);
    EXPECT_EQ(qt.height, windows.height);
  }
}

}  // namespace
}  // namespace mikawase
