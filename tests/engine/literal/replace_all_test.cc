#include "literal/replace_all.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace mikawase {
namespace {

struct ReplaceCase {
  const char* why;
  std::string text, find, replace, expected;
};

const ReplaceCase kReplaceCases[] = {
    {"every occurrence", "a cat and a cat", "cat", "猫", "a 猫 and a 猫"},
    {"occurrences never overlap", "aaa", "aa", "X", "Xa"},
    {"scan resumes after the match", "aaaa", "aa", "X", "XX"},
    {"inserted text is not scanned again", "ab", "a", "aa", "aab"},
    {"replacement that contains the pattern", "s s", "s ", "s ％１０００ ", "s ％１０００ s"},
    {"case-sensitive", "Cat cat CAT", "cat", "猫", "Cat 猫 CAT"},
    {"empty find changes nothing", "abc", "", "X", "abc"},
    {"empty text stays empty", "", "a", "X", ""},
    {"empty replacement deletes", " a b a ", "a", "", "  b  "},
    {"no match copies the text", "hello", "xyz", "Q", "hello"},
    {"whole text matches", "abc", "abc", "", ""},
    {"multi-byte characters", "猫と猫", "猫", "犬", "犬と犬"},
    {"match at both ends", "xax", "x", "yy", "yyayy"},
};

TEST(ReplaceAllTest, Contract) {
  for (const ReplaceCase& c : kReplaceCases) {
    EXPECT_EQ(ReplaceAll(c.text, c.find, c.replace), c.expected) << c.why;
  }
}

TEST(ReplaceAllWithinTest, RefusesResultsPastTheLimitWithoutTouchingOutput) {
  std::string out = "untouched";
  // "abab" -> "xyzxyz": 6 bytes.
  EXPECT_FALSE(ReplaceAllWithin("abab", "ab", "xyz", 5, &out));
  EXPECT_EQ(out, "untouched");
  EXPECT_TRUE(ReplaceAllWithin("abab", "ab", "xyz", 6, &out));
  EXPECT_EQ(out, "xyzxyz");
  // Shrinking results and unchanged texts are held to the limit too.
  EXPECT_FALSE(ReplaceAllWithin("abcdef", "zz", "", 5, &out));
  EXPECT_TRUE(ReplaceAllWithin("abcdef", "cd", "", 4, &out));
  EXPECT_EQ(out, "abef");
}

TEST(ReplaceAllWithinTest, HugeReplacementDoesNotWrapTheSizeAround) {
  std::string text(1000, 'a');
  std::string huge(std::size_t{1} << 20, 'b');
  std::string out;
  // 1000 MiB would be needed; the check must fail before allocating.
  EXPECT_FALSE(ReplaceAllWithin(text, "a", huge, std::size_t{64} << 20, &out));
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace mikawase
