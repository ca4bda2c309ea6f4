// The window model without any toolkit: what a press of the button renders
// with which dictionaries, what a failure says in each language (the
// Japanese read from the project's .ts file, as the windows read it).
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary_folder.h"
#include "model/command1.h"
#include "model/form1_texts.h"
#include "ts_translations.h"

namespace mikawase::model {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;

class Command1ActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped_.Write("noun.txt", {{"cat", "猫"}});
    shipped_.Write("adjective.txt", {{"black", "黒い"}});
    for (const char* name : {"noun.txt", "adjective.txt", "rome.txt"}) personal_.Remove(name);
  }
  DictionaryFolders Folders() const { return {shipped_.path(), personal_.path()}; }
  DictionaryFolder shipped_, personal_;
};

// The shipped files, the personal ones in front, read again at every press.
TEST_F(Command1ActionTest, RendersWithTheUsersWordsFirst) {
  Command1Outcome outcome = Command1Action("The black cat.\r\nThe cat.", Folders());
  ASSERT_TRUE(outcome.translated) << outcome.failure.problem;
  EXPECT_EQ(outcome.rendering, "その黒い猫。\r\nその猫。");
  personal_.Write("noun.txt", {{"cat", "ネコ"}});
  EXPECT_EQ(Command1Action("The cat.", Folders()).rendering, "そのネコ。");
  personal_.Remove("noun.txt");
  EXPECT_EQ(Command1Action("The cat.", Folders()).rendering, "その猫。");
}

TEST_F(Command1ActionTest, AFailureNamesFileAndLineAndWhetherTheFileIsTheUsers) {
  const struct {
    bool in_personal;
    std::string input;
    std::string file;
    std::size_t line;
    bool personal;
  } kCases[] = {
      {false, "The cat.", "noun.txt", 2, false},
      {true, "The cat.", "noun.txt", 2, true},
      {false, "bad \xFF", "", 1, false},
  };
  for (const auto& c : kCases) {
    SetUp();
    if (!c.file.empty()) {
      DictionaryFolder& broken = c.in_personal ? personal_ : shipped_;
      broken.WriteBytes(c.file, DictionaryLine("cat", "猫") + "\r\nshort\r\n");
    }
    Command1Outcome outcome = Command1Action(c.input, Folders());
    EXPECT_FALSE(outcome.translated);
    EXPECT_EQ(outcome.rendering, "");
    std::string folder = c.in_personal ? personal_.path() : shipped_.path();
    EXPECT_EQ(outcome.failure.file, c.file.empty() ? "" : folder + c.file);
    EXPECT_EQ(outcome.failure.line, c.line);
    EXPECT_EQ(outcome.failure.personal, c.personal);
    EXPECT_EQ(outcome.failure.kind,
              c.file.empty() ? ErrorKind::kInvalidInput : ErrorKind::kShortLine);
    EXPECT_FALSE(outcome.failure.problem.empty());
  }
}

TEST(JoinParagraphLinesTest, LineBreaksInsideAParagraphBecomeSpaces) {
  const struct {
    const char* text;
    const char* joined;
  } kCases[] = {
      {"", ""},
      {"one line", "one line"},
      {"I like\r\nyou.", "I like you."},
      {"I like   \r\n   you.", "I like you."},
      {"First\r\nparagraph.\r\n\r\nSecond\r\none.", "First paragraph.\r\n\r\nSecond one."},
      {"A.\r\n  \r\nB.", "A.\r\n  \r\nB."},  // a line of spaces is blank
      {"A\r\nB\r\n", "A B\r\n"},             // the last line's end stays
      {"\r\n\r\nA", "\r\n\r\nA"},
  };
  for (const auto& c : kCases) EXPECT_EQ(JoinParagraphLines(c.text), c.joined) << c.text;
}

TEST_F(Command1ActionTest, JoinsLinesOnlyWhenAsked) {
  std::string wrapped = "The black\r\ncat.";
  EXPECT_EQ(Command1Action(wrapped, Folders()).rendering, "その黒い\r\n猫。");
  EXPECT_EQ(Command1Action(wrapped, Folders(), /*join_lines=*/true).rendering, "その黒い猫。");
}

TEST(Form1TextsTest, CaptionAndTip) {
  EXPECT_EQ(CaptionForVersion(0, 0, 4), "ミカワセ 0.0.4");
  EXPECT_EQ(CaptionForVersion(1, 10, 200), "ミカワセ 1.10.200");
  EXPECT_EQ(InEnglish(kCommand1Tip), "Translate (Ctrl+Enter)");
  EXPECT_EQ(InJapanese(kCommand1Tip), "英和に訳す (Ctrl+Enter)");
}

TEST(FillTest, NumberedPlacesTakeTheirArgumentsOnce) {
  const struct {
    const char* pattern;
    std::initializer_list<std::string_view> arguments;
    const char* filled;
  } kCases[] = {
      {"Line: %1", {"7"}, "Line: 7"},
      {"%2 before %1", {"a", "b"}, "b before a"},
      {"%1 and %1", {"x"}, "x and x"},
      {"%1", {"%2"}, "%2"},                     // an argument is not filled in again
      {"100% sure %3", {"a"}, "100% sure %3"},  // nothing for it: kept
      {"ends with %", {}, "ends with %"},
  };
  for (const auto& c : kCases) EXPECT_EQ(Fill(c.pattern, c.arguments), c.filled) << c.pattern;
}

// Each kind of the engine's failures has words of its own, and they are
// translated.
TEST(Form1TextsTest, EveryKindOfFailureHasItsOwnWords) {
  std::set<std::string> english, japanese;
  for (int kind = 0; kind <= static_cast<int>(ErrorKind::kTooLarge); ++kind) {
    Failure failure{"", 0, "", false, static_cast<ErrorKind>(kind)};
    Text words = FailureKindText(failure);
    english.insert(words.english);
    japanese.insert(InJapanese(words));
    EXPECT_NE(InJapanese(words), words.english) << words.english;
  }
  english.insert(FailureKindText(Failure{}).english);  // memory ran out
  japanese.insert(InJapanese(FailureKindText(Failure{})));
  std::size_t kinds = static_cast<std::size_t>(ErrorKind::kTooLarge) + 2;
  EXPECT_EQ(english.size(), kinds);
  EXPECT_EQ(japanese.size(), kinds);
}

TEST(Form1TextsTest, AFailureSaysWhereAndWhatInEitherLanguage) {
  const Translate kEnglish = InEnglish, kJapanese = InJapanese;
  const struct {
    Failure failure;
    const Translate& translate;
    std::vector<std::string> has, lacks;
  } kCases[] = {
      {{"/opt/m/data/noun.txt", 7, "PROBLEM", false, ErrorKind::kShortLine},
       kEnglish,
       {"File: /opt/m/data/noun.txt\nLine: 7\nProblem: PROBLEM\n\n", "Your text has been kept"},
       {"your own words", "15"}},
      {{"/opt/m/data/noun.txt", 0, "PROBLEM", false, ErrorKind::kMissingFile},
       kEnglish,
       {"File: /opt/m/data/noun.txt\nProblem"},
       {"Line"}},
      {{"", 0, "PROBLEM", false, ErrorKind::kInvalidInput},
       kEnglish,
       {"Problem: PROBLEM"},
       {"File", "Line"}},
      {{"/home/u/.local/share/mikawase/noun.txt", 3, "PROBLEM", true, ErrorKind::kShortLine},
       kEnglish,
       {"Line: 3", "your own words", "mikawase-cli --remove"},
       {}},
      // In Japanese: the kind in Japanese, the engine's English after it.
      {{"C:\\m\\data\\noun.txt", 7, "PROBLEM", false, ErrorKind::kShortLine},
       kJapanese,
       {"訳せませんでした", "ファイル: C:\\m\\data\\noun.txt\n行: 7\n問題: 行が15文字に足りません",
        "\n(PROBLEM)\n\n", "そのまま残って"},
       {"File", "Line", "加えた語"}},
      {{"C:\\u\\mikawase\\noun.txt", 2, "PROBLEM", true, ErrorKind::kLooksLikeUtf8},
       kJapanese,
       {"行: 2", "UTF-8 で保存されています", "あなたが加えた語の辞書", "mikawase-cli --remove"},
       {}},
      {{"", 0, "PROBLEM", false, std::nullopt},
       kJapanese,
       {"問題: この文を訳すにはメモリが足りません"},
       {"ファイル"}},
  };
  for (const auto& c : kCases) {
    std::string text = DescribeFailure(c.failure, c.translate);
    for (const std::string& part : c.has) EXPECT_NE(text.find(part), std::string::npos) << text;
    for (const std::string& part : c.lacks) EXPECT_EQ(text.find(part), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace mikawase::model
