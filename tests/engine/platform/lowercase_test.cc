// Lowercasing skips the platform's case mapping (ICU on Linux, the system
// on Windows) for text whose only non-ASCII characters are CJK punctuation,
// kana, kanji and fullwidth punctuation, and cuts the rest into pieces at
// white space; neither may ever differ from the platform's mapping of the
// whole text.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/case_mapping.h"
#include "platform/lowercase.h"

namespace mikawase {
namespace {

// The whole text through the platform's mapping at once.
std::string PlatformLower(const std::string& text) {
  std::string out;
  AppendLoweredByPlatform(text, &out);
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
      ASSERT_EQ(LowercaseUtf8(text), PlatformLower(text)) << std::hex << static_cast<unsigned>(c);
    }
  }
}

TEST(LowercaseTest, AgreesWithThePlatformAroundTheShortcut) {
  const char* cases[] = {
      "ΟΔΟΣ 。ΟΔΟΣ",       // final sigma, beside CJK punctuation
      "İSTANBUL、Ａｂ",     // dotted capital I; fullwidth Latin has case
      "ÀB 猫 Ω\tΣ。",
      "\xE2\xB0\x80 ㍱ ＡＢ",  // Glagolitic capital Azu (U+2C00) has case
  };
  for (const char* text : cases) EXPECT_EQ(LowercaseUtf8(text), PlatformLower(text)) << text;
}

// ASCII is lowered eight bytes at a time: every byte, at every place in and
// after a block, beside kana in the same block or not.
TEST(LowercaseTest, LowersEveryAsciiByteWhereverItStands) {
  for (int byte = 1; byte < 0x80; ++byte) {
    for (std::size_t before = 0; before < 18; ++before) {
      for (const char* after : {"", "x", "\xE7\x8C\xAB", "Z\xE3\x80\x82" "AZ@[`{"}) {
        std::string text = std::string(before, 'Q') + static_cast<char>(byte) + after;
        ASSERT_EQ(LowercaseUtf8(text), PlatformLower(text)) << byte << " after " << before;
      }
    }
  }
}

}  // namespace
}  // namespace mikawase

namespace mikawase {
namespace {

// A to Z, and letters whose lowercase both mappings agree on, are the same
// everywhere; the rest is the platform's, and says so. No rule depends on
// any letter beyond A to Z.
TEST(LowercaseTest, BeyondAsciiFollowsThePlatform) {
  const struct {
    const char* text;
    const char* everywhere;  // nullptr where the platforms differ
    const char* icu;         // Linux
    const char* windows;     // LCMapStringEx, one UTF-16 unit at a time
  } kCases[] = {
      {"ABC xyZ", "abc xyz", nullptr, nullptr},
      {"ÀÉÎ ÕÜ", "àéî õü", nullptr, nullptr},
      {"ＡＢＣ", "ａｂｃ", nullptr, nullptr},
      {"ΑΒΓ", "αβγ", nullptr, nullptr},
      {"ДОМ", "дом", nullptr, nullptr},
      // ICU knows a sigma at the end of a word; Windows has no context.
      {"ΟΔΟΣ", nullptr, "οδος", "οδοσ"},
      // ICU keeps the dot above as a combining mark; Windows' tables differ
      // from version to version (wine's leave it), so it is not pinned there.
      {"İ", nullptr, "i\xCC\x87", nullptr},
  };
  for (const auto& c : kCases) {
#ifdef _WIN32
    const char* expected = c.everywhere ? c.everywhere : c.windows;
#else
    const char* expected = c.everywhere ? c.everywhere : c.icu;
#endif
    if (expected != nullptr) {
      EXPECT_EQ(LowercaseUtf8(c.text), expected) << c.text;
    }
  }
}

}  // namespace
}  // namespace mikawase
