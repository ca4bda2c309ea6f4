// The two conversions at the edges of the engine copy whole blocks between
// line breaks; every kind of break, at either end and next to another,
// must come out as the one-character-at-a-time rule says.
#include <gtest/gtest.h>

#include <string>

#include "mikawase/line_breaks.h"

namespace mikawase {
namespace {

struct Case {
  std::string in, crlf, lf;
};

TEST(LineBreaksTest, EveryKindOfBreakInEveryPlace) {
  const Case cases[] = {
      {"", "", ""},
      {"\n", "\r\n", "\n"},
      {"\r", "\r", "\r"},
      {"\r\n", "\r\n", "\n"},
      {"a\nb", "a\r\nb", "a\nb"},
      {"a\r\nb", "a\r\nb", "a\nb"},
      {"a\rb", "a\rb", "a\rb"},
      {"\n\n", "\r\n\r\n", "\n\n"},
      {"\r\r\n", "\r\r\n", "\r\n"},
      {"\r\n\n", "\r\n\r\n", "\n\n"},
      {"\n\r", "\r\n\r", "\n\r"},
      {"\r\n\r\n", "\r\n\r\n", "\n\n"},
      {"end\r", "end\r", "end\r"},
      {"\nstart", "\r\nstart", "\nstart"},
      {"one\ntwo\r\nthree\rfour\n", "one\r\ntwo\r\nthree\rfour\r\n", "one\ntwo\nthree\rfour\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToCrLf(c.in), c.crlf) << testing::PrintToString(c.in);
    EXPECT_EQ(CrLfToLf(c.in), c.lf) << testing::PrintToString(c.in);
    EXPECT_EQ(CrLfToLf(ToCrLf(c.in)), CrLfToLf(c.in)) << testing::PrintToString(c.in);
    std::string in_place = c.in;
    ToCrLfInPlace(in_place);
    EXPECT_EQ(in_place, c.crlf) << testing::PrintToString(c.in);
  }
}

// The filter converts whole inputs of megabytes: one already in CR LF is
// not copied, one with a single lone LF anywhere is converted throughout.
TEST(LineBreaksTest, InPlaceCopiesOnlyWhatNeedsConverting) {
  std::string windows;
  for (int i = 0; i < 1000; ++i) windows += "a line of text\r\n";
  std::string kept = windows;
  const char* before = kept.data();
  ToCrLfInPlace(kept);
  EXPECT_EQ(kept.data(), before);
  EXPECT_EQ(kept, windows);
  for (std::size_t at : {std::size_t{0}, windows.size() / 2, windows.size()}) {
    std::string mixed = windows;
    mixed.insert(at, "\n");
    std::string converted = mixed;
    ToCrLfInPlace(converted);
    EXPECT_EQ(converted, ToCrLf(mixed)) << "lone LF at " << at;
    EXPECT_EQ(converted.size(), mixed.size() + 1) << "lone LF at " << at;
  }
}

}  // namespace
}  // namespace mikawase
