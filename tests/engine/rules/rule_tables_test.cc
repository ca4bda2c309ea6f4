#include "rules/pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "literal/literal_engine.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

// The size of every built-in table, by its stage's name; the order of the
// stages is the pipeline's own, and the examples and the independent
// reference check it.
TEST(RuleTablesTest, EveryTableHasItsRules) {
  const std::map<std::string_view, std::size_t> kRules = {
      {"protected terms", 6}, {"letter codes", 21},   {"capitalised names", 20},
      {"punctuation", 5},     {"line breaks", 2},     {"contractions", 3},
      {"space collapse", 2},  {"phrases", 30},        {"joiners and plural marking", 4},
      {"words", 92},          {"spelling", 91},       {"marker removal", 2},
      {"space removal", 1},   {"curly marks", 4},     {"quotes and brackets", 11},
  };
  std::size_t total = 0;
  for (const auto& [name, rules] : kRules) {
    auto stage = std::find_if(std::begin(kPipeline), std::end(kPipeline),
                              [&](const Stage& s) { return s.name == name; });
    ASSERT_NE(stage, std::end(kPipeline)) << name;
    EXPECT_EQ(stage->action, StageAction::kRules) << name;
    EXPECT_EQ(stage->table.size(), rules) << name;
    total += stage->table.size();
  }
  // 278 built-in rules and the final space removal, and the 15 rules that
  // let words beside quotes, brackets, colons and dashes be looked up.
  EXPECT_EQ(total, 294u);
}

// Tables that run after lowercasing can only ever see small letters; a
// capital in one of their patterns would be a rule that never fires.
TEST(RuleTablesTest, TablesAfterLowercasingHaveNoCapitals) {
  bool lowercased = false;
  for (const Stage& stage : kPipeline) {
    lowercased = lowercased || stage.action == StageAction::kLowercasing;
    if (!lowercased || stage.action != StageAction::kRules) continue;
    for (const ReplacementRule& rule : stage.table) {
      for (char c : rule.find) EXPECT_FALSE(c >= 'A' && c <= 'Z') << stage.name << ": " << rule.find;
    }
  }
  EXPECT_TRUE(lowercased);
}

TEST(RuleTablesTest, ProtectedTermsDecodeToThemselves) {
  for (const ReplacementRule& term : kProtectedTerms) {
    WorkText work(std::string(term.replace), GrowthLimit(0));
    DecodeLetterCodes(work);
    EXPECT_EQ(work.text(), term.find);
  }
}

// Each stage run alone on a wrapped text, where the order inside the stage
// decides the result.
struct StageCase {
  const char* why;
  void (*stage)(WorkText&);
  std::string before, after;
};

void SpellingOnly(WorkText& work) { work.ApplyTable(kSpelling, "spelling"); }

const StageCase kOrderings[] = {
    {"Japanese before Japan", NormaliseSurface, " Japanese Japan ", " 日本人 日本 "},
    {"U.S. before the period rule", NormaliseSurface, " U.S.A. ", " アメリカa 。 "},
    {"Mt. before the period rule", NormaliseSurface, " Mt.Fuji ", " 山fuji "},
    {"I before a space only", NormaliseSurface, " I HI I'm ", " 私 h私 私は "},
    {"CR LF before lone CR", NormaliseSurface, " a\r\nb\rc\nd ", " a \r \n b \r c\nd "},
    {"three spaces, then two", NormaliseSurface, " a    b     c ", " a b  c "},
    {"contractions before lowercasing", NormaliseSurface, " Don't ", " do not "},
    {"curly apostrophe before the contractions", NormaliseSurface, " Don’t I’m ", " do not 私は "},
    {"marks spaced out and kept", NormaliseSurface, " \"Well (see) said: x--y ",
     " \" well ( see ) said : x -- y "},
    {"curly quotes straight, then spaced", NormaliseSurface, " “Hi” ", " \" hi \" "},
    {"apostrophe and hyphen stay in the word", NormaliseSurface, " well-known cat's ",
     " well-known cat's "},
    {"every period, also in numbers", NormaliseSurface, " 3.5 ", " 3 。 5 "},
    {"longer phrase first", ApplyPhrasesAndMarkPlurals, " this is the reason why ",
     " こんなわけで "},
    {"marker after every final s", ApplyPhrasesAndMarkPlurals, " cats dogs ",
     " cats ％１０００ dogs ％１０００ "},
    {"'s before the plural marker", ApplyPhrasesAndMarkPlurals, " dog's life ",
     " dog の life "},
    {"first do rendered, second dropped", ApplyWordTable, " do do ", " する "},
    {"some keeps its space before of", ApplyWordTable, " some of ", " いくつかの の "},
    {"tons joins the word before", ApplyWordTable, " tons ％１０００ of ",
     "トン％１０００ の "},
    {"her before ch", SpellingOnly, " teacher ", " teacハー "},
    {"ther before her before er", SpellingOnly, " mother her er ", " moザー ハー アー "},
    {"nigh before gh", SpellingOnly, " night light ", " ナイt lit "},
    {"ing only at a word's end", SpellingOnly, " nothing ingot ", " nothイング iンot "},
    {"plural s with its marker", RemovePluralMarkers, " glass ％１０００ ", " glas "},
    {"bare marker", RemovePluralMarkers, " アス ％１０００ ", " アス  "},
};

TEST(RuleTablesTest, OrderInsideStages) {
  for (const StageCase& c : kOrderings) {
    WorkText work(c.before, GrowthLimit(c.before.size()));
    c.stage(work);
    EXPECT_EQ(work.text(), c.after) << c.why;
  }
}

}  // namespace
}  // namespace mikawase
