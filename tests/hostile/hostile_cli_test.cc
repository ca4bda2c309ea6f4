// The filter fed what a pipe can carry: any bytes, of any size. It writes a
// whole translation and exits 0, or writes nothing to standard output and
// one line naming the place to standard error and exits 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli_run.h"
#include "dictionary_folder.h"

namespace {

using mikawase::fixtures::DictionaryFolder;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

using mikawase::fixtures::CliRun;
using mikawase::fixtures::Slurp;

class HostileCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("noun.txt", {{"cat", "猫"}, {"dog", "犬"}});
    data_.Write("adjective.txt", {{"black", "黒い"}});
  }

  // Goes through files, not a pipe, so that no size of input can block.
  // With `memory_cap_mb` the filter is stopped once it takes more memory
  // than that, so that a test of a runaway cannot take the machine down.
  CliRun Run(const std::string& input, const DictionaryFolder* data = nullptr,
             int memory_cap_mb = 0) {
    std::string in = scratch_.path() + "stdin", out = scratch_.path() + "stdout",
                err = scratch_.path() + "stderr";
    std::ofstream(in, std::ios::binary) << input;
    std::string cap;
    if (memory_cap_mb > 0) {
      // AddressSanitizer reserves terabytes of address space up front, so
      // under it the cap is its own resident-memory limit instead.
      cap = kUnderAddressSanitizer
                ? "ASAN_OPTIONS=\"$ASAN_OPTIONS:hard_rss_limit_mb=" + std::to_string(memory_cap_mb) +
                      "\" "
                : "ulimit -v " + std::to_string(memory_cap_mb * 1024) + "; ";
    }
    std::string command = cap + "timeout 600 " + std::string(MIKAWASE_CLI) + " --data-dir '" +
                          (data ? data : &data_)->path() + "' <'" + in + "' >'" + out + "' 2>'" +
                          err + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
  }

  DictionaryFolder data_, scratch_;
};

TEST_F(HostileCliTest, Inputs) {
  using namespace std::string_literals;
  const struct {
    const char* why;
    std::string input;
    int status;
    std::string out, err_has;
  } kCases[] = {
      {"NUL bytes pass through", "The cat \0 is black.\n\0\0"s, 0, "その猫\0黒い。\n\0\0"s, ""},
      {"a UTF-16 file", "\xFF\xFE" "c\0a\0t\0"s, 1, "",
       "<stdin>:1: the text is not valid UTF-8 (byte 0xFF at byte 1 of the line)"},
      {"an overlong NUL after a NUL", "ok\0\n\xC0\x80"s, 1, "",
       "<stdin>:2: the text is not valid UTF-8 (byte 0xC0 at byte 1 of the line)"},
  };
  for (const auto& c : kCases) {
    CliRun run = Run(c.input);
    EXPECT_EQ(run.status, c.status) << c.why << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.why;
    if (c.err_has.empty()) {
      EXPECT_EQ(run.err, "") << c.why;
    } else {
      EXPECT_NE(run.err.find(c.err_has), std::string::npos) << c.why << ": " << run.err;
      EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.why << ": one line: " << run.err;
    }
  }
}

// A stand-in for a very large file: the filter reads all of it, translates
// it as one text and writes all of it. (A 1 GB input was run by hand.)
TEST_F(HostileCliTest, TenMegabytesOfLines) {
  std::string input, expected;
  while (input.size() < (10u << 20)) {
    input += "The cat is black.\n";
    expected += "その猫黒い。\n";
  }
  CliRun run = Run(input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(run.out == expected) << "output of " << run.out.size() << " bytes differs";
}

// Windows editors save UTF-8 text with a byte-order mark. Kept, it would
// stand before the first word and keep it from every whole-word rule: "cat"
// would come out as "キャt" instead of "猫", without a word of warning.
TEST_F(HostileCliTest, Utf8ByteOrderMarkIsNotText) {
  CliRun run = Run("\xEF\xBB\xBF" "cat is black.\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "猫黒い。\n");
}

}  // namespace

namespace {

// A dictionary that runs away on a text of megabytes, translated whole (up
// to 8 MiB) and streamed (past it). With a growth limit of 256 times the
// input such a text once grew to gigabytes: the filter took more than 6 GB
// and failed with "out of memory", or, streamed, named no file. The memory
// cap turns a relapse into a failed test instead of a machine out of memory.
TEST_F(HostileCliTest, RunawayDictionaryOnALongInputFailsSmallAndNamesTheLine) {
  DictionaryFolder runaway;
  runaway.Write("rome.txt", mikawase::fixtures::Entries(40, {"q", "qq"}));
  for (std::size_t size : {std::size_t{8} << 20, std::size_t{9} << 20}) {
    std::string input;
    while (input.size() + 14 <= size) input += "hello world\n";
    input += "q\n";
    CliRun run = Run(input, &runaway, /*memory_cap_mb=*/2048);
    EXPECT_EQ(run.status, 1) << input.size() << " bytes: " << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(runaway.path() + "rome.txt:"), std::string::npos)
        << input.size() << " bytes: " << run.err;
  }
}

}  // namespace
