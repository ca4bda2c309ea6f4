// The on-disk cache of compiled dictionaries: a program taken from it gives
// the text a fresh compilation gives, and a cache file that is damaged,
// stale or in the way is never used and never stops a translation.
//
// Each "new process" is played by forgetting the program compiled in
// memory, so that the next translation looks on disk.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary_folder.h"
#include "environment.h"
#include "fast/compiled_cache.h"
#include "fast/fast_engine.h"
#include "fast/program_image.h"
#include "fast/rule_program.h"
#include "fast/word_windows.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/translate.h"

namespace mikawase {
namespace {

using fixtures::DictionaryFolder;
using fixtures::DictionaryLine;
using fixtures::Entries;
using fixtures::ScopedEnvironment;

constexpr const char* kText =
    "The cat is black. I like dogs. I like you.\r\nMy black cats ran to the old house, "
    "and we saw a kyoto bird.\r\nOK? The USA and NHK.\r\n";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Equal strings, or where they first differ: texts and files here are too
// long for EXPECT_EQ, whose diff of two long strings needs gigabytes.
::testing::AssertionResult Same(const std::string& got, const std::string& expected) {
  if (got == expected) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << expected.size()
                                       << ", first difference at byte " << at;
}

// Random dictionaries of a few thousand lines, with keys of two words
// (which the word windows look for across neighbouring words, as whole
// words or, from rome.txt, inside words) and a text made of their keys.
struct SyntheticSet {
  DictionaryFolder folder;
  std::string text;

  explicit SyntheticSet(unsigned seed) {
    std::mt19937 random(seed);
    auto word = [&] {
      std::string letters;
      for (int i = std::uniform_int_distribution<>(2, 7)(random); i > 0; --i) {
        letters += static_cast<char>('a' + std::uniform_int_distribution<>(0, 25)(random));
      }
      return letters;
    };
    const char* values[] = {"猫", "大きい", "ネコ", "犬", "赤い家", "とり"};
    auto value = [&] { return values[std::uniform_int_distribution<>(0, 5)(random)]; };
    Entries nouns, adjectives, rome;
    for (int i = 0; i < 3000; ++i) {
      std::string key = word();
      if (i % 10 == 0) key += " " + word();
      nouns.emplace_back(key, value());
      text += key + (i % 7 == 0 ? ".\r\n" : " ");
    }
    for (int i = 0; i < 500; ++i) adjectives.emplace_back(word(), value());
    for (int i = 0; i < 200; ++i) rome.emplace_back(word().substr(0, 3), "ア");
    for (int i = 0; i < 20; ++i) {
      std::string key = word().substr(0, 2) + " " + word().substr(0, 2);
      rome.emplace_back(key, "イ");
      text += "q" + key + "q ";
    }
    folder.Write("noun.txt", nouns);
    folder.Write("adjective.txt", adjectives);
    folder.Write("rome.txt", rome);
  }
};

class CompiledCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetCompiledPrograms();
    EnableCompiledCache(CacheFolder());
  }
  void TearDown() override {
    EnableCompiledCache("");
    ForgetCompiledPrograms();
  }

  std::string CacheFolder() const { return root_.path() + "cache/"; }

  // Windows cannot delete a file while it is mapped: the program taken from
  // it is dropped first.
  void RemoveCacheFolder() {
    ForgetCompiledPrograms();
    std::filesystem::remove_all(CacheFolder());
  }

  std::vector<std::string> CacheFiles() const {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(CacheFolder(), error)) {
      files.push_back(entry.path().string());
    }
    return files;
  }

  // A translation as a new process makes it.
  std::string TranslateAfresh(const std::string& text, const std::string& data) {
    ForgetCompiledPrograms();
    return TranslateWithDataFolder(text, data);
  }

  // A translation with no cache on disk at all.
  std::string TranslateUncached(const std::string& text, const std::string& data) {
    struct Off {
      explicit Off(std::string folder) : folder(std::move(folder)) { EnableCompiledCache(""); }
      ~Off() { EnableCompiledCache(folder); }
      std::string folder;
    } off(CacheFolder());
    return TranslateAfresh(text, data);
  }

  // The one cache file written for `data`, fresh.
  std::string FreshCacheFile(const std::string& data) {
    RemoveCacheFolder();
    TranslateAfresh(kText, data);
    std::vector<std::string> files = CacheFiles();
    EXPECT_EQ(files.size(), 1u);
    return files.empty() ? "" : files[0];
  }

  DictionaryFolder root_;
};

TEST_F(CompiledCacheTest, AProgramFromTheCacheGivesTheTextOfACompilation) {
  SyntheticSet synthetic(7);
  const struct {
    const char* why;
    std::string data, text;
  } kCases[] = {
      {"shipped dictionaries", MIKAWASE_SHIPPED_DATA, kText},
      {"shipped dictionaries, random words", MIKAWASE_SHIPPED_DATA, synthetic.text},
      {"random dictionaries", synthetic.folder.path(), synthetic.text + kText},
  };
  for (const auto& c : kCases) {
    RemoveCacheFolder();
    std::string expected = TranslateUncached(c.text, c.data);
    CompiledCacheActivity before = CompiledCacheActivitySoFar();
    EXPECT_TRUE(Same(TranslateAfresh(c.text, c.data), expected)) << c.why << ": compiled and saved";
    EXPECT_EQ(CompiledCacheActivitySoFar().stores, before.stores + 1) << c.why;
    EXPECT_TRUE(Same(TranslateAfresh(c.text, c.data), expected)) << c.why << ": loaded";
    EXPECT_EQ(CompiledCacheActivitySoFar().loads, before.loads + 1) << c.why;
  }
}

TEST_F(CompiledCacheTest, AChangedDictionaryByteIsSeenAtTheNextTranslation) {
  DictionaryFolder data;
  data.Write("noun.txt", {{"cat", "猫"}, {"dog", "犬"}});
  data.Write("adjective.txt", {{"black", "黒い"}});
  ASSERT_EQ(TranslateAfresh("The cat.", data.path()), "その猫。");
  ASSERT_EQ(TranslateAfresh("The cat.", data.path()), "その猫。");
  // Each value the same size, so that only the bytes tell the files apart.
  std::size_t size = ReadFile(data.path() + "noun.txt").size();
  data.Write("noun.txt", {{"cat", "犬"}, {"dog", "犬"}});
  ASSERT_EQ(ReadFile(data.path() + "noun.txt").size(), size);
  EXPECT_EQ(TranslateAfresh("The cat.", data.path()), "その犬。") << "in a new process";
  data.Write("noun.txt", {{"cat", "鳥"}, {"dog", "犬"}});
  EXPECT_EQ(TranslateWithDataFolder("The cat.", data.path()), "その鳥。") << "in the same process";
}

TEST_F(CompiledCacheTest, AFileComparedBlockByBlockMustMatchToItsLastByte) {
  // The files are read in blocks of 64 KiB and compared with the copy a
  // program holds as they come: a change past the first block, a file
  // that goes on past the copy or stops short of it must all be seen, in
  // the same process and in a new one.
  Entries nouns;
  for (int i = 0; i < 8000; ++i) nouns.emplace_back("w" + std::to_string(10000 + i), i % 2 ? "猫" : "犬");
  Entries changed_late = nouns, longer = nouns, shorter = nouns;
  changed_late.back().second = "鳥";  // the same size in CP932
  longer.emplace_back("w99999", "鳥");
  shorter.pop_back();
  const std::string text = "w10000 w17999 w99999.";
  const struct {
    const char* why;
    const Entries* nouns;
  } kCases[] = {
      {"a byte changed in the last block", &changed_late},
      {"a line more", &longer},
      {"a line fewer", &shorter},
  };
  for (bool in_memory : {false, true}) {
    for (const auto& c : kCases) {
      DictionaryFolder data;
      data.Write("noun.txt", *c.nouns);
      const std::string expected = TranslateUncached(text, data.path());
      data.Write("noun.txt", nouns);
      ASSERT_GT(ReadFile(data.path() + "noun.txt").size(), std::size_t{2} * 64 * 1024);
      ASSERT_NE(TranslateAfresh(text, data.path()), expected) << c.why;  // kept in memory and on disk
      data.Write("noun.txt", *c.nouns);
      if (!in_memory) ForgetCompiledPrograms();
      EXPECT_EQ(TranslateWithDataFolder(text, data.path()), expected)
          << c.why << (in_memory ? ", in the same process" : ", in a new process");
    }
  }
}

TEST(ChecksumStreamTest, BlocksOfAnySizeSumAsTheWholeDoes) {
  // The cache file for a set of dictionaries is found by checksums taken
  // as the files are read in blocks: they must be those of the whole.
  std::mt19937 random(11);
  for (std::size_t size : {0, 1, 7, 8, 31, 32, 33, 63, 64, 65, 1000, 70000}) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    std::uint64_t whole = CacheChecksum(std::as_bytes(std::span<const char>(bytes)));
    for (std::size_t block : {1, 3, 8, 31, 32, 33, 64 * 1024}) {
      ChecksumStream stream;
      for (std::size_t at = 0; at < size; at += block) stream.Add(std::string_view(bytes).substr(at, block));
      EXPECT_EQ(stream.Sum(), whole) << size << " bytes in blocks of " << block;
    }
    ChecksumStream uneven;  // blocks of every size in turn, and empty ones
    for (std::size_t at = 0, block = 0; at < size; at += block, block = (block + 1) % 40) {
      uneven.Add(std::string_view(bytes).substr(at, block));
    }
    EXPECT_EQ(uneven.Sum(), whole) << size << " bytes in uneven blocks";
    if (size > 0) {
      // One changed byte or one byte more changes the sum.
      std::string changed = bytes;
      changed[size / 2] = static_cast<char>(changed[size / 2] ^ 0x20);
      EXPECT_NE(CacheChecksum(std::as_bytes(std::span<const char>(changed))), whole) << size;
      std::string longer = bytes + '\0';
      EXPECT_NE(CacheChecksum(std::as_bytes(std::span<const char>(longer))), whole) << size;
    }
  }
}

TEST_F(CompiledCacheTest, ADamagedFileIsIgnoredAndReplaced) {
  // Random dictionaries of a few thousand lines, not the shipped ones: each
  // damaged file below costs a compilation, and the shipped dictionaries
  // take seconds each (minutes under the address sanitizer).
  SyntheticSet synthetic(5);
  const std::string data = synthetic.folder.path();
  const std::string expected = TranslateUncached(kText, data);
  const std::string path = FreshCacheFile(data);
  const std::string good = ReadFile(path);
  ASSERT_GT(good.size(), 1000u);
  const std::string noun = ReadFile(data + "noun.txt");
  const std::size_t noun_at = good.find(noun);
  ASSERT_NE(noun_at, std::string::npos) << "the file holds the dictionaries it was compiled from";
  const std::size_t in_noun = noun_at + noun.size() / 2;
  // Replacements in the program's own text (UTF-8, where the stored
  // dictionaries are CP932): a change there leaves every table sound, and
  // only the checksum sees it.
  std::string text_changed = good;
  for (std::size_t at = good.find("あなた"); at != std::string::npos; at = good.find("あなた", at + 1)) {
    text_changed[at + 1] = static_cast<char>(text_changed[at + 1] ^ 0x01);
  }
  ASSERT_NE(text_changed, good);
  auto flipped = [&good](std::size_t at) {
    std::string bytes = good;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
  };
  auto header_with = [&good](const std::function<void(CacheFileHeader&)>& change) {
    std::string bytes = good;
    CacheFileHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    change(header);
    std::memcpy(bytes.data(), &header, sizeof header);
    return bytes;
  };
  const struct {
    const char* why;
    std::string bytes;
  } kCases[] = {
      {"empty", ""},
      {"one byte", good.substr(0, 1)},
      {"header cut short", good.substr(0, 63)},
      {"header only", good.substr(0, 64)},
      {"half", good.substr(0, good.size() / 2)},
      {"last byte missing", good.substr(0, good.size() - 1)},
      {"a byte too many", good + '\0'},
      {"magic", flipped(0)},
      {"checksum", flipped(40)},
      {"reserved header bytes", flipped(48)},
      {"first byte of the image", flipped(64)},
      {"in the stored noun.txt", flipped(in_noun)},
      {"in the program's text", text_changed},
      {"in the program's tables", flipped(good.size() * 3 / 4)},
      {"last byte", flipped(good.size() - 1)},
      {"another format", header_with([](CacheFileHeader& h) { ++h.format; })},
      {"another version", header_with([](CacheFileHeader& h) { ++h.version; })},
      {"other built-in tables", header_with([](CacheFileHeader& h) { ++h.tables; })},
  };
  for (const auto& c : kCases) {
    WriteFile(path, c.bytes);
    CompiledCacheActivity before = CompiledCacheActivitySoFar();
    EXPECT_TRUE(Same(TranslateAfresh(kText, data), expected)) << c.why;
    EXPECT_EQ(CompiledCacheActivitySoFar().loads, before.loads) << c.why << ": used";
    EXPECT_TRUE(Same(ReadFile(path), good)) << c.why << ": not replaced";
  }
  // A folder in the file's place is not read, and goes when it is empty.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_TRUE(Same(TranslateAfresh(kText, data), expected)) << "a folder";
  EXPECT_TRUE(Same(ReadFile(path), good)) << "a folder: not replaced";
}

TEST_F(CompiledCacheTest, AFileIsUsedOnlyForTheBytesItWasCompiledFrom) {
  // Two sets that differ in one byte; the file of one is put where the
  // other's is looked for, as if their names had collided. Its checksum and
  // header are sound, so only the stored bytes can tell.
  DictionaryFolder data;
  data.Write("noun.txt", {{"cat", "猫"}});
  std::string first_file = FreshCacheFile(data.path());
  std::string first_bytes = ReadFile(first_file);
  data.Write("noun.txt", {{"cat", "犬"}});
  std::string second_file = FreshCacheFile(data.path());
  ASSERT_NE(first_file, second_file);
  WriteFile(second_file, first_bytes);
  CompiledCacheActivity before = CompiledCacheActivitySoFar();
  EXPECT_EQ(TranslateAfresh("The cat.", data.path()), "その犬。");
  EXPECT_EQ(CompiledCacheActivitySoFar().loads, before.loads);
}

TEST_F(CompiledCacheTest, ADictionaryFailureIsTheSameWithACacheFile) {
  const struct {
    const char* why;
    std::string file, bytes;  // empty bytes: the file is removed
  } kCases[] = {
      {"short line", "noun.txt", DictionaryLine("cat", "猫") + "\r\ncat\r\n"},
      {"invalid bytes", "rome.txt", "abc            \xFF\r\n"},
      {"empty last line", "adjective.txt", DictionaryLine("red", "赤") + "\r\n\r\n"},
      {"missing file", "noun.txt", ""},
  };
  for (const auto& c : kCases) {
    DictionaryFolder data;
    data.Write("noun.txt", {{"cat", "猫"}});
    TranslateAfresh("The cat.", data.path());
    ASSERT_EQ(CacheFiles().size(), 1u) << c.why;
    if (c.bytes.empty()) {
      data.Remove(c.file);
    } else {
      data.WriteBytes(c.file, c.bytes);
    }
    std::string uncached;
    try {
      TranslateUncached("The cat.", data.path());
    } catch (const TranslationError& error) {
      uncached = error.what();
    }
    ASSERT_NE(uncached, "") << c.why;
    CompiledCacheActivity before = CompiledCacheActivitySoFar();
    for (bool in_memory : {false, true}) {
      try {
        if (in_memory) {
          TranslateWithDataFolder("The cat.", data.path());
        } else {
          TranslateAfresh("The cat.", data.path());
        }
        ADD_FAILURE() << c.why << ": no error";
      } catch (const TranslationError& error) {
        EXPECT_EQ(error.what(), uncached) << c.why;
      }
    }
    EXPECT_EQ(CompiledCacheActivitySoFar().stores, before.stores) << c.why << ": a failure kept";
    std::filesystem::remove_all(CacheFolder());
  }
}

TEST_F(CompiledCacheTest, NoUsableFolderMeansNoCacheAndNoError) {
  DictionaryFolder data;
  data.Write("noun.txt", {{"cat", "猫"}});
  WriteFile(root_.path() + "a-file", "");
  const struct {
    const char* why;
    std::string folder;
  } kCases[] = {
      {"turned off", ""},
      {"below a file", root_.path() + "a-file/cache"},
      {"below a missing folder's file", root_.path() + "a-file/deeper/cache"},
  };
  for (const auto& c : kCases) {
    EnableCompiledCache(c.folder);
    CompiledCacheActivity before = CompiledCacheActivitySoFar();
    EXPECT_EQ(TranslateAfresh("The cat.", data.path()), "その猫。") << c.why;
    EXPECT_EQ(TranslateAfresh("The cat.", data.path()), "その猫。") << c.why;
    EXPECT_EQ(CompiledCacheActivitySoFar().stores, before.stores) << c.why;
    EXPECT_EQ(CompiledCacheActivitySoFar().loads, before.loads) << c.why;
  }
  EXPECT_FALSE(std::filesystem::exists(CacheFolder()));
}

TEST_F(CompiledCacheTest, TheFolderIsPrivateAndKeepsTheFilesUsedLast) {
  DictionaryFolder data;
  const char* values[] = {"一", "二", "三", "四", "五", "六"};
  for (const char* value : values) {
    data.Write("noun.txt", {{"cat", value}});
    TranslateAfresh("The cat.", data.path());
  }
  EXPECT_EQ(CacheFiles().size(), 4u);
#ifndef _WIN32
  // On Windows the folder inherits the user's profile's permissions.
  struct stat info;
  ASSERT_EQ(stat(CacheFolder().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
#endif
  // The last sets are still there.
  for (const char* value : {"三", "六"}) {
    data.Write("noun.txt", {{"cat", value}});
    CompiledCacheActivity before = CompiledCacheActivitySoFar();
    EXPECT_EQ(TranslateAfresh("The cat.", data.path()), std::string("その") + value + "。");
    EXPECT_EQ(CompiledCacheActivitySoFar().loads, before.loads + 1) << value;
  }
}

// A program saved and loaded again runs as the one saved, word windows and
// all: here a pattern with a space inside, which only a window joined
// across the space can match.
TEST(ProgramImage, LoadedWordWindowsJoinWhereTheSavedOnesDo) {
  RuleProgram::Builder rules;
  rules.BeginStage();
  rules.Add({"b c"}, {"X"});
  rules.Add({" ab "}, {" ab "}, true);
  RuleProgram built(std::move(rules));
  WordWindows built_windows(built, false);
  ImageWriter writer;
  built.Save(writer);
  built_windows.Save(writer);
  // Images are read in place, from memory aligned as a mapping is.
  auto release = [](void* at) { ::operator delete(at, std::align_val_t(kImageAlignment)); };
  std::unique_ptr<void, decltype(release)> memory(
      ::operator new(writer.bytes().size() + 1, std::align_val_t(kImageAlignment)), release);
  std::memcpy(memory.get(), writer.bytes().data(), writer.bytes().size());
  ImageReader reader(std::span(static_cast<const std::byte*>(memory.get()), writer.bytes().size()));
  std::unique_ptr<RuleProgram> loaded = RuleProgram::Load(reader);
  WordWindows loaded_windows(*loaded, false, reader);
  EXPECT_TRUE(reader.AtEnd());
  for (const WordWindows* windows : {&built_windows, &loaded_windows}) {
    WordWindows::Session session(*windows);
    std::string text = " ab cd ";
    std::size_t peak = 0;
    ASSERT_TRUE(session.Run(text, 1000, &peak));
    EXPECT_EQ(text, " aXd ") << (windows == &built_windows ? "built" : "loaded");
  }
}

#ifdef _WIN32
TEST(DefaultCompiledCacheFolder, FollowsTheEnvironment) {
  ScopedEnvironment environment;
  environment.Set("MIKAWASE_CACHE_DIR", "C:\\c");
  EXPECT_EQ(DefaultCompiledCacheFolder(), "C:\\c");
  // Set but empty, as a test harness or a program can set it: off.
  environment.Set("MIKAWASE_CACHE_DIR", "");
  EXPECT_EQ(DefaultCompiledCacheFolder(), "");
  environment.Set("MIKAWASE_CACHE_DIR", nullptr);
  EXPECT_TRUE(DefaultCompiledCacheFolder().ends_with("\\mikawase\\cache"))
      << DefaultCompiledCacheFolder();
}
#else
TEST(DefaultCompiledCacheFolder, FollowsTheEnvironment) {
  const struct {
    const char *cache_dir, *xdg, *home, *folder;
  } kCases[] = {
      {"/c", "/x", "/h", "/c"},
      {"", "/x", "/h", ""},
      {nullptr, "/x", "/h", "/x/mikawase"},
      {nullptr, "/x/", "/h", "/x/mikawase"},
      {nullptr, "relative", "/h", "/h/.cache/mikawase"},
      {nullptr, "", "/h", "/h/.cache/mikawase"},
      {nullptr, nullptr, "/h", "/h/.cache/mikawase"},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const auto& c : kCases) {
    ScopedEnvironment environment;
    environment.Set("MIKAWASE_CACHE_DIR", c.cache_dir);
    environment.Set("XDG_CACHE_HOME", c.xdg);
    environment.Set("HOME", c.home);
    EXPECT_EQ(DefaultCompiledCacheFolder(), c.folder)
        << (c.cache_dir ? c.cache_dir : "-") << " " << (c.xdg ? c.xdg : "-") << " "
        << (c.home ? c.home : "-");
  }
}
#endif

}  // namespace
}  // namespace mikawase
