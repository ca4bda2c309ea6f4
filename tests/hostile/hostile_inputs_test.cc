// Whatever a user can type, paste or save with any editor: each input gets
// its defined result, or an error that names the file and the line, and
// both engines agree. Rows that other tests already pin are not repeated
// here; the table of hostile inputs in docs/robustness.md says where each
// one is tested.
#include <gtest/gtest.h>

#include <string>

#include "dictionary_folder.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;
using fixtures::Entries;

constexpr Engine kEngines[] = {Engine::kFast, Engine::kLiteral};

const Entries kCatDog = {{"cat", "猫"}, {"dog", "犬"}};
const Entries kBlack = {{"black", "黒い"}};

// Big enough to hurt anything that copies per character or per line, and
// the size docs/robustness.md promises to handle.
constexpr std::size_t kTenMegabytes = 10u << 20;

struct TextCase {
  const char* why;
  Entries noun, adjective, rome;
  std::string input, expected;
};

TEST(HostileInputsTest, TextsWithADefinedResult) {
  using namespace std::string_literals;
  const TextCase kCases[] = {
      // NUL is ordinary text: it is kept, and like any character other than
      // a space it keeps the words next to it from matching whole-word rules.
      {"NUL between sentences", kCatDog, kBlack, {}, "I like you. \0 I like you."s,
       "私が好きなのはあなた。\0私が好きなのはあなた。"s},
      {"NUL inside a word", kCatDog, kBlack, {}, "cat\0dog"s, "キャt\0dog"s},
      {"only a NUL", {}, {}, {}, "\0"s, "\0"s},
      // The plural marker typed by the user is removed like the engine's own,
      // and takes an "s" and a space before it along.
      {"typed plural marker", {}, {}, {}, "a％１０００b", "ab"},
      {"typed plural marker after an s", {}, {}, {}, "glass ％１０００ s", "glas"},
      {"typed marker after a plural", kCatDog, {}, {}, "cats ％１０００", "猫"},
      // Only the 21 letter codes the engine writes are decoded.
      {"typed letter codes", {}, {}, {}, "％０００１％００５０％００３１", "At％００３１"},
      {"typed code after a protected term", {}, {}, {}, "CPU％１０００", "CPU"},
      // Outside the Basic Multilingual Plane: four bytes of UTF-8 each,
      // modifiers included, never split.
      {"emoji with a skin-tone modifier", {}, {}, {}, "I like 🍣 and 👍🏽.",
       "私が好きなのは🍣そして👍🏽。"},
      {"a plural after an emoji", {}, {}, {}, "🍣s", "🍣"},
      // Each line is one pass that never rescans what it wrote, so a value
      // that holds its own key grows the text once per line, no more.
      {"value holds its key", {}, {}, {{"ｑ", "ｑｑ"}}, "ｑ ｑ", "ｑｑｑｑ"},
      {"three such lines", {}, {}, {{"q", "qq"}, {"q", "qq"}, {"q", "qq"}}, "q", "qqqqqqqq"},
      {"noun value holds its key", {{"cat", "cat cat"}}, {}, {}, "cat", "キャtキャt"},
      {"word value holds its key", {}, {{"big", "big big"}}, {}, "big big", "bigbigbig"},
  };
  for (const TextCase& c : kCases) {
    DictionaryFolder folder;
    folder.Write("noun.txt", c.noun);
    folder.Write("adjective.txt", c.adjective);
    folder.Write("rome.txt", c.rome);
    for (Engine engine : kEngines) {
      EXPECT_EQ(TranslateWithDataFolder(c.input, folder.path(), engine), c.expected) << c.why;
    }
  }
}

// Files saved on Linux or on an old Mac read exactly like Windows files;
// read as one long line they would turn every translation silently wrong.
TEST(HostileInputsTest, EveryLineEndReadsTheSame) {
  const struct {
    const char* why;
    std::string line_end;
    bool end_of_file;  // a line end after the last line too
  } kCases[] = {
      {"CR LF", "\r\n", true}, {"LF only", "\n", true},  {"CR only", "\r", true},
      {"LF, none at the end", "\n", false},             {"CR, none at the end", "\r", false},
  };
  for (const auto& c : kCases) {
    DictionaryFolder folder;
    std::string nouns = DictionaryLine("cat", "猫") + c.line_end + DictionaryLine("dog", "犬");
    folder.WriteBytes("noun.txt", c.end_of_file ? nouns + c.line_end : nouns);
    folder.WriteBytes("adjective.txt", DictionaryLine("black", "黒い") + c.line_end);
    for (Engine engine : kEngines) {
      EXPECT_EQ(TranslateWithDataFolder("The cat is black. The dog.", folder.path(), engine),
                "その猫黒い。その犬。")
          << c.why;
    }
  }
}

struct BrokenFile {
  const char* why;
  const char* file;
  std::string bytes;
  ErrorKind kind;
  std::size_t line;
  const char* says;  // part of the message
};

TEST(HostileInputsTest, BrokenFilesNameFileAndLine) {
  using namespace std::string_literals;
  const std::string kCat = DictionaryLine("cat", "猫") + "\r\n";
  const BrokenFile kCases[] = {
      // Without a byte-order mark UTF-16 shows as NUL bytes in the first line.
      {"UTF-16 without a byte-order mark", "noun.txt", "c\0a\0t\0 \0 \0 \0 \0 \0 \0 \0"s,
       ErrorKind::kNulByte, 1, "UTF-16"},
      {"UTF-16 big-endian with a byte-order mark", "adjective.txt", "\xFE\xFF\0c\0a\0t"s,
       ErrorKind::kLooksLikeUtf16, 1, "UTF-16"},
      {"nothing but a UTF-8 byte-order mark", "rome.txt", "\xEF\xBB\xBF", ErrorKind::kLooksLikeUtf8,
       1, "UTF-8"},
      {"NUL in a later line", "rome.txt", kCat + DictionaryLine("dog", "犬") + "\0\r\n"s,
       ErrorKind::kNulByte, 2, "NUL"},
      {"a 10 MB line with a bad byte at its end", "noun.txt",
       kCat + DictionaryLine("long", std::string(kTenMegabytes, 'x')) + "\xFD\r\n",
       ErrorKind::kInvalidBytes, 2, "0xFD"},
      {"a 10 MB line of kanji cut in half", "adjective.txt",
       kCat + DictionaryLine("long", "") + [] {
         std::string kanji;
         for (std::size_t i = 0; i < kTenMegabytes / 2; ++i) kanji += "\x94\x4C";  // 猫
         return kanji + "\x94";
       }(),
       ErrorKind::kInvalidBytes, 2, "0x94"},
  };
  for (const BrokenFile& c : kCases) {
    DictionaryFolder folder;
    folder.WriteBytes(c.file, c.bytes);
    for (Engine engine : kEngines) {
      try {
        std::string output = TranslateWithDataFolder("The cat.", folder.path(), engine);
        ADD_FAILURE() << c.why << ": translated to " << output;
      } catch (const TranslationError& error) {
        EXPECT_EQ(error.kind(), c.kind) << c.why << ": " << error.what();
        EXPECT_EQ(error.file(), folder.path() + c.file) << c.why;
        EXPECT_EQ(error.line(), c.line) << c.why;
        EXPECT_NE(error.problem().find(c.says), std::string::npos) << c.why << ": " << error.what();
      }
    }
  }
}

TEST(HostileInputsTest, TenMegabyteDictionaryLine) {
  DictionaryFolder folder;
  folder.WriteBytes("rome.txt", DictionaryLine("ｑ", std::string(kTenMegabytes, 'x')));
  for (Engine engine : kEngines) {
    EXPECT_EQ(TranslateWithDataFolder("ｑ", folder.path(), engine), std::string(kTenMegabytes, 'x'));
  }
}

// One line of 10 MB as the input, as if a whole book were pasted without a
// line break. The literal engine would need minutes under the sanitizers;
// the fast one is checked against it on small texts elsewhere.
TEST(HostileInputsTest, TenMegabyteInputLine) {
  DictionaryFolder folder;
  folder.Write("noun.txt", kCatDog);
  std::string input, expected;
  while (input.size() < kTenMegabytes) {
    input += "cats dogs ";
    expected += "猫犬";
  }
  EXPECT_EQ(TranslateWithDataFolder(input, folder.path()), expected);
}

// Dictionaries may grow the text close to the growth limit and leave it to
// a built-in rule after them to take it past. The error must still name a
// dictionary line, the one that made the text large, or the user could not
// tell which file to fix.
TEST(HostileInputsTest, GrowthPastTheLimitInABuiltInRuleNamesTheDictionary) {
  DictionaryFolder folder;
  std::string spread_out;  // one "q" becomes a hundred, each a word of its own
  for (int i = 0; i < 99; ++i) spread_out += "q x ";
  spread_out += "q";
  std::string nouns;
  for (int i = 0; i < 3; ++i) nouns += DictionaryLine("q", spread_out) + "\r\n";
  folder.WriteBytes("noun.txt", nouns);
  // A million words of 35 bytes: within the limit until the word table turns
  // each "studded" (7 bytes) into 30 bytes.
  std::string studded;
  for (int i = 0; i < 5; ++i) studded += "studded";
  folder.Write("adjective.txt", {{"q", studded}});
  for (Engine engine : kEngines) {
    try {
      TranslateWithDataFolder("q", folder.path(), engine);
      ADD_FAILURE() << "translated";
    } catch (const TranslationError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::kRunawayGrowth) << error.what();
      EXPECT_EQ(error.file(), folder.path() + "adjective.txt") << error.what();
      EXPECT_EQ(error.line(), 1u) << error.what();
    }
  }
}

}  // namespace
}  // namespace mikawase
