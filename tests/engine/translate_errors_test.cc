// Every failure abandons the whole translation with an error that names the
// file, the line and the problem.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary_folder.h"
#include "literal/work_text.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;

struct FailureCase {
  const char* why;
  void (*spoil)(DictionaryFolder&);
  ErrorKind kind;
  const char* file;
  std::size_t line;
  std::string input = "q";
};

const FailureCase kFailures[] = {
    {"noun.txt missing", [](DictionaryFolder& f) { f.Remove("noun.txt"); },
     ErrorKind::kMissingFile, "noun.txt", 0},
    {"adjective.txt missing", [](DictionaryFolder& f) { f.Remove("adjective.txt"); },
     ErrorKind::kMissingFile, "adjective.txt", 0},
    {"rome.txt missing", [](DictionaryFolder& f) { f.Remove("rome.txt"); },
     ErrorKind::kMissingFile, "rome.txt", 0},
    {"a folder where a file should be",
     [](DictionaryFolder& f) {
       f.Remove("rome.txt");
       std::filesystem::create_directory(f.path() + "rome.txt");
     },
     ErrorKind::kUnreadable, "rome.txt", 0},
    {"short line in adjective.txt",
     [](DictionaryFolder& f) { f.WriteBytes("adjective.txt", DictionaryLine("red", "赤い") + "\r\nred\r\n"); },
     ErrorKind::kShortLine, "adjective.txt", 2},
    // Files run in pipeline order: the first file's failure is the one seen.
    {"noun.txt fails before adjective.txt is missing",
     [](DictionaryFolder& f) {
       f.WriteBytes("noun.txt", "\r\n");
       f.Remove("adjective.txt");
     },
     ErrorKind::kShortLine, "noun.txt", 1},
    // Text that doubles at every line: a value holding its own key.
    {"runaway growth",
     [](DictionaryFolder& f) {
       std::string lines;
       for (int i = 0; i < 40; ++i) lines += DictionaryLine("q", "qq") + "\r\n";
       f.WriteBytes("rome.txt", lines);
     },
     ErrorKind::kRunawayGrowth, "rome.txt", 27},
    // A line that runs away fails before a later bad byte is reached.
    {"growth before a later bad byte",
     [](DictionaryFolder& f) {
       std::string lines;
       for (int i = 0; i < 40; ++i) lines += DictionaryLine("q", "qq") + "\r\n";
       f.WriteBytes("rome.txt", lines + "\xFD\r\n");
     },
     ErrorKind::kRunawayGrowth, "rome.txt", 27},
    {"one huge value at once",
     [](DictionaryFolder& f) {
       f.WriteBytes("rome.txt", DictionaryLine("q", std::string(1 << 20, 'x')) + "\r\n");
     },
     ErrorKind::kRunawayGrowth, "rome.txt", 1, [] {
       // 100 words of one letter: 100 MiB at once, past the limit.
       std::string words;
       for (int i = 0; i < 100; ++i) words += "q ";
       return words;
     }()},
};

TEST(TranslateErrorsTest, FailuresNameFileAndLine) {
  for (const FailureCase& c : kFailures) {
    DictionaryFolder folder;
    c.spoil(folder);
    try {
      TranslateWithDataFolder(c.input, folder.path(), Engine::kLiteral);
      ADD_FAILURE() << c.why << ": no error";
    } catch (const TranslationError& error) {
      EXPECT_EQ(error.kind(), c.kind) << c.why << ": " << error.what();
      EXPECT_EQ(error.file(), folder.path() + c.file) << c.why;
      EXPECT_EQ(error.line(), c.line) << c.why << ": " << error.what();
    }
  }
}

TEST(TranslateErrorsTest, MissingDataFolder) {
  try {
    TranslateWithDataFolder("cat", "/nonexistent/mikawase/data/");
    ADD_FAILURE() << "no error";
  } catch (const TranslationError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kMissingFile);
    EXPECT_STREQ(error.what(),
                 "/nonexistent/mikawase/data/noun.txt: the dictionary folder "
                 "/nonexistent/mikawase/data does not exist");
  }
}

// Whole or in parts, bad input is named by the same line, byte and words,
// also when a line began in an earlier part.
TEST(TranslateErrorsTest, InvalidUtf8InputNamesLineAndByte) {
  struct {
    const char* why;
    std::vector<std::string> parts;
    std::size_t line;
    const char* problem;
  } const kCases[] = {
      {"one part", {"fine\r\nab\xC3("}, 2, "the text is not valid UTF-8 (byte 0xC3 at byte 3 of the line)"},
      {"the line begun in an earlier part", {"fine\r\na", "b\xC3("}, 2,
       "the text is not valid UTF-8 (byte 0xC3 at byte 3 of the line)"},
      {"lines in earlier parts", {"a\r\n", "b\r\nc", "\xFF"}, 3,
       "the text is not valid UTF-8 (byte 0xFF at byte 2 of the line)"},
  };
  DictionaryFolder folder;
  for (const auto& c : kCases) {
    std::string whole;
    for (const std::string& part : c.parts) whole += part;
    auto expect_named = [&](const char* how, auto&& translate) {
      try {
        translate();
        ADD_FAILURE() << c.why << ", " << how << ": no error";
      } catch (const TranslationError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::kInvalidInput) << c.why << ", " << how;
        EXPECT_EQ(error.line(), c.line) << c.why << ", " << how;
        EXPECT_EQ(error.problem(), c.problem) << c.why << ", " << how;
      }
    };
    expect_named("whole", [&] { TranslateWithDataFolder(whole, folder.path()); });
    expect_named("streamed", [&] {
      StreamingTranslation streaming(folder.path());
      for (const std::string& part : c.parts) streaming.Feed(part);
      streaming.Finish();
    });
  }
}

TEST(TranslateErrorsTest, GrowthLimitIsGenerousAndNeverWraps) {
  EXPECT_EQ(GrowthLimit(0), std::size_t{64} << 20);
  EXPECT_EQ(GrowthLimit(1000), (std::size_t{64} << 20) + 32000);
  EXPECT_EQ(GrowthLimit(~std::size_t{0}), ~std::size_t{0});
}

}  // namespace
}  // namespace mikawase
