#include "dictionary/dictionary_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "dictionary_folder.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryLine;
using fixtures::EncodeCp932;

const std::string kCat = DictionaryLine("cat", "猫");
const std::string kDog = DictionaryLine("dog", "犬");

struct LineEndCase {
  const char* why;
  std::string bytes;
  std::vector<std::string> keys;
};

TEST(DictionaryFileTest, LineEnds) {
  const LineEndCase kCases[] = {
      {"CR LF", kCat + "\r\n" + kDog + "\r\n", {"cat", "dog"}},
      {"CR alone", kCat + "\r" + kDog + "\r", {"cat", "dog"}},
      {"LF alone", kCat + "\n" + kDog + "\n", {"cat", "dog"}},
      {"mixed", kCat + "\n" + kDog + "\r" + kCat + "\r\n", {"cat", "dog", "cat"}},
      {"no line end after the last line", kCat + "\r\n" + kDog, {"cat", "dog"}},
      {"LF CR is two line ends", kCat + "\n\r" + kDog, {"cat"}},
      {"empty file", "", {}},
  };
  for (const LineEndCase& c : kCases) {
    DictionaryContents contents = ParseDictionary(c.bytes, "noun.txt");
    std::vector<std::string> keys;
    for (const DictionaryEntry& entry : contents.entries) keys.push_back(entry.key);
    EXPECT_EQ(keys, c.keys) << c.why;
  }
}

struct FieldCase {
  const char* why;
  std::string line;  // UTF-8, without line end
  std::string key, value;
};

TEST(DictionaryFileTest, Fields) {
  const FieldCase kCases[] = {
      {"key padded, value as written", "cat            猫", "cat", "猫"},
      {"blank key", "               値", "", "値"},
      {"leading spaces stay", "  pen          ペン", "  pen", "ペン"},
      {"inner spaces stay", "ice cream      アイス", "ice cream", "アイス"},
      {"exactly 15 characters: empty value", "pen            ", "pen", ""},
      {"trailing spaces of the value stay", "pen            ペン  ", "pen", "ペン  "},
      {"columns count characters, not bytes", "猫猫猫猫猫猫猫猫猫猫猫猫猫猫猫cat", "猫猫猫猫猫猫猫猫猫猫猫猫猫猫猫",
       "cat"},
      {"an ideographic space is not trimmed", "cat　           猫", "cat　", "猫"},
      {"a key may fill the field", "abcdefghijklmnoX", "abcdefghijklmno", "X"},
  };
  for (const FieldCase& c : kCases) {
    DictionaryContents contents = ParseDictionary(EncodeCp932(c.line), "noun.txt");
    ASSERT_EQ(contents.entries.size(), 1u) << c.why;
    EXPECT_EQ(contents.entries[0].key, c.key) << c.why;
    EXPECT_EQ(contents.entries[0].value, c.value) << c.why;
    EXPECT_FALSE(contents.failure) << c.why;
  }
}

// CP932 as Windows reads it, not JIS: these bytes are where tables differ.
TEST(Cp932Test, DecodesAsWindowsDoes) {
  const struct {
    const char* why;
    std::string bytes, text;
  } kCases[] = {
      {"0x5C is a backslash", "\x5C", "\\"},
      {"0x7E is a tilde", "\x7E", "~"},
      {"control codes are themselves", "\x1A\x1C\x7F", "\x1A\x1C\x7F"},
      {"0x8160 is the fullwidth tilde", "\x81\x60", "～"},
      {"0x815F is the fullwidth backslash", "\x81\x5F", "＼"},
      {"0x817C is the fullwidth minus", "\x81\x7C", "－"},
      {"halfwidth katakana", "\xB1", "ｱ"},
      {"NEC special row", "\x87\x40", "①"},
      {"NEC special row: numero sign", "\x87\x82", "№"},
      {"NEC-selected IBM extension", "\xED\x40", "纊"},
      {"IBM extension: small roman numeral", "\xFA\x40", "ⅰ"},
      {"IBM extension: last kanji", "\xFC\x4B", "黑"},
      {"a trail byte that looks like a backslash", "\x95\x5C", "表"},
  };
  for (const auto& c : kCases) {
    std::string text;
    EXPECT_TRUE(DecodeCp932(c.bytes, &text)) << c.why;
    EXPECT_EQ(text, c.text) << c.why;
  }
  for (std::string invalid : {"\x81\x20", "\x81", "\xFD", "\xA0", "\x85\x40"}) {
    std::string text;
    EXPECT_FALSE(DecodeCp932(invalid, &text)) << ::testing::PrintToString(invalid);
  }
}

// Encoding gives bytes that decode back to exactly the text, or refuses and
// names the first character CP932 has no form of its own for; look-alikes
// ("¥" written as the backslash's byte) are refused on both platforms.
TEST(Cp932Test, EncodesOnlyWhatDecodesBack) {
  const struct {
    const char* text;
    std::string bytes;    // when it encodes
    const char* missing;  // when it does not
  } kCases[] = {
      {"猫 cat", "\x94\x4c cat", nullptr},
      {"ｱ~\\①", "\xB1~\\\x87\x40", nullptr},
      {"\x1A\x1C\x7F", "\x1A\x1C\x7F", nullptr},
      {"", "", nullptr},
      {"ok ¥100", "", "¥"},
      {"sushi 🍣", "", "🍣"},
      {"€", "", "€"},
  };
  for (const auto& c : kCases) {
    std::string bytes, missing;
    bool encoded = mikawase::EncodeCp932(c.text, &bytes, &missing);
    EXPECT_EQ(encoded, c.missing == nullptr) << c.text;
    if (encoded) {
      EXPECT_EQ(bytes, c.bytes) << c.text;
    } else {
      EXPECT_EQ(missing, c.missing) << c.text;
    }
  }
}

struct ErrorCase {
  const char* why;
  std::string bytes;
  ErrorKind kind;
  std::size_t line;
  std::size_t entries_before;  // lines that stand before the failure
  const char* says;            // part of the message
};

TEST(DictionaryFileTest, BadLinesNameTheirLine) {
  const ErrorCase kCases[] = {
      {"short line", kCat + "\r\nshort\r\n", ErrorKind::kShortLine, 2, 1, "5 characters"},
      {"empty line", kCat + "\r\n\r\n" + kDog, ErrorKind::kShortLine, 2, 1, "empty"},
      {"empty last line", kCat + "\r\n" + kDog + "\r\n\r\n", ErrorKind::kShortLine, 3, 2, "empty"},
      {"nothing but a line end", "\r\n", ErrorKind::kShortLine, 1, 0, "at least 15"},
      {"14 characters", "cat           \r\n", ErrorKind::kShortLine, 1, 0, "14 characters"},
      {"invalid lead byte", kCat + "\n" + kDog + "\xFD\n", ErrorKind::kInvalidBytes, 2, 1, "0xFD"},
      {"invalid trail byte", kCat + "\x81\x20", ErrorKind::kInvalidBytes, 1, 0, "Shift_JIS"},
      {"NUL byte", kCat + "\r\ndog" + std::string(1, '\0') + "           x", ErrorKind::kNulByte, 2,
       1, "NUL"},
      // Appended from a UTF-8 terminal to a Shift_JIS file: the bytes of
      // パソコン happen to be valid CP932 too, and would turn to mojibake.
      {"a UTF-8 line among CP932 lines", kCat + "\r\nlaptop         パソコン\r\n" + kDog,
       ErrorKind::kLooksLikeUtf8, 2, 1, "iconv -f UTF-8 -t CP932"},
      {"a UTF-8 line of kanji alone", kCat + "\r\n" + kDog + "\r\nbird           鳥類\r\n",
       ErrorKind::kLooksLikeUtf8, 3, 2, "looks like UTF-8"},
  };
  for (const ErrorCase& c : kCases) {
    DictionaryContents contents = ParseDictionary(c.bytes, "/d/noun.txt");
    ASSERT_TRUE(contents.failure) << c.why;
    EXPECT_EQ(contents.failure->kind(), c.kind) << c.why;
    EXPECT_EQ(contents.failure->line(), c.line) << c.why;
    EXPECT_EQ(contents.failure->file(), "/d/noun.txt") << c.why;
    EXPECT_EQ(contents.entries.size(), c.entries_before) << c.why;
    EXPECT_NE(std::string(contents.failure->what()).find(c.says), std::string::npos)
        << c.why << ": " << contents.failure->what();
    EXPECT_EQ(std::string(contents.failure->what()).rfind("/d/noun.txt:" + std::to_string(c.line) + ": ", 0), 0u)
        << contents.failure->what();
  }
}

// Shift_JIS whose bytes also form valid UTF-8 must still read as Shift_JIS,
// beside kanji (the file as a whole is then not UTF-8) and among ASCII lines
// alone (it is, byte for byte).
TEST(DictionaryFileTest, ShiftJisThatIsAlsoValidUtf8IsAccepted) {
  const struct {
    const char* why;
    std::string value;  // UTF-8; written as CP932
    bool kanji;
  } kCases[] = {
      {"halfwidth katakana read as UTF-8 Latin: C3 BD is ý", "ﾃｽ", false},
      {"two pairs: C3 BD C4 B1 is ýı", "ﾃｽﾄｱ", false},
      {"a long even run", "ﾃｽﾃｽﾃｽﾃｽ", false},
      {"a pair among ASCII: C3 A8 is è", "ﾃｨ-x ﾃｨ", false},
      {"pairs that read as Greek and Cyrillic", "ﾏｽ ﾑｱ", false},
      {"rare kanji read as UTF-8 kanji glued to a letter: 鏉P", "髀臼", true},
      {"rare kanji read as UTF-8 of another script", "鼈甲", true},
  };
  for (const auto& c : kCases) {
    std::string line = DictionaryLine("word", c.value);
    // Kanji read as UTF-8 stay a sign of UTF-8 in a file that is valid
    // UTF-8 throughout; only the halfwidth cases are asked to stand alone.
    std::vector<std::string> files = {line + "\r\n" + kCat};
    if (!c.kanji) files.push_back("pen            x\r\n" + line + "\r\n" + line + "\r\nend            y");
    for (const std::string& file : files) {
      DictionaryContents contents = ParseDictionary(file, "noun.txt");
      EXPECT_FALSE(contents.failure) << c.why << ": " << contents.failure->what();
      ASSERT_GE(contents.entries.size(), 2u) << c.why;
      EXPECT_EQ(contents.entries[file == files[0] ? 0 : 1].value, c.value) << c.why;
    }
  }
}

TEST(DictionaryFileTest, WrongEncodingsAreRefusedWhole) {
  const ErrorCase kCases[] = {
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + std::string("cat            x"),
       ErrorKind::kLooksLikeUtf8, 1, 0, "UTF-8"},
      {"UTF-8 without a byte-order mark", "cat            x\r\ndog            犬\r\n",
       ErrorKind::kLooksLikeUtf8, 2, 0, "save it as Shift_JIS (CP932)"},
      {"UTF-8 after lone CRs", "cat            x\rcow            y\rdog            犬\r",
       ErrorKind::kLooksLikeUtf8, 3, 0, "UTF-8"},
      // Halfwidth-looking pairs before a line that is not: the file is
      // taken for UTF-8 where it shows.
      {"UTF-8 after halfwidth-looking Latin letters", "cafe           caf\xC3\xA9\r\ndog            犬",
       ErrorKind::kLooksLikeUtf8, 2, 0, "looks like UTF-8"},
      {"UTF-8 Latin letters CP932 cannot read: ß is C3 9F", "street         stra\xC3\x9F",
       ErrorKind::kLooksLikeUtf8, 1, 0, "looks like UTF-8"},
      {"UTF-8 symbols CP932 cannot read: ∞ is E2 88 9E", "infinity       \xE2\x88\x9E",
       ErrorKind::kLooksLikeUtf8, 1, 0, "looks like UTF-8"},
      {"UTF-16 little-endian", "\xFF\xFE" "c\0a\0t\0", ErrorKind::kLooksLikeUtf16, 1, 0, "UTF-16"},
      {"UTF-16 big-endian", "\xFE\xFF" "\0c\0a\0t", ErrorKind::kLooksLikeUtf16, 1, 0, "UTF-16"},
  };
  for (const ErrorCase& c : kCases) {
    try {
      ParseDictionary(c.bytes, "rome.txt");
      ADD_FAILURE() << c.why << ": accepted";
    } catch (const TranslationError& error) {
      EXPECT_EQ(error.kind(), c.kind) << c.why;
      EXPECT_EQ(error.line(), c.line) << c.why;
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
  }
  // Plain ASCII is valid UTF-8 and valid CP932 alike, and must be accepted.
  EXPECT_EQ(ParseDictionary("cat            x\r\n", "rome.txt").entries.size(), 1u);
}

}  // namespace
}  // namespace mikawase
