// After a rewrite, a stage looks for new occurrences of its later rules
// around what was written, except where the replacement holds no character
// that any later pattern of the stage holds. Each case is a stage whose
// result depends on getting that exception right, checked against one
// ReplaceAll per rule. And the index of whole-word keys keeps every key's
// rules in order when it is cut to size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fast/program_image.h"
#include "fast/rule_program.h"
#include "fast/token_index.h"
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
    // Of later whole-word patterns, only their words count against a value
    // between spaces; a pattern with two spaces together, or not of whole
    // words, counts by its characters.
    {"a later key's word among a value's words", {{" ab ", " の X "}, {" X c ", "Y"}}, " ab c "},
    {"a later key's word as a value's last", {{" ab ", " c X "}, {" p X ", "Y"}, {" X c ", "Z"}},
     " ab c "},
    {"a value of spaces and a later pattern of two", {{" ab ", "   "}, {"  ", "Z"}}, " ab c"},
    {"a value's kana that a later key holds in a word", {{" ab ", " の "}, {" のX c ", "Y"}, {"の", "Z"}},
     " ab c "},
    {"a value's character inside a later pattern not of words", {{" ab ", " X "}, {"X c", "Y"}},
     " ab c "},
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

// A workspace marks the rules it has queued with the number of the run,
// which wraps after 65,535 runs: a mark left by the first run must not
// pass, in the run that wraps to the same number, for a rule already
// queued. A session runs that many pieces in a few megabytes of text.
TEST(RuleProgramTest, AWorkspaceStaysRightWhenItsRunCountWraps) {
  RuleProgram::Builder builder;
  builder.Add({"a"}, {"b"});
  builder.Add({"x"}, {"y"});
  RuleProgram program(std::move(builder));
  RuleProgram::Workspace workspace;
  for (int run = 1; run <= 70000; ++run) {
    // "x" only in the runs numbered 1 when the count wraps.
    bool rare = run % 65535 == 1;
    std::string text = rare ? "x a" : "a";
    std::size_t peak = 0;
    ASSERT_TRUE(program.Run(text, 1 << 20, &peak, workspace));
    ASSERT_EQ(text, rare ? "y b" : "b") << "run " << run;
  }
}

// A rule queued twice would run twice: "x" -> "x!" would leave "x!!". A
// run looks for a rule among those already queued in the heap itself while
// it holds few, and by stamps once it holds many (sixteen), so each case
// queues a number of rules around where one gives way to the other, then
// has a rewrite ask for some of them again. Every letter is a rule
// "c" -> "c!", in alphabetical order, and the rule "0" comes after the
// rules of `before` letters and writes `written`.
TEST(RuleProgramTest, ARuleAskedForAgainRunsOnce) {
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  struct QueueCase {
    const char* text;
    std::size_t before;
    const char* written;
  };
  const QueueCase cases[] = {
      // Few queued, then many: the letters queued while few are asked for
      // again once many are.
      {"0abcdefghijklmn", 0, "opqrstabc"},
      {"0abcdefghijklmno", 0, "pqa"},
      {"0abcdefghijklmnop", 0, "qa"},
      // Many, then few as their rules run, then many again.
      {"0abcdefghijklmnopqrstuvwxyz", 20, "ABCDEFGHIJKLMNOPABCuvw"},
      {"0abcdefghijklmnopqrstuvwxyz", 10, "klmnopqrstuvwxyzA"},
      {"0abcdefghijklmnopqrstuvwxyzABCDEFGHIJ", 30, "EFGHIJabc"},
      // Nothing queued before, or only what is written.
      {"0", 0, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {"0", 0, "aa"},
      {"0abcde", 3, "abcdefgh"},
  };
  RuleProgram::Workspace workspace;
  for (const QueueCase& c : cases) {
    std::vector<std::pair<std::string, std::string>> rules;
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
      if (i == c.before) rules.emplace_back("0", c.written);
      rules.emplace_back(alphabet.substr(i, 1), alphabet.substr(i, 1) + "!");
    }
    RuleProgram::Builder builder;
    for (const auto& [find, replace] : rules) builder.Add({find}, {replace});
    RuleProgram program(std::move(builder));
    std::string expected = c.text;
    for (const auto& [find, replace] : rules) expected = ReplaceAll(expected, find, replace);
    std::string run = c.text;
    std::size_t peak = 0;
    ASSERT_TRUE(program.Run(run, 1 << 20, &peak, workspace));
    EXPECT_EQ(run, expected) << c.text << ", \"0\" after " << c.before << " writing " << c.written;
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
      // A noun's plural rule, and keys whose second word ends in "s" of
      // themselves: two words are looked up without that "s".
      {" x ys ", " YS "},       {" do nots ", " NS "},     {" do is ", " IS "},
      {" do i ", " I "},        {" do s ", " S1 "},        {" do ss ", " S2 "},
  };
  const std::string texts[] = {
      " do not like it ", " do ", " do not ", " do now do not know ", " do not love ",
      " do  not like ",   "  do not ",  " x y z ",  " do not",  " do not like",
      " do not likes ",   " N like ",   " dos not ", " x y z z ",
      " x ys z ",         " x y s ",    " do nots ", " do is ",  " do i ",
      " do s ",           " do ss ",    " do iss ",  " x yss ",
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

// Each token's rules in order, as First and Next give them.
std::vector<std::vector<std::uint32_t>> RulesOf(const TokenIndex& index,
                                                const std::vector<std::string_view>& tokens) {
  std::vector<std::vector<std::uint32_t>> rules;
  for (std::string_view token : tokens) {
    rules.emplace_back();
    for (std::uint32_t rule = index.First(token); rule != TokenIndex::kNone; rule = index.Next(rule)) {
      rules.back().push_back(rule);
    }
  }
  return rules;
}

TEST(TokenIndexTest, ACutIndexFindsEveryTokenAndItsRulesInOrder) {
  // Sized at first for a token per rule, as a stage sizes it; tokens that
  // share their rules leave it mostly empty until it is cut.
  for (std::size_t tokens : {1, 2, 7, 100, 3000}) {
    std::string text;
    for (std::size_t i = 0; i < tokens; ++i) text += "t" + std::to_string(i) + " ";
    text += "absent";
    std::vector<std::string_view> present, absent = {"absent", "t", "x0", ""};
    for (std::size_t at = 0; text[at] == 't'; at = text.find(' ', at) + 1) {
      present.push_back(std::string_view(text).substr(at, text.find(' ', at) - at));
    }
    const std::size_t rules = tokens * 5;
    TokenIndex index(text.data());
    index.Reserve(rules, rules);
    for (std::size_t rule = 0; rule < rules; ++rule) {
      index.Add(present[(rule * 7) % tokens], static_cast<std::uint32_t>(rule));
    }
    const auto before = RulesOf(index, present);
    ImageWriter full;
    index.Save(full);
    index.ShrinkToFit();
    EXPECT_EQ(RulesOf(index, present), before) << tokens << " tokens";
    for (std::string_view token : absent) EXPECT_EQ(index.First(token), TokenIndex::kNone) << token;
    ImageWriter cut;
    index.Save(cut);
    if (tokens >= 100) {
      EXPECT_LT(cut.bytes().size(), full.bytes().size()) << tokens << " tokens";
    }
    // Loaded from its image, the cut index answers the same.
    alignas(kImageAlignment) static std::byte buffer[1 << 20];
    ASSERT_LE(cut.bytes().size(), sizeof buffer);
    std::memcpy(buffer, cut.bytes().data(), cut.bytes().size());
    ImageReader reader(std::span<const std::byte>(buffer, cut.bytes().size()));
    TokenIndex loaded = TokenIndex::Load(reader, text.data(), text.size(), rules);
    EXPECT_EQ(RulesOf(loaded, present), before) << tokens << " tokens, loaded";
    for (std::string_view token : absent) EXPECT_EQ(loaded.First(token), TokenIndex::kNone) << token;
    // Asked without reading the tokens, the index visits each token's own
    // first rule (and, rarely, another token's), and nothing for most
    // tokens it does not hold.
    std::size_t absent_visited = 0;
    for (std::size_t i = 0; i < present.size(); ++i) {
      // With 7 tokens every rule goes to the first: the others are absent.
      if (before[i].empty()) {
        absent_visited += loaded.LikelyHolds(present[i]);
        continue;
      }
      std::vector<std::uint32_t> visited;
      loaded.ForEachLikely(present[i], [&](std::uint32_t first) { visited.push_back(first); });
      EXPECT_NE(std::find(visited.begin(), visited.end(), before[i].front()), visited.end())
          << present[i];
      EXPECT_TRUE(loaded.LikelyHolds(present[i])) << present[i];
      std::string other = "u" + std::string(present[i].substr(1));
      absent_visited += loaded.LikelyHolds(other);
    }
    EXPECT_LE(absent_visited, present.size() / 100) << tokens << " tokens";
  }
}

}  // namespace
}  // namespace mikawase
