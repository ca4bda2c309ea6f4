// Whole translations, every stage in place, with the dictionaries each
// example names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dictionary_folder.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;

enum class Dictionaries { kEmpty, kCatDogBlack, kCatDog };

void Fill(DictionaryFolder& folder, Dictionaries which) {
  if (which == Dictionaries::kEmpty) return;
  folder.Write("noun.txt", {{"cat", "猫"}, {"dog", "犬"}});
  if (which == Dictionaries::kCatDogBlack) folder.Write("adjective.txt", {{"black", "黒い"}});
}

struct Example {
  Dictionaries dictionaries;
  std::string input, expected;
};

const Example kExamples[] = {
    // The pipeline as a whole.
    {Dictionaries::kEmpty, "I like you.", "私が好きなのはあなた。"},
    {Dictionaries::kEmpty, "Hello, Japan!", "こんにちは、日本！"},
    {Dictionaries::kEmpty, "This is a pen.", "これ一つのpen。"},
    {Dictionaries::kEmpty, "I use CPUs.", "私uスCPU。"},
    {Dictionaries::kEmpty, "", ""},
    {Dictionaries::kEmpty, "     ", ""},
    {Dictionaries::kEmpty, "I like you.\r\nI like you.", "私が好きなのはあなた。\r\n私が好きなのはあなた。"},
    // A lone LF gets no spaces, so "you" before it is no whole word.
    {Dictionaries::kEmpty, "I like you\nyou", "私が好きなのはyou\nyou"},
    {Dictionaries::kEmpty, "a\rb", "一つの\rb"},
    // Protected terms and letter codes.
    {Dictionaries::kEmpty, "ActiveX and CGI", "ActiveXそしてCGI"},
    {Dictionaries::kEmpty, "activex", "activエクス"},
    {Dictionaries::kEmpty, "％０００１", "A"},
    {Dictionaries::kEmpty, "％００１０", "％００１０"},
    {Dictionaries::kEmpty, "HTML USB PTA", "HTMLUSBPTA"},
    // Surface normalisation.
    {Dictionaries::kEmpty, "What", "なにが"},
    {Dictionaries::kEmpty, "what", "what"},
    {Dictionaries::kEmpty, "HI", "h私"},
    {Dictionaries::kEmpty, "U.S.A.", "アメリカa。"},
    {Dictionaries::kEmpty, "I'm here", "私はハーe"},
    // Phrases and words.
    {Dictionaries::kEmpty, "The cats", "そのキャt"},
    {Dictionaries::kEmpty, "everyone", "毎one"},
    {Dictionaries::kEmpty, "do do", "する"},
    {Dictionaries::kEmpty, "tons of", "トンの"},
    {Dictionaries::kEmpty, "It's a dog's life", "それの一つのdogのlife"},
    {Dictionaries::kEmpty, "glass", "glas"},
    {Dictionaries::kEmpty, "some of", "いくつかのの"},
    {Dictionaries::kEmpty, "this is", "これ"},
    // Dictionaries.
    {Dictionaries::kCatDogBlack, "The cat is black.", "その猫黒い。"},
    {Dictionaries::kCatDogBlack, "The cats sleep.", "その猫は寝る。"},
    {Dictionaries::kCatDogBlack, "I like dogs.", "私が好きなのは犬。"},
    {Dictionaries::kCatDogBlack, "My dog likes cats.", "私の犬liケ猫。"},
    // Words beside quotes, brackets, colons and dashes are looked up; the
    // marks stay, curly quotes as straight ones.
    {Dictionaries::kCatDog, "\"cat\" (dog) [cat] {dog}", "\"猫\"(犬)[猫]{犬}"},
    {Dictionaries::kCatDog, "cat: dog—cat–dog--cat", "猫:犬—猫–犬--猫"},
    {Dictionaries::kCatDog, "“cat” ‘dog’", "\"猫\"'dog'"},
    {Dictionaries::kEmpty, "I don’t", "私するnot"},
    {Dictionaries::kCatDog, "cat cat", "猫キャt"},
    {Dictionaries::kCatDog, "cats cats", "猫猫"},
    {Dictionaries::kCatDog, "cat dog", "猫犬"},
    // Spelling to katakana.
    {Dictionaries::kEmpty, "mother", "moザー"},
    {Dictionaries::kEmpty, "computer", "コmpuター"},
    {Dictionaries::kEmpty, "night", "ナイt"},
    {Dictionaries::kEmpty, "station", "staション"},
    {Dictionaries::kEmpty, "quickly", "クiクリー"},
    {Dictionaries::kEmpty, "flower", "floワー"},
    {Dictionaries::kEmpty, "teacher", "teacハー"},
    {Dictionaries::kEmpty, "nothing", "nothイング"},
    // Beyond the Basic Multilingual Plane, and full Unicode lowercasing.
    {Dictionaries::kEmpty, "I like 🍣.", "私が好きなのは🍣。"},
    {Dictionaries::kEmpty, "ÀÉ ΣΑΣ", "àéσας"},
};

// Beyond A to Z the platform's case mapping decides. The table gives ICU's
// (Linux); Windows maps letter by letter and knows no final sigma.
std::string ExpectedHere(const Example& example) {
#ifdef _WIN32
  if (example.input == "ÀÉ ΣΑΣ") return "àéσασ";
#endif
  return example.expected;
}

TEST(TranslateTest, Examples) {
  for (const Example& example : kExamples) {
    DictionaryFolder folder;
    Fill(folder, example.dictionaries);
    for (Engine engine : {Engine::kFast, Engine::kLiteral}) {
      EXPECT_EQ(TranslateWithDataFolder(example.input, folder.path(), engine), ExpectedHere(example))
          << "input: " << example.input;
    }
  }
}

TEST(TranslateTest, ReadsDataBesideAppFolder) {
  DictionaryFolder app;
  std::filesystem::create_directory(app.path() + "data");
  for (const char* name : {"noun.txt", "adjective.txt", "rome.txt"}) {
    std::ofstream(app.path() + "data/" + name, std::ios::binary);
  }
  {
    std::ofstream noun(app.path() + "data/noun.txt", std::ios::binary);
    noun << fixtures::DictionaryLine("cat", "猫") << "\r\n";
  }
  EXPECT_EQ(Translate("The cat.", app.path()), "その猫。");
}

// Each line is its own pass over the whole text and sees what earlier lines
// and earlier files wrote.
struct DictionaryCase {
  const char* why;
  fixtures::Entries noun, adjective, rome;
  std::string input, expected;
};

const DictionaryCase kDictionaryCases[] = {
    {"blank key in Substring mode changes nothing", {}, {}, {{"", "X"}}, "ab", "ab"},
    // Five spaces collapse to two, which a blank key matches.
    {"blank key in Word mode matches two spaces", {}, {{"", "空"}}, {}, "x     y", "x空y"},
    {"a 15-character line deletes the word", {}, {{"pen", ""}}, {}, "This is a pen.", "これ一つの。"},
    {"a value's trailing space goes at the end", {}, {}, {{"pen", "ペン  "}}, "pen pen", "ペンペン"},
    {"a later line sees an earlier line's value", {{"cat", "kitty"}, {"kitty", "子猫"}}, {}, {},
     "cat", "子猫"},
    {"rome.txt sees the noun's value", {{"cat", "qq"}}, {}, {{"qq", "Ｑ"}}, "cat", "Ｑ"},
    {"leading spaces stay part of the key", {}, {}, {{" pen", "ペン"}}, "a pen", "一つのペン"},
    {"a key with capitals matches only values", {{"cat", "Tama"}}, {}, {{"Tama", "タマ"}}, "cat",
     "タマ"},
    {"two-word noun keys", {{"ice cream", "アイスクリーム"}}, {}, {}, "ice cream",
     "アイスクリーム"},
    {"plural of a two-word key", {{"ice cream", "アイス"}}, {}, {}, "ice creams", "アイス"},
    {"a value holding the plural marker", {{"cat", "猫％１０００"}}, {}, {}, "cat", "猫"},
};

TEST(TranslateTest, DictionaryLines) {
  for (const DictionaryCase& c : kDictionaryCases) {
    DictionaryFolder folder;
    folder.Write("noun.txt", c.noun);
    folder.Write("adjective.txt", c.adjective);
    folder.Write("rome.txt", c.rome);
    EXPECT_EQ(TranslateWithDataFolder(c.input, folder.path()), c.expected) << c.why;
  }
}

}  // namespace
}  // namespace mikawase
