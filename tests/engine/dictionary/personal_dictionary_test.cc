// The user's own dictionaries: applied right before the shipped file of the
// same name, skipped when missing, reported like any file when broken; and
// the one writer that adds an entry to them.
#include "mikawase/personal_dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "dictionary/dictionary_file.h"
#include "dictionary_folder.h"
#include "fast/fast_engine.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;
using fixtures::EncodeCp932;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class PersonalDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shipped_.Write("noun.txt", {{"cat", "猫"}, {"dog", "犬"}});
    shipped_.Write("adjective.txt", {{"black", "黒い"}});
    shipped_.Write("rome.txt", {{"pen", "ペン"}});
    for (const char* name : {"noun.txt", "adjective.txt", "rome.txt"}) personal_.Remove(name);
  }
  DictionaryFolders Folders() const { return {shipped_.path(), personal_.path()}; }
  std::string Both(const std::string& input, Engine engine) {
    return TranslateWithDictionaries(input, Folders(), engine);
  }
  DictionaryFolder shipped_, personal_;
};

constexpr Engine kEngines[] = {Engine::kFast, Engine::kLiteral};

TEST_F(PersonalDictionaryTest, PersonalEntriesTakeTheWordFirst) {
  const struct {
    const char* file;
    fixtures::Entries entries;
    const char* input;
    const char* expected;
  } kCases[] = {
      {"noun.txt", {{"cat", "ネコ"}}, "The cat and the cats.", "そのネコそしてそのネコ。"},
      {"adjective.txt", {{"black", "真っ黒な"}}, "The cat is black.", "その猫真っ黒な。"},
      {"rome.txt", {{"pen", "筆"}}, "This is a pen.", "これ一つの筆。"},
      // A personal line can also name a word the shipped file lacks.
      {"noun.txt", {{"laptop", "ノートパソコン"}}, "A laptop.", "一つのノートパソコン。"},
  };
  for (const auto& c : kCases) {
    SetUp();
    for (Engine engine : kEngines) {
      std::string before = Both(c.input, engine);
      personal_.Write(c.file, c.entries);
      EXPECT_EQ(Both(c.input, engine), c.expected) << c.file;
      EXPECT_NE(before, c.expected) << c.file;
      personal_.Remove(c.file);
    }
  }
}

TEST_F(PersonalDictionaryTest, WithoutPersonalFilesNothingChanges) {
  const char* kInput = "The cat is black. This is a pen.";
  for (Engine engine : kEngines) {
    std::string shipped_alone = TranslateWithDataFolder(kInput, shipped_.path(), engine);
    EXPECT_EQ(Both(kInput, engine), shipped_alone) << "files missing";
    EXPECT_EQ(TranslateWithDictionaries(kInput, {shipped_.path(), "/nonexistent/mikawase/"}, engine),
              shipped_alone)
        << "folder missing";
    personal_.Write("noun.txt", {});
    EXPECT_EQ(Both(kInput, engine), shipped_alone) << "an empty file";
    personal_.Remove("noun.txt");
  }
}

TEST_F(PersonalDictionaryTest, ABrokenPersonalFileIsNamedWithItsPathAndLine) {
  personal_.WriteBytes("adjective.txt", DictionaryLine("red", "赤い") + "\r\nshort\r\n");
  for (Engine engine : kEngines) {
    try {
      Both("The cat.", engine);
      ADD_FAILURE() << "translated";
    } catch (const TranslationError& error) {
      EXPECT_EQ(error.file(), personal_.path() + "adjective.txt");
      EXPECT_EQ(error.line(), 2u);
      EXPECT_EQ(error.kind(), ErrorKind::kShortLine);
    }
  }
  // A missing shipped file is still an error, personal files or not.
  personal_.Write("adjective.txt", {{"red", "赤い"}});
  shipped_.Remove("rome.txt");
  EXPECT_THROW(Both("The cat.", Engine::kFast), TranslationError);
}

// The compiled program, in memory and on disk, belongs to the bytes of all
// six files: a changed personal file is seen at the next translation.
TEST_F(PersonalDictionaryTest, TheCompiledCacheKeysOnThePersonalBytes) {
  DictionaryFolder cache;
  EnableCompiledCache(cache.path());
  personal_.Write("noun.txt", {{"cat", "ネコ"}});
  EXPECT_EQ(Both("The cat.", Engine::kFast), "そのネコ。");
  personal_.Write("noun.txt", {{"cat", "ねこ"}});
  EXPECT_EQ(Both("The cat.", Engine::kFast), "そのねこ。") << "in the same process";
  ForgetCompiledPrograms();
  EXPECT_EQ(Both("The cat.", Engine::kFast), "そのねこ。") << "in a new process";
  personal_.Remove("noun.txt");
  ForgetCompiledPrograms();
  EXPECT_EQ(Both("The cat.", Engine::kFast), "その猫。") << "once it is gone";
  EnableCompiledCache("");
  ForgetCompiledPrograms();
}

TEST(AddPersonalEntryTest, WritesCp932WithThePaddedKeyAndCrLf) {
  DictionaryFolder home;
  std::string folder = home.path() + "new/mikawase/";
  AddedEntry added = AddPersonalEntry(folder, "noun.txt", "laptop", "ノートパソコン");
  ASSERT_EQ(added.refusal, "");
  EXPECT_EQ(added.path, folder + "noun.txt");
  EXPECT_EQ(added.line, 1u);
  EXPECT_FALSE(added.replaced);
  EXPECT_EQ(ReadFile(folder + "noun.txt"), DictionaryLine("laptop", "ノートパソコン") + "\r\n");

  added = AddPersonalEntry(folder, "noun.txt", "desk", "机");
  EXPECT_EQ(added.line, 2u);
  added = AddPersonalEntry(folder, "noun.txt", "laptop", "ノートＰＣ");
  EXPECT_EQ(added.line, 1u);
  EXPECT_TRUE(added.replaced);
  EXPECT_EQ(ReadFile(folder + "noun.txt"),
            DictionaryLine("laptop", "ノートＰＣ") + "\r\n" + DictionaryLine("desk", "机") + "\r\n");
}

// Lines the writer did not touch stay byte for byte, line ends and all.
TEST(AddPersonalEntryTest, KeepsEveryOtherLineAsItWas) {
  DictionaryFolder folder;
  std::string kept = DictionaryLine("cat", "猫") + "\n" + DictionaryLine("dog", "犬") + "\r" +
                     DictionaryLine("bird", "鳥");
  folder.WriteBytes("noun.txt", kept);
  AddedEntry added = AddPersonalEntry(folder.path(), "noun.txt", "fish", "魚");
  ASSERT_EQ(added.refusal, "");
  EXPECT_EQ(added.line, 4u);
  EXPECT_EQ(ReadFile(folder.path() + "noun.txt"),
            kept + "\r\n" + DictionaryLine("fish", "魚") + "\r\n");
  AddPersonalEntry(folder.path(), "noun.txt", "dog", "イヌ");
  EXPECT_EQ(ReadFile(folder.path() + "noun.txt"),
            DictionaryLine("cat", "猫") + "\n" + DictionaryLine("dog", "イヌ") + "\r" +
                DictionaryLine("bird", "鳥") + "\r\n" + DictionaryLine("fish", "魚") + "\r\n");
}

// Writers in threads of one process wait for each other as writers in
// separate processes do: every word is kept, and the file stays valid.
TEST(AddPersonalEntryTest, WritersAtOnceLoseNothing) {
  DictionaryFolder folder;
  constexpr int kThreads = 6, kWordsEach = 5;
  std::vector<std::string> refusals(kThreads);
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([&, t] {
      for (int w = 0; w < kWordsEach; ++w) {
        std::string n = std::to_string(t * kWordsEach + w);
        AddedEntry added = AddPersonalEntry(folder.path(), "noun.txt", "zz" + n, "語" + n);
        refusals[t] += added.refusal;
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  for (const std::string& refusal : refusals) EXPECT_EQ(refusal, "");
  DictionaryContents contents = ParseDictionary(ReadFile(folder.path() + "noun.txt"), "noun.txt");
  EXPECT_FALSE(contents.failure);
  std::set<std::string> keys;
  for (const DictionaryEntry& entry : contents.entries) keys.insert(entry.key);
  EXPECT_EQ(keys.size(), static_cast<std::size_t>(kThreads * kWordsEach));
  EXPECT_EQ(contents.entries.size(), static_cast<std::size_t>(kThreads * kWordsEach));
}

TEST(AddPersonalEntryTest, RefusesWhatCouldNeverActOrWouldSpoilTheFile) {
  const struct {
    const char* file;
    std::string key, value;
    const char* says;
  } kCases[] = {
      {"noun.txt", "abcdefghijklmnop", "x", "16 characters"},
      {"noun.txt", "", "x", "blank"},
      {"noun.txt", "   ", "x", "blank"},
      {"noun.txt", " cat", "猫", "starts with a space"},
      {"noun.txt", "a\tb", "x", "tab"},
      {"adjective.txt", "red", "赤\nい", "line break"},
      {"noun.txt", "Laptop", "ノートパソコン", "capital"},
      {"adjective.txt", "Red", "赤い", "capital"},
      {"noun.txt", "sushi", "🍣", "🍣"},
      {"noun.txt", "ice", "", "value is empty"},
  };
  for (const auto& c : kCases) {
    DictionaryFolder folder;
    folder.Write(c.file, {{"cat", "猫"}});
    std::string before = ReadFile(folder.path() + c.file);
    AddedEntry added = AddPersonalEntry(folder.path(), c.file, c.key, c.value);
    EXPECT_NE(added.refusal.find(c.says), std::string::npos) << c.key << ": " << added.refusal;
    EXPECT_EQ(ReadFile(folder.path() + c.file), before) << c.key;
  }
  // rome.txt is applied to what dictionaries wrote, capitals and all.
  DictionaryFolder folder;
  EXPECT_EQ(AddPersonalEntry(folder.path(), "rome.txt", "PC", "ピーシー").refusal, "");
  // A file with errors is left alone rather than rewritten around them.
  folder.WriteBytes("noun.txt", "short\r\n");
  AddedEntry added = AddPersonalEntry(folder.path(), "noun.txt", "cat", "猫");
  EXPECT_NE(added.refusal.find("errors already"), std::string::npos) << added.refusal;
  EXPECT_EQ(ReadFile(folder.path() + "noun.txt"), "short\r\n");
}

TEST(RemovePersonalEntryTest, TakesOutEveryLineWithTheKeyAndKeepsTheRest) {
  DictionaryFolder folder;
  std::string cat = DictionaryLine("cat", "猫"), dog = DictionaryLine("dog", "犬"),
              old_cat = DictionaryLine("cat", "ねこ"), bird = DictionaryLine("bird", "鳥");
  folder.WriteBytes("noun.txt", cat + "\n" + dog + "\r" + old_cat + "\r\n" + bird);
  RemovedEntry removed = RemovePersonalEntry(folder.path(), "noun.txt", "cat  ");
  ASSERT_EQ(removed.refusal, "");
  EXPECT_EQ(removed.path, folder.path() + "noun.txt");
  EXPECT_EQ(removed.line, 1u);
  EXPECT_EQ(removed.count, 2u);
  EXPECT_EQ(ReadFile(folder.path() + "noun.txt"), dog + "\r" + bird);
  // Gone from the rendering, for both engines, and the shipped word is back.
  DictionaryFolder shipped;
  shipped.Write("noun.txt", {{"cat", "猫"}});
  folder.Write("noun.txt", {{"cat", "ネコ"}});
  for (Engine engine : kEngines) {
    EXPECT_EQ(TranslateWithDictionaries("The cat.", {shipped.path(), folder.path()}, engine),
              "そのネコ。");
  }
  ASSERT_EQ(RemovePersonalEntry(folder.path(), "noun.txt", "cat").refusal, "");
  for (Engine engine : kEngines) {
    EXPECT_EQ(TranslateWithDictionaries("The cat.", {shipped.path(), folder.path()}, engine),
              "その猫。");
  }
}

TEST(RemovePersonalEntryTest, RefusesWhatItCannotFindOrWouldSpoil) {
  DictionaryFolder folder;
  folder.Remove("noun.txt");
  EXPECT_NE(RemovePersonalEntry(folder.path(), "noun.txt", "cat").refusal.find("no entry"),
            std::string::npos)
      << "a missing file";
  EXPECT_FALSE(std::filesystem::exists(folder.path() + "noun.txt"));
  folder.Write("noun.txt", {{"cat", "猫"}});
  std::string before = ReadFile(folder.path() + "noun.txt");
  RemovedEntry removed = RemovePersonalEntry(folder.path(), "noun.txt", "dog");
  EXPECT_NE(removed.refusal.find("no entry for \"dog\""), std::string::npos) << removed.refusal;
  EXPECT_EQ(removed.count, 0u);
  folder.WriteBytes("noun.txt", DictionaryLine("cat", "猫") + "\r\nshort\r\n");
  removed = RemovePersonalEntry(folder.path(), "noun.txt", "cat");
  EXPECT_NE(removed.refusal.find("errors already"), std::string::npos) << removed.refusal;
  EXPECT_EQ(ReadFile(folder.path() + "noun.txt"), DictionaryLine("cat", "猫") + "\r\nshort\r\n");
}

TEST(ListPersonalEntriesTest, EveryFileInTheOrderTheyApplyWithBadLinesApart) {
  DictionaryFolder folder;
  folder.Write("rome.txt", {{"pen", "ペン"}});
  folder.WriteBytes("noun.txt",
                    DictionaryLine("cat", "猫") + "\r\nshort\r\n" + DictionaryLine("dog", "犬"));
  folder.Remove("adjective.txt");
  PersonalEntries listed = ListPersonalEntries(folder.path());
  std::vector<std::string> seen;
  for (const PersonalEntry& entry : listed.entries) {
    seen.push_back(entry.file_name + ":" + std::to_string(entry.line) + " " + entry.key + "=" +
                   entry.value);
    EXPECT_EQ(entry.path, folder.path() + entry.file_name);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"noun.txt:1 cat=猫", "noun.txt:3 dog=犬",
                                            "rome.txt:1 pen=ペン"}));
  ASSERT_EQ(listed.failures.size(), 1u);
  EXPECT_EQ(listed.failures[0].file(), folder.path() + "noun.txt");
  EXPECT_EQ(listed.failures[0].line(), 2u);
  // A folder not made yet holds nothing, and says nothing is wrong.
  listed = ListPersonalEntries(folder.path() + "not-yet/");
  EXPECT_TRUE(listed.entries.empty());
  EXPECT_TRUE(listed.failures.empty());
}

}  // namespace
}  // namespace mikawase
