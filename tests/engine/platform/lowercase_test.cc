// Lowercasing skips ICU for text whose only non-ASCII characters are CJK
// punctuation, kana, kanji and fullwidth punctuation; that shortcut must
// never differ from ICU.
#include <gtest/gtest.h>
#include <unicode/ucasemap.h>

#include <string>
#include <utility>

#include "platform/lowercase.h"

namespace mikawase {
namespace {

std::string IcuLower(const std::string& text) {
  UErrorCode status = U_ZERO_ERROR;
  UCaseMap* map = ucasemap_open("", 0, &status);
  std::string out(text.size() * 3 + 16, '\0');
  int32_t length = ucasemap_utf8ToLower(map, out.data(), static_cast<int32_t>(out.size()),
                                        text.data(), static_cast<int32_t>(text.size()), &status);
  ucasemap_close(map);
  EXPECT_TRUE(U_SUCCESS(status));
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string Utf8(char32_t c) {
  std::string s;
  s += static_cast<char>(0xE0 | (c >> 12));
  s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  s += static_cast<char>(0x80 | (c & 0x3F));
  return s;
}

// The CJK range and the fullwidth forms around the punctuation the
// shortcut takes, whose capitals (U+FF21..U+FF3A) it must not.
TEST(LowercaseTest, UncasedRangesNeedNoIcu) {
  for (auto [first, last] : {std::pair<char32_t, char32_t>{0x3000, 0x9FFF}, {0xFF00, 0xFFEF}}) {
    for (char32_t c = first; c <= last; ++c) {
      std::string text = "Ab" + Utf8(c) + "CD";
      ASSERT_EQ(LowercaseUtf8(text), IcuLower(text)) << std::hex << static_cast<unsigned>(c);
    }
  }
}

TEST(LowercaseTest, AgreesWithIcuAroundTheShortcut) {
  const char* cases[] = {
      "ΟΔΟΣ 。ΟΔΟΣ",       // final sigma, beside CJK punctuation
      "İSTANBUL、Ａｂ",     // dotted capital I; fullwidth Latin has case
      "ÀB 猫 Ω\tΣ。",
      "\xE2\xB0\x80 ㍱ ＡＢ",  // Glagolitic capital Azu (U+2C00) has case
  };
  for (const char* text : cases) EXPECT_EQ(LowercaseUtf8(text), IcuLower(text)) << text;
}

// ASCII is lowered eight bytes at a time: every byte, at every place in and
// after a block, beside kana in the same block or not.
TEST(LowercaseTest, LowersEveryAsciiByteWhereverItStands) {
  for (int byte = 1; byte < 0x80; ++byte) {
    for (std::size_t before = 0; before < 18; ++before) {
      for (const char* after : {"", "x", "\xE7\x8C\xAB", "Z\xE3\x80\x82" "AZ@[`{"}) {
        std::string text = std::string(before, 'Q') + static_cast<char>(byte) + after;
        ASSERT_EQ(LowercaseUtf8(text), IcuLower(text)) << byte << " after " << before;
      }
    }
  }
}

}  // namespace
}  // namespace mikawase
