// The UTF-8 check skips ASCII eight bytes at a time: a bad byte must be
// reported at its own offset wherever it falls in or after such a block.
#include <gtest/gtest.h>

#include <string>

#include "util/utf8.h"

namespace mikawase {
namespace {

TEST(Utf8Test, FindsABadByteAtEveryOffset) {
  const std::string bad[] = {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF5", "\xE3\x81"};
  for (const std::string& sequence : bad) {
    for (std::size_t before = 0; before < 20; ++before) {
      for (std::size_t after : {0, 1, 9}) {
        std::string text = std::string(before, 'a') + sequence + std::string(after, 'b');
        EXPECT_EQ(FindInvalidUtf8(text), before)
            << testing::PrintToString(sequence) << " after " << before << " bytes";
      }
    }
  }
}

TEST(Utf8Test, AcceptsValidTextOfEveryLength) {
  const std::string kana = "\xE3\x81\x82";  // あ
  for (std::size_t length = 0; length < 24; ++length) {
    std::string text(length, 'x');
    EXPECT_EQ(FindInvalidUtf8(text), std::nullopt);
    EXPECT_EQ(FindInvalidUtf8(text + kana + text), std::nullopt);
  }
}

}  // namespace
}  // namespace mikawase
