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
  }
}

}  // namespace
}  // namespace mikawase
