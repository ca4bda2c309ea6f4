// The window model's side of the user's words: the word it offers, the
// preview before writing, the refusals in Japanese, the check as a report,
// and the menu table both windows build their menus from.
#include "model/personal_words.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "dictionary_folder.h"
#include "mikawase/personal_dictionary.h"
#include "model/menu.h"
#include "ts_translations.h"

namespace mikawase::model {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;

std::string ReadFile(const std::string& path) {
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(OfferedKeyTest, TheSelectionElseTheWordAtTheCursorLowercased) {
  const struct {
    std::string text;
    std::size_t cursor;
    std::string selection, expected;
  } kCases[] = {
      {"The cat sat.", 5, "", "cat"},
      {"The cat sat.", 4, "", "cat"},       // at the word's start
      {"The cat sat.", 7, "", "cat"},       // at its end
      {"The cat sat.", 0, "", "the"},
      {"The cat sat.", 11, "", "sat"},
      {"I don't know.", 4, "", "don't"},
      {"A well-known fact.", 3, "", "well-known"},
      {"'quoted' words", 2, "", "quoted"},  // the quotes are no part of it
      {"One  two", 4, "", ""},              // between words
      {"Laptop", 99, "", "laptop"},         // past the end
      {"ignored", 0, "  Ice Cream \n", "ice cream"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(OfferedKey(c.text, c.cursor, c.selection), c.expected) << c.text << " @" << c.cursor;
  }
}

class PreviewEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped_.Write("noun.txt", {{"cat", "猫"}, {"laptop", "ノートＰＣ"}});
    shipped_.Write("adjective.txt", {{"black", "黒い"}});
    for (const char* name : {"noun.txt", "adjective.txt", "rome.txt"}) personal_.Remove(name);
  }
  DictionaryFolders Folders() const { return {shipped_.path(), personal_.path()}; }
  DictionaryFolder shipped_, personal_;
};

// The rendering as it will be, before anything is written; an earlier
// personal entry of the same key is replaced in the preview as it will be
// in the file.
TEST_F(PreviewEntryTest, RendersWithTheEntryAndWritesNothing) {
  personal_.Write("noun.txt", {{"cat", "ネコ"}, {"laptop", "ラップトップ"}});
  std::string before = ReadFile(personal_.path() + "noun.txt");
  EntryPreview preview =
      PreviewEntry("The black cat and a laptop.", Folders(), "noun.txt", "laptop", "ノートパソコン");
  EXPECT_EQ(preview.refusal, "");
  EXPECT_TRUE(preview.warnings.empty());
  EXPECT_EQ(preview.rendering, "その黒いネコそして一つのノートパソコン。");
  EXPECT_EQ(ReadFile(personal_.path() + "noun.txt"), before);
  // Into a folder not made yet, which stays unmade.
  DictionaryFolders fresh{shipped_.path(), personal_.path() + "not-yet/"};
  EXPECT_EQ(PreviewEntry("A laptop.", fresh, "noun.txt", "laptop", "ノートパソコン").rendering,
            "一つのノートパソコン。");
  EXPECT_FALSE(std::filesystem::exists(personal_.path() + "not-yet"));
}

// Refusals and warnings are the filter's, and name the user's file, not
// the preview's copy of it.
TEST_F(PreviewEntryTest, RefusesAndWarnsAsTheFilterDoes) {
  EXPECT_NE(PreviewEntry("Ice.", Folders(), "noun.txt", "ice", "").refusal.find("value is empty"),
            std::string::npos);
  EXPECT_NE(PreviewEntry("Ice.", Folders(), "noun.txt", "Ice", "氷").refusal.find("capital"),
            std::string::npos);
  EntryPreview lowercase = PreviewEntry("A pc.", Folders(), "noun.txt", "pc", "pc");
  EXPECT_EQ(lowercase.refusal, "");
  ASSERT_EQ(lowercase.warnings.size(), 1u);
  EXPECT_NE(lowercase.warnings[0].find("lowercase Latin letters"), std::string::npos);
  personal_.WriteBytes("noun.txt", DictionaryLine("cat", "猫") + "\r\nshort\r\n");
  std::string refusal = PreviewEntry("A cat.", Folders(), "noun.txt", "dog", "犬").refusal;
  EXPECT_NE(refusal.find(personal_.path() + "noun.txt:2"), std::string::npos) << refusal;
  EXPECT_EQ(refusal.find("mikawase-preview"), std::string::npos) << refusal;
}

// Every refusal the writer gives has its Japanese; an unknown message
// keeps its English after a Japanese lead-in.
TEST(SayProblemTest, EveryRefusalOfTheWriterInJapanese) {
  DictionaryFolder folder;
  folder.WriteBytes("adjective.txt", "short\r\n");
  const struct {
    const char* file;
    std::string key, value;
  } kRefused[] = {
      {"noun.txt", "a\tb", "x"},   {"noun.txt", " ", "x"},          {"noun.txt", "ice", ""},
      {"noun.txt", " cat", "猫"},  {"noun.txt", std::string(16, 'a'), "x"},
      {"noun.txt", "Cat", "猫"},   {"noun.txt", "sushi", "🍣"},    {"adjective.txt", "red", "赤い"},
  };
  std::set<std::string> japanese;
  for (const auto& c : kRefused) {
    std::string refusal = AddPersonalEntry(folder.path(), c.file, c.key, c.value).refusal;
    ASSERT_NE(refusal, "") << c.key;
    std::string said = SayProblem(refusal, InJapanese);
    EXPECT_EQ(said.find("問題があります"), std::string::npos) << refusal;
    EXPECT_EQ(SayProblem(refusal, InEnglish), refusal);
    japanese.insert(said.substr(0, said.find('\n')));
  }
  EXPECT_EQ(japanese.size(), std::size(kRefused)) << "each refusal has its own words";
  EXPECT_NE(SayProblem("cannot write /x/noun.txt", InJapanese)
                .find("問題があります: cannot write /x/noun.txt"),
            std::string::npos);
  std::string removal =
      RemovePersonalEntry(folder.path(), "noun.txt", "dog").refusal;
  EXPECT_EQ(SayProblem(removal, InJapanese), "その語は、加えた語にありません。");
  EXPECT_EQ(SayProblem("cannot write /x/noun.txt", InEnglish), "cannot write /x/noun.txt");
}

TEST(CheckReportTest, EveryFindingOnItsLineThenTheCount) {
  DictionaryFolder shipped, personal;
  shipped.Write("noun.txt", {{"cat", "猫"}});
  personal.WriteBytes("noun.txt", DictionaryLine("Dog", "犬") + "\r\nshort\r\n");
  DictionaryFolders folders{shipped.path(), personal.path()};
  std::string english = CheckReport(folders, InEnglish);
  EXPECT_NE(english.find(personal.path() + "noun.txt:1: warning: the key has capital"),
            std::string::npos)
      << english;
  EXPECT_NE(english.find(personal.path() + "noun.txt:2: error: "), std::string::npos) << english;
  EXPECT_TRUE(english.ends_with("checked 6 dictionary files: 1 errors, 1 warnings")) << english;
  std::string japanese = CheckReport(folders, InJapanese);
  EXPECT_NE(japanese.find(personal.path() + "noun.txt:1: 注意: 英語に大文字があります"),
            std::string::npos)
      << japanese;
  EXPECT_NE(japanese.find(personal.path() + "noun.txt:2: 誤り: "), std::string::npos) << japanese;
  EXPECT_TRUE(japanese.ends_with("6 個の辞書ファイルを調べました。誤り 1 件、注意 1 件。"));
}

TEST(MakePersonalFolderTest, MadeWhenMissingAndSaysWhyNot) {
  DictionaryFolder home;
  DictionaryFolders folders{home.path(), home.path() + "a/b/mikawase/"};
  EXPECT_EQ(MakePersonalFolder(folders, InJapanese), "");
  EXPECT_TRUE(std::filesystem::is_directory(home.path() + "a/b/mikawase"));
  EXPECT_EQ(MakePersonalFolder(folders, InJapanese), "") << "already there";
  EXPECT_NE(MakePersonalFolder({home.path(), ""}, InJapanese).find("わかりません"),
            std::string::npos);
  folders.personal = home.path() + "noun.txt/mikawase/";  // under a file
  EXPECT_NE(MakePersonalFolder(folders, InJapanese).find("フォルダを作れませんでした"),
            std::string::npos);
}

// Both windows build their menus from this table: every command appears
// once, with a name and words; the Japanese menus carry the same Alt key
// as the English ones.
TEST(MenuTest, EveryCommandOnceNamedInBothLanguages) {
  std::set<std::string> names;
  std::set<Command> commands;
  for (const Menu& menu : Form1Menus()) {
    EXPECT_NE(InJapanese(menu.words).find("(&"), std::string::npos) << menu.words.english;
    for (const MenuItem& item : menu.items) {
      if (item.command == Command::kSeparator) continue;
      EXPECT_TRUE(names.insert(item.name).second) << item.name;
      EXPECT_TRUE(commands.insert(item.command).second) << item.name;
      std::string english = item.words.english, japanese = InJapanese(item.words);
      std::size_t amp = english.find('&');
      ASSERT_NE(amp, std::string::npos) << item.name;
      std::string alt = std::string("(&") + static_cast<char>(std::toupper(english[amp + 1])) + ")";
      EXPECT_NE(japanese.find(alt), std::string::npos) << item.name << ": " << japanese;
    }
  }
  EXPECT_EQ(commands.size(), 10u);
  EXPECT_EQ(InJapanese(Form1Menus()[1].words), "辞書(&D)");
}

}  // namespace
}  // namespace mikawase::model
