#include "mikawase/dictionary_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary_folder.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;
using Severity = DictionaryFinding::Severity;

std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

const std::string kCat = DictionaryLine("cat", "猫");
const std::string kDog = DictionaryLine("dog", "犬");

// Each entry below can never act as its author meant; the check says so
// once, at its line, and nothing about the good lines around it.
TEST(DictionaryCheckTest, OneWarningPerEntryThatCanNeverAct) {
  const struct {
    const char* why;
    const char* file;
    std::string faulty;  // written as the second line, between two good ones
    const char* says;
  } kCases[] = {
      {"capital letters", "noun.txt", DictionaryLine("London", "ロンドン"), "lowercase"},
      {"a period", "adjective.txt", DictionaryLine("e.g.", "例えば"), "\".\""},
      {"a comma", "noun.txt", DictionaryLine("yes,", "はい"), "\",\""},
      {"a question mark", "rome.txt", DictionaryLine("eh?", "エ"), "\"?\""},
      {"an exclamation mark", "noun.txt", DictionaryLine("wow!", "わあ"), "\"!\""},
      {"a semicolon", "noun.txt", DictionaryLine("so;", "そう"), "\";\""},
      {"n't", "adjective.txt", DictionaryLine("don't", "しない"), "\"n't\""},
      {"'s", "noun.txt", DictionaryLine("cat's", "猫の"), "\"'s \""},
      {"a phrase of the phrase table", "noun.txt", DictionaryLine("post office", "ポスト"),
       "\"post office\""},
      {"a word ending in s inside the key", "adjective.txt", DictionaryLine("does not", "しない"),
       "plural marker"},
      {"the same key as line 1", "noun.txt", DictionaryLine("cat", "ネコ"), "line 1"},
      {"the plural of line 1's key", "noun.txt", DictionaryLine("cats", "猫たち"), "line 1"},
      {"a blank key", "noun.txt", DictionaryLine("", "空"), "blank"},
      {"a tab in the key field", "noun.txt", fixtures::EncodeCp932("bird\t          鳥"), "tab"},
      {"a key too long for its field", "noun.txt",
       fixtures::EncodeCp932("internationalization 国際化"), "15"},
      {"lowercase Latin in the value", "adjective.txt", DictionaryLine("wifi", "wifi"),
       "katakana"},
      {"a curly apostrophe", "adjective.txt", DictionaryLine("don’t", "しない"), "\"’\""},
      {"a bracket against a word", "noun.txt", DictionaryLine("(see", "参照"), "\"(\""},
      {"a colon against a word", "rome.txt", DictionaryLine("re:", "返信"), "\":\""},
  };
  for (const auto& c : kCases) {
    DictionaryFolder data;
    data.WriteBytes(c.file, Lines({kCat, c.faulty, kDog}));
    std::vector<DictionaryFinding> findings = CheckDictionaries(data.path());
    ASSERT_EQ(findings.size(), 1u) << c.why;
    EXPECT_EQ(findings[0].severity, Severity::kWarning) << c.why;
    EXPECT_EQ(findings[0].file, data.path() + c.file) << c.why;
    EXPECT_EQ(findings[0].line, 2u) << c.why;
    EXPECT_NE(findings[0].message.find(c.says), std::string::npos)
        << c.why << ": " << findings[0].message;
  }
}

// Marks that are spaced out and kept can still be matched as words of
// their own.
TEST(DictionaryCheckTest, AMarkStandingApartCanAct) {
  for (const char* key : {"(", "a -- b", "\" ok \""}) {
    DictionaryFolder data;
    data.WriteBytes("noun.txt", Lines({kCat, DictionaryLine(key, "印"), kDog}));
    std::vector<DictionaryFinding> findings = CheckDictionaries(data.path());
    EXPECT_TRUE(findings.empty()) << key << ": " << (findings.empty() ? "" : findings[0].message);
  }
}

// What a translation would stop at, in every file, all in one run.
TEST(DictionaryCheckTest, EveryErrorOfEveryFile) {
  DictionaryFolder data;
  data.WriteBytes("noun.txt", Lines({kCat, "short", kCat, kDog.substr(0, 5) + "\xFD"}));
  data.WriteBytes("rome.txt", Lines({"ka             カ", DictionaryLine("a", "ア")}));
  std::vector<DictionaryFinding> findings = CheckDictionaries(data.path());
  const struct {
    const char* file;
    std::size_t line;
    const char* says;
  } kExpected[] = {
      {"noun.txt", 2, "5 characters"},
      {"noun.txt", 3, "the same key"},  // dog twice: a warning among the errors
      {"noun.txt", 4, "0xFD"},
      {"rome.txt", 1, "looks like UTF-8"},
  };
  ASSERT_EQ(findings.size(), std::size(kExpected));
  for (std::size_t i = 0; i < findings.size(); ++i) {
    EXPECT_EQ(findings[i].file, data.path() + kExpected[i].file) << i;
    EXPECT_EQ(findings[i].line, kExpected[i].line) << i;
    EXPECT_NE(findings[i].message.find(kExpected[i].says), std::string::npos)
        << i << ": " << findings[i].message;
  }
  EXPECT_EQ(findings[1].severity, Severity::kWarning);
  EXPECT_EQ(findings[3].severity, Severity::kError);
}

TEST(DictionaryCheckTest, MissingFilesAndFolders) {
  DictionaryFolder data;
  data.Remove("adjective.txt");
  std::vector<DictionaryFinding> findings = CheckDictionaries(data.path());
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].file, data.path() + "adjective.txt");
  EXPECT_EQ(findings[0].line, 0u);
  EXPECT_EQ(findings[0].severity, Severity::kError);

  // One finding for the folder, not one for each file in it.
  findings = CheckDictionaries("/nonexistent/mikawase/data/");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_NE(findings[0].message.find("folder"), std::string::npos) << findings[0].message;
}

TEST(DictionaryCheckTest, TheShippedDictionariesAreClean) {
  std::vector<DictionaryFinding> findings = CheckDictionaries(MIKAWASE_SHIPPED_DATA);
  for (const DictionaryFinding& finding : findings) {
    ADD_FAILURE() << finding.file << ":" << finding.line << ": " << finding.message;
  }
}

}  // namespace
}  // namespace mikawase
