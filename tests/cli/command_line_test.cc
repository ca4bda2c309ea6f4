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

}  // namespace
}  // namespace mikawase::cli
