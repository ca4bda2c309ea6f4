// mikawase-cli end to end: the real executable, real files, real exit codes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "cli_run.h"
#include "dictionary_folder.h"

namespace {

using mikawase::fixtures::DictionaryFolder;
using mikawase::fixtures::DictionaryLine;

using mikawase::fixtures::CliRun;
using mikawase::fixtures::Slurp;

// Runs the filter with `arguments` (already shell-quoted) and `input` on
// standard input.
CliRun RunCli(const std::string& arguments, const std::string& input, const DictionaryFolder& scratch) {
  std::string in = scratch.path() + "stdin", out = scratch.path() + "stdout",
              err = scratch.path() + "stderr";
  std::ofstream(in, std::ios::binary) << input;
  std::string command = std::string(MIKAWASE_CLI) + " " + arguments + " <'" + in + "' >'" + out +
                        "' 2>'" + err + "'";
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("noun.txt", {{"cat", "猫"}, {"dog", "犬"}});
    data_.Write("adjective.txt", {{"black", "黒い"}});
  }
  CliRun TranslateWith(const std::string& options, const std::string& input) {
    return RunCli("--data-dir '" + data_.path() + "' " + options, input, scratch_);
  }
  DictionaryFolder data_, scratch_;
};

TEST_F(CliTest, LineBreaks) {
  const struct {
    const char* why;
    std::string options, input, out;
  } kCases[] = {
      {"one sentence", "", "I like you.", "私が好きなのはあなた。"},
      {"LF in, LF out", "", "The cat is black.\nI like dogs.\n", "その猫黒い。\n私が好きなのは犬。\n"},
      {"CR LF in, LF out", "", "The cat is black.\r\nI like dogs.\r\n",
       "その猫黒い。\n私が好きなのは犬。\n"},
      {"LF in, CR LF out", "--crlf", "The cat is black.\nI like dogs.",
       "その猫黒い。\r\n私が好きなのは犬。"},
      // A word before a line break is a whole word, whichever break it is.
      {"LF makes whole words", "", "I like you\nyou", "私が好きなのはあなた\nあなた"},
      {"a lone CR stays", "", "cat\rdog", "猫\r犬"},
      {"empty input", "", "", ""},
  };
  for (const auto& c : kCases) {
    CliRun run = TranslateWith(c.options, c.input);
    EXPECT_EQ(run.status, 0) << c.why << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.why;
    EXPECT_EQ(run.err, "") << c.why;
  }
}

TEST_F(CliTest, ReadsAFileOrStandardInput) {
  std::ofstream(scratch_.path() + "in.txt", std::ios::binary) << "The cat.";
  EXPECT_EQ(TranslateWith("'" + scratch_.path() + "in.txt'", "").out, "その猫。");
  EXPECT_EQ(TranslateWith("-", "The dog.").out, "その犬。");
}

TEST_F(CliTest, ExitStatusAndOneLineOnStandardError) {
  const struct {
    const char* why;
    std::string options, input;
    int status;
    std::string err_has;
  } kCases[] = {
      {"invalid UTF-8", "", "ok\nbad \xFF", 1, "<stdin>:2: the text is not valid UTF-8"},
      {"missing input file", "/nonexistent/in.txt", "", 1, "/nonexistent/in.txt: cannot open"},
      {"unknown option", "--frobnicate", "", 2, "unknown option '--frobnicate'"},
      {"two input files", "a b", "", 2, "more than one input file"},
      {"--data-dir without folder", "--data-dir", "", 2, "--data-dir needs a folder"},
      {"unknown engine", "--engine=quantum", "", 2, "unknown engine"},
      {"--check with an input file", "--check story.txt", "", 2, "takes no input file"},
      {"--trace with the fast engine", "--trace --engine=fast", "", 2, "literal engine"},
      {"--add with too few words", "--add noun cat", "", 2, "three words"},
      {"--add to no such file", "--add verb go 行く", "", 2, "unknown dictionary 'verb'"},
      {"--add with an input file", "--add noun cat 猫 story.txt", "", 2, "--add writes one entry"},
      {"--remove with too few words", "--remove noun", "", 2, "two words"},
      {"--remove from no such file", "--remove verb go", "", 2, "unknown dictionary 'verb'"},
      {"--list with an input file", "--list story.txt", "", 2, "--list works on your personal"},
      {"--remove with --list", "--remove noun cat --list", "", 2, "--remove works on your"},
  };
  for (const auto& c : kCases) {
    CliRun run = TranslateWith(c.options, c.input);
    EXPECT_EQ(run.status, c.status) << c.why;
    EXPECT_EQ(run.out, "") << c.why;
    EXPECT_NE(run.err.find(c.err_has), std::string::npos) << c.why << ": " << run.err;
  }
}

TEST_F(CliTest, BadDictionariesFailWithFileAndLine) {
  const struct {
    const char* why;
    std::string file, bytes, err_has;
  } kCases[] = {
      {"short line", "noun.txt", DictionaryLine("cat", "猫") + "\r\ncat\r\n", "noun.txt:2: "},
      {"empty last line", "adjective.txt", DictionaryLine("red", "赤") + "\r\n\r\n",
       "adjective.txt:2: the line is empty"},
      {"invalid bytes", "rome.txt", "\r", "rome.txt:1: "},
      {"invalid bytes", "rome.txt", "abc            \xFF\r\n", "rome.txt:1: the line holds bytes"},
      {"UTF-8", "noun.txt", "cat            猫\r\n", "noun.txt:1: the file looks like UTF-8"},
  };
  for (const auto& c : kCases) {
    DictionaryFolder broken;
    broken.WriteBytes(c.file, c.bytes);
    CliRun run = RunCli("--data-dir '" + broken.path() + "'", "The cat.", scratch_);
    EXPECT_EQ(run.status, 1) << c.why;
    EXPECT_EQ(run.out, "") << c.why;
    EXPECT_NE(run.err.find(broken.path() + c.err_has), std::string::npos) << c.why << ": " << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
  }
  CliRun run = RunCli("--data-dir /nonexistent/folder", "cat", scratch_);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the dictionary folder /nonexistent/folder does not exist"),
            std::string::npos)
      << run.err;
}

// Old Shift_JIS files are full of halfwidth katakana, and pairs of them can
// be valid UTF-8 of Latin letters (C3 BD is both ﾃｽ and ý): such a file is
// translated and checked as the Shift_JIS it is.
TEST_F(CliTest, HalfwidthKatakanaThatLookLikeUtf8AreShiftJis) {
  DictionaryFolder old;
  old.Write("noun.txt", {{"test", "ﾃｽ"}, {"pen", "ﾃｨﾄｱ"}});
  old.Write("adjective.txt", {{"red", "ﾏｽ"}});
  CliRun run = RunCli("--data-dir '" + old.path() + "'", "test pen red", scratch_);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "ﾃｽﾃｨﾄｱﾏｽ");
  run = RunCli("--check --data-dir '" + old.path() + "'", "", scratch_);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out.find("error"), std::string::npos) << run.out;
}

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

TEST_F(CliTest, CheckReportsEveryProblemOnItsLine) {
  DictionaryFolder broken;
  broken.WriteBytes("noun.txt", DictionaryLine("cat", "猫") + "\r\nshort\r\n" +
                                    DictionaryLine("dog", "犬") + "\xFF\r\n");
  broken.WriteBytes("rome.txt", "ka             カ\r\n");  // UTF-8 among CP932 files
  CliRun run = RunCli("--check --data-dir '" + broken.path() + "'", "", scratch_);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  for (const char* place : {"noun.txt:2: error: ", "noun.txt:3: error: ", "rome.txt:1: error: "}) {
    EXPECT_EQ(CountOf(run.out, broken.path() + place), 1u) << place << " in:\n" << run.out;
  }
  EXPECT_EQ(CountOf(run.out, "\n"), 4u) << "three findings and the summary:\n" << run.out;
  EXPECT_NE(run.out.find("3 errors, 0 warnings"), std::string::npos) << run.out;

  // Warnings alone do not fail the check.
  DictionaryFolder doubtful;
  doubtful.Write("noun.txt", {{"cat", "猫"}, {"Dog", "犬"}, {"cat", "ネコ"}});
  run = RunCli("--check --data-dir '" + doubtful.path() + "'", "", scratch_);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find(doubtful.path() + "noun.txt:2: warning: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(doubtful.path() + "noun.txt:3: warning: line 1 "), std::string::npos)
      << run.out;

  // And the shipped dictionaries beside the program give nothing to report.
  run = RunCli("--check", "", scratch_);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "checked 3 dictionary files: no problems found\n");
}

TEST_F(CliTest, TraceNamesTheRulesThatChangedTheText) {
  CliRun plain = TranslateWith("", "The cat is black.");
  CliRun traced = TranslateWith("--trace", "The cat is black.");
  EXPECT_EQ(traced.status, 0) << traced.err;
  EXPECT_EQ(traced.out, plain.out);
  std::size_t cat = traced.err.find(data_.path() + "noun.txt:1: \"␣cat␣\" → \"␣猫␣\", 1 time");
  std::size_t black = traced.err.find(data_.path() + "adjective.txt:1: ");
  EXPECT_NE(cat, std::string::npos) << traced.err;
  EXPECT_NE(black, std::string::npos) << traced.err;
  EXPECT_LT(cat, black) << "in the order they ran";
  EXPECT_EQ(traced.err.find("noun.txt:2"), std::string::npos) << "dog changed nothing";
  // Built-in rules by table and number, each followed by the text after it.
  EXPECT_NE(traced.err.find("punctuation 1: \".\" → \"␣。␣\", 1 time\n    ␣The␣cat␣is␣black␣。␣"),
            std::string::npos)
      << traced.err;
  EXPECT_NE(traced.err.find("words 86: \"␣is␣\" → \"␣\", 1 time"), std::string::npos) << traced.err;
  EXPECT_EQ(traced.err.find("words 85"), std::string::npos) << "\" a \" matched nothing";
}

// The personal folder of these tests: XDG_DATA_HOME set to a scratch
// folder for one test, and back.
class PersonalFolder {
 public:
  explicit PersonalFolder(const std::string& data_home) {
    if (const char* value = std::getenv("XDG_DATA_HOME")) saved_ = value;
    setenv("XDG_DATA_HOME", data_home.c_str(), 1);
    path_ = data_home + "/mikawase/";
  }
  ~PersonalFolder() {
    if (saved_) {
      setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }
  const std::string& path() const { return path_; }

 private:
  std::optional<std::string> saved_;
  std::string path_;
};

TEST_F(CliTest, AddWritesAPersonalEntryThatWinsFromThenOn) {
  PersonalFolder personal(scratch_.path() + "data-home");
  data_.Write("noun.txt", {{"laptop", "ノートＰＣ"}, {"cat", "猫"}});
  EXPECT_EQ(TranslateWith("", "A laptop.").out, "一つのノートＰＣ。");

  CliRun run = TranslateWith("--add noun laptop ノートパソコン", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, personal.path() + "noun.txt:1: added \"laptop\"\nlaptop → ノートパソコン\n");
  EXPECT_EQ(Slurp(personal.path() + "noun.txt"),
            DictionaryLine("laptop", "ノートパソコン") + "\r\n");
  EXPECT_EQ(TranslateWith("", "A laptop and the laptops.").out,
            "一つのノートパソコンそしてそのノートパソコン。");
  EXPECT_EQ(TranslateWith("--no-personal", "A laptop.").out, "一つのノートＰＣ。");

  run = TranslateWith("--add noun laptop ノートＰＣ機", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("noun.txt:1: replaced the line for \"laptop\""), std::string::npos)
      << run.out;

  // Refusals say why, exit 1, and leave the file as it was.
  const struct {
    const char* arguments;
    const char* says;
  } kRefused[] = {
      {"--add noun Laptop ノートパソコン", "capital letters"},
      {"--add noun abcdefghijklmnop x", "at most 15"},
      {"--add noun \"$(printf 'lap\\ttop')\" x", "tab"},
  };
  std::string before = Slurp(personal.path() + "noun.txt");
  for (const auto& refused : kRefused) {
    run = TranslateWith(refused.arguments, "");
    EXPECT_EQ(run.status, 1) << refused.arguments;
    EXPECT_EQ(run.out, "") << refused.arguments;
    EXPECT_NE(run.err.find("not written: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(refused.says), std::string::npos) << run.err;
  }
  EXPECT_EQ(Slurp(personal.path() + "noun.txt"), before);
}

// Programs adding at once (the window and a script) each add to what the
// others wrote; one translating meanwhile reads a whole file, old or new.
TEST_F(CliTest, ConcurrentAddsLoseNothing) {
  PersonalFolder personal(scratch_.path() + "data-home");
  constexpr int kAdders = 20, kReaders = 5;
  std::string runs = scratch_.path() + "runs/";
  std::filesystem::create_directories(runs);
  std::string script;
  for (int i = 1; i <= kAdders; ++i) {
    std::string n = std::to_string(i);
    script += "(" + std::string(MIKAWASE_CLI) + " --data-dir '" + data_.path() + "' --add noun zzword" +
              n + " 語" + n + " >'" + runs + "add" + n + ".out' 2>&1; echo $? >'" + runs + "add" + n +
              ".status') &\n";
    if (i % (kAdders / kReaders) == 0) {
      script += "(" + std::string(MIKAWASE_CLI) + " --data-dir '" + data_.path() +
                "' </dev/null >'" + runs + "read" + n + ".out' 2>&1; echo $? >'" + runs + "read" + n +
                ".status') &\n";
    }
  }
  script += "wait\n";
  std::ofstream(scratch_.path() + "adds.sh") << script;
  ASSERT_EQ(std::system(("sh '" + scratch_.path() + "adds.sh'").c_str()), 0);

  std::string expected;
  for (int i = 1; i <= kAdders; ++i) {
    std::string n = std::to_string(i);
    EXPECT_EQ(Slurp(runs + "add" + n + ".status"), "0\n") << Slurp(runs + "add" + n + ".out");
    if (i % (kAdders / kReaders) == 0) {
      EXPECT_EQ(Slurp(runs + "read" + n + ".status"), "0\n") << Slurp(runs + "read" + n + ".out");
    }
  }
  // Every word once, each on a line of its own, in whatever order they came.
  std::string file = Slurp(personal.path() + "noun.txt");
  std::size_t lines = 0;
  for (int i = 1; i <= kAdders; ++i) {
    std::string n = std::to_string(i);
    std::string line = DictionaryLine("zzword" + n, "語" + n) + "\r\n";
    std::size_t at = file.find(line);
    EXPECT_TRUE(at != std::string::npos && (at == 0 || file[at - 1] == '\n')) << "zzword" << n;
    lines += at != std::string::npos;
  }
  EXPECT_EQ(CountOf(file, "\r\n"), static_cast<std::size_t>(kAdders)) << file;
  EXPECT_EQ(lines, static_cast<std::size_t>(kAdders));
  CliRun check = TranslateWith("--check", "");
  EXPECT_EQ(check.status, 0) << check.out;
  // No temporary file is left behind.
  for (const auto& entry : std::filesystem::directory_iterator(personal.path())) {
    std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "noun.txt" || name == "noun.txt.lock") << name;
  }
}

TEST_F(CliTest, ListAndRemoveShowAndTakeOutPersonalEntries) {
  PersonalFolder personal(scratch_.path() + "data-home");
  CliRun run = TranslateWith("--list", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, personal.path() + ": no entries yet\n");
  EXPECT_EQ(TranslateWith("--add noun cat ネコ", "").status, 0);
  EXPECT_EQ(TranslateWith("--add rome pen 筆", "").status, 0);
  run = TranslateWith("--list", "");
  EXPECT_EQ(run.out, personal.path() + "noun.txt:1: cat → ネコ\n" + personal.path() +
                         "rome.txt:1: pen → 筆\n");
  EXPECT_EQ(TranslateWith("", "The cat.").out, "そのネコ。");

  run = TranslateWith("--remove noun cat", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, personal.path() + "noun.txt:1: removed \"cat\"\ncat → 猫\n");
  EXPECT_EQ(TranslateWith("", "The cat.").out, "その猫。");
  EXPECT_EQ(TranslateWith("--list", "").out, personal.path() + "rome.txt:1: pen → 筆\n");

  run = TranslateWith("--remove noun cat", "");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("noun.txt: nothing removed: there is no entry for \"cat\""),
            std::string::npos)
      << run.err;

  // An empty value is refused rather than deleting the word everywhere.
  run = TranslateWith("--add noun ice ''", "");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the value is empty"), std::string::npos) << run.err;
  EXPECT_EQ(Slurp(personal.path() + "noun.txt"), "");

  // A bad line is named with its file and line; the good ones still show.
  std::ofstream(personal.path() + "noun.txt", std::ios::binary)
      << DictionaryLine("dog", "イヌ") + "\r\nshort\r\n";
  run = TranslateWith("--list", "");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("noun.txt:1: dog → イヌ\n"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find(personal.path() + "noun.txt:2: "), std::string::npos) << run.err;
}

TEST_F(CliTest, PersonalFilesAreCheckedAndTracedToo) {
  PersonalFolder personal(scratch_.path() + "data-home");
  std::filesystem::create_directories(personal.path());
  std::ofstream(personal.path() + "adjective.txt", std::ios::binary)
      << DictionaryLine("black", "真っ黒な") + "\r\n" + DictionaryLine("Red", "赤い") + "\r\n";
  CliRun check = TranslateWith("--check", "");
  EXPECT_EQ(check.status, 0) << check.out;
  EXPECT_NE(check.out.find(personal.path() + "adjective.txt:2: warning: "), std::string::npos)
      << check.out;
  EXPECT_NE(check.out.find("checked 4 dictionary files"), std::string::npos) << check.out;
  CliRun trace = TranslateWith("--trace", "The cat is black.");
  EXPECT_EQ(trace.out, "その猫真っ黒な。");
  EXPECT_NE(trace.err.find(personal.path() + "adjective.txt:1: "), std::string::npos) << trace.err;
  EXPECT_EQ(trace.err.find(data_.path() + "adjective.txt:1: "), std::string::npos) << trace.err;

  // Broken, it stops the translation with its full path and line.
  std::ofstream(personal.path() + "noun.txt", std::ios::binary) << "short\r\n";
  CliRun broken = TranslateWith("", "The cat.");
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find(personal.path() + "noun.txt:1: "), std::string::npos) << broken.err;
  EXPECT_EQ(TranslateWith("--no-personal", "The cat.").out, "その猫。");
}

TEST_F(CliTest, HelpVersionAndDefaultDataFolder) {
  CliRun version = RunCli("--version", "", scratch_);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "mikawase-cli 0.0.4\n");
  CliRun help = RunCli("--help", "", scratch_);
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find(
                "Usage: mikawase-cli [--data-dir DIR] [--no-personal] [--crlf] [--trace] [FILE]"),
            std::string::npos);
  // Without --data-dir the shipped dictionaries beside the program are used.
  CliRun shipped = RunCli("", "I like you.", scratch_);
  EXPECT_EQ(shipped.status, 0) << shipped.err;
  EXPECT_EQ(shipped.out, "私が好きなのはあなた。");
}

// Points the filter's cache somewhere for one test, and back.
class CacheEnvironment {
 public:
  CacheEnvironment() {
    for (const char* name : {"MIKAWASE_CACHE_DIR", "HOME"}) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  ~CacheEnvironment() {
    const char* names[] = {"MIKAWASE_CACHE_DIR", "HOME"};
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i]) {
        setenv(names[i], saved_[i]->c_str(), 1);
      } else {
        unsetenv(names[i]);
      }
    }
  }

 private:
  std::vector<std::optional<std::string>> saved_;
};

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  return files;
}

TEST_F(CliTest, ASecondRunUsesTheCacheFileOfTheFirst) {
  CacheEnvironment restore;
  std::string cache = scratch_.path() + "cache";
  setenv("MIKAWASE_CACHE_DIR", cache.c_str(), 1);
  CliRun first = TranslateWith("", "The cat is black.");
  EXPECT_EQ(first.out, "その猫黒い。");
  std::vector<std::string> files = FilesIn(cache);
  ASSERT_EQ(files.size(), 1u);
  struct stat written;
  ASSERT_EQ(stat(files[0].c_str(), &written), 0);
  CliRun second = TranslateWith("", "The cat is black.");
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, first.out);
  EXPECT_EQ(second.err, "");
  // A run that compiled again would have renamed a new file into place.
  struct stat used;
  ASSERT_EQ(stat(files[0].c_str(), &used), 0);
  EXPECT_EQ(used.st_ino, written.st_ino);
  EXPECT_EQ(FilesIn(cache).size(), 1u);
}

TEST_F(CliTest, AnEmptyCacheFolderSettingWritesNothing) {
  CacheEnvironment restore;
  std::string home = scratch_.path() + "home";
  std::filesystem::create_directory(home);
  setenv("HOME", home.c_str(), 1);
  setenv("MIKAWASE_CACHE_DIR", "", 1);
  CliRun run = TranslateWith("", "The cat is black.");
  EXPECT_EQ(run.out, "その猫黒い。");
  EXPECT_EQ(FilesIn(home), std::vector<std::string>());
  // And unset, the cache goes below HOME.
  unsetenv("MIKAWASE_CACHE_DIR");
  unsetenv("XDG_CACHE_HOME");
  EXPECT_EQ(TranslateWith("", "The cat is black.").out, "その猫黒い。");
  EXPECT_EQ(FilesIn(home + "/.cache/mikawase").size(), 1u);
}

}  // namespace
