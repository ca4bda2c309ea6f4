#include "command_line.h"

#include <gtest/gtest.h>

namespace mikawase::cli {
namespace {

TEST(CommandLineTest, OptionsAndInput) {
  CommandLine c = ParseCommandLine({"--data-dir", "d", "--crlf", "in.txt"});
  EXPECT_EQ(c.data_dir, "d");
  EXPECT_TRUE(c.crlf);
  EXPECT_EQ(c.input, "in.txt");
  EXPECT_EQ(ParseCommandLine({"--data-dir=x"}).data_dir, "x");
  EXPECT_EQ(ParseCommandLine({}).input, "-");
  EXPECT_EQ(ParseCommandLine({"-"}).input, "-");
  // After "--" a name that starts with a dash is a file.
  EXPECT_EQ(ParseCommandLine({"--", "--crlf"}).input, "--crlf");
  EXPECT_EQ(ParseCommandLine({"--engine=literal"}).engine, Engine::kLiteral);
}

TEST(CommandLineTest, RemoveAndList) {
  CommandLine c = ParseCommandLine({"--remove", "adjective", "red"});
  ASSERT_TRUE(c.remove);
  EXPECT_EQ(c.remove->kind, "adjective");
  EXPECT_EQ(c.remove->key, "red");
  EXPECT_TRUE(ParseCommandLine({"--list", "--data-dir", "d"}).list);
  EXPECT_THROW(ParseCommandLine({"--list", "--no-personal"}), UsageError);
  EXPECT_THROW(ParseCommandLine({"--remove", "noun", "cat", "--add", "noun", "a", "b"}), UsageError);
}

}  // namespace
}  // namespace mikawase::cli
