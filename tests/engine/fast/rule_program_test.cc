// After a rewrite, a stage looks for new occurrences of its later rules
// around what was written, except where the replacement holds no character
// that any later pattern of the stage holds. Each case is a stage whose
// result depends on getting that exception right, checked against one
// ReplaceAll per rule.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fast/rule_program.h"
#include "literal/replace_all.h"

namespace mikawase {
namespace {

struct StageCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> rules;
  std::string text;
};

const StageCase kCases[] = {
    {"a replacement's letter begins a later pattern", {{"ab", "X"}, {"Xc", "Y"}}, "abc abc"},
    {"a replacement's letter ends a later pattern", {{"bc", "X"}, {"aX", "Y"}}, "abc"},
    {"a later pattern lies inside a replacement", {{"a", "xyz"}, {"y", "Q"}}, "a a"},
    {"a shared kana", {{"ka", "カ"}, {"カn", "カン"}, {"ンd", "ド"}}, "kand kan"},
    {"kana that no pattern holds", {{"ka", "カ"}, {"nd", "ンド"}, {"an", "Z"}}, "kand"},
    {"an empty replacement joins its sides", {{"b", ""}, {"ac", "Z"}}, "abc"},
    {"a kana next to an unchanged later match", {{"ka", "カ"}, {"tt", "ッt"}}, "katta"},
    {"a pattern two rules later", {{"a", "b"}, {"x", "y"}, {"b", "c"}}, "xa"},
    // A whole-word rewrite keeps its end spaces, so only the value counts;
    // a rewrite that writes a space where there was none may make a match.
    {"a space written where there was none", {{"ab", " X "}, {"c ", "Y"}}, "cab"},
    {"a space written where there was one", {{" ab ", " X "}, {"c ", "Y"}}, "c ab "},
    {"a value that a later key holds", {{" ab ", " X "}, {" X c ", "Y"}}, " ab c "},
    {"an empty value joins its sides", {{" ab ", "  "}, {"   ", "Z"}}, " ab  "},
};

std::string OneReplaceAllPerRule(const StageCase& stage) {
  std::string text = stage.text;
  for (const auto& [find, replace] : stage.rules) text = ReplaceAll(text, find, replace);
  return text;
}

TEST(RuleProgramTest, RewritesThatMayMakeAMatchAreLookedAround) {
  // One workspace for programs of different sizes, as a session keeps one
  // for every program it runs.
  RuleProgram::Workspace workspace;
  for (const StageCase& stage : kCases) {
    RuleProgram::Builder builder;
    for (const auto& [find, replace] : stage.rules) builder.Add({find}, {replace});
    RuleProgram program(std::move(builder));
    std::string text = stage.text;
    std::size_t peak = 0;
    ASSERT_TRUE(program.Run(text, 1 << 20, &peak, workspace)) << stage.name;
    EXPECT_EQ(text, OneReplaceAllPerRule(stage)) << stage.name;
  }
}

// Whole-word rules are found by their first word, or, where several share
// a first word and hold more, by their first two: every key must still be
// found wherever it stands, whatever rules share its words, as one
// ReplaceAll per rule finds it.
TEST(RuleProgramTest, WholeWordKeysThatShareWordsAreFound) {
  // Longer keys first, as the dictionaries write them, so that each can act.
  const std::vector<std::pair<std::string, std::string>> keys = {
      {" do not like ", " L "}, {" do not know ", " K "}, {" do not ", " N "},
      {" do now ", " W "},      {" do  not ", " S "},     {" N like ", " NL "},
      {" N love ", " NV "},     {" x y ", " Z "},         {" Z z ", " Q "},
      {" do not know ", " K2 "}, {" do ", " D "},          {" not ", " T "},
      {"  do ", " E "},
  };
  const std::string texts[] = {
      " do not like it ", " do ", " do not ", " do now do not know ", " do not love ",
      " do  not like ",   "  do not ",  " x y z ",  " do not",  " do not like",
      " do not likes ",   " N like ",   " dos not ", " x y z z ",
  };
  RuleProgram::Builder builder;
  builder.BeginStage();
  for (const auto& [find, replace] : keys) builder.Add({find}, {replace}, /*by_word=*/true);
  RuleProgram program(std::move(builder));
  RuleProgram::Workspace workspace;
  for (const std::string& text : texts) {
    std::string expected = text;
    for (const auto& [find, replace] : keys) expected = ReplaceAll(expected, find, replace);
    std::string run = text;
    std::size_t peak = 0;
    ASSERT_TRUE(program.Run(run, 1 << 20, &peak, workspace));
    EXPECT_EQ(run, expected) << "[" << text << "]";
  }
}

// A rule's occurrences are searched for eight places at a time, by the
// pattern's first two bytes: a pattern at every place in and across those
// blocks, among bytes one away from its own (where a borrow between bytes
// would show), must be found as the standard search finds it.
TEST(RuleProgramTest, FindsAPatternWhereverItStands) {
  const std::string patterns[] = {" ", "  ", "   ", " a", " ab ", "ab", "b a", "\xE3\x80\x82 "};
  const std::string fillers[] = {"x", " ", "a", "`", "!", " `", "  !", "\x80"};
  for (const std::string& find : patterns) {
    RuleProgram::Builder builder;
    builder.Add({find}, {"<>"});
    RuleProgram program(std::move(builder));
    RuleProgram::Workspace workspace;
    for (const std::string& filler : fillers) {
      for (std::size_t before = 0; before < 20; ++before) {
        for (std::size_t after : {0, 1, 7, 8, 9}) {
          std::string text;
          for (std::size_t i = 0; i < before; ++i) text += filler;
          text += find;
          for (std::size_t i = 0; i < after; ++i) text += filler;
          text += find.substr(0, find.size() - 1);  // a start without its end
          std::string run = text;
          std::size_t peak = 0;
          ASSERT_TRUE(program.Run(run, 1 << 20, &peak, workspace));
          ASSERT_EQ(run, ReplaceAll(text, find, "<>")) << "[" << find << "] in [" << text << "]";
        }
      }
    }
  }
}

}  // namespace
}  // namespace mikawase
