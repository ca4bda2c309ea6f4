#include "explorer_start.h"

#include <gtest/gtest.h>

#include <string>

namespace mikawase::cli {
namespace {

TEST(ExplorerStartTest, OnlyAloneOnAConsoleWithNothingAsked) {
  struct Case {
    const char* what;
    ConsoleStart start;
    bool explained;
  };
  const Case cases[] = {
      {"double-clicked in Explorer", {1, true, true, false}, true},
      {"typed in cmd.exe: the shell shares the console", {2, true, true, false}, false},
      {"a pipeline in cmd.exe", {3, true, true, false}, false},
      {"no console at all", {0, false, false, false}, false},
      {"a shortcut with arguments", {1, true, true, true}, false},
      {"own console, input redirected", {1, false, true, false}, false},
      {"own console, output redirected", {1, true, false, false}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(StartedFromExplorer(c.start), c.explained) << c.what;
}

TEST(ExplorerStartTest, MessageNamesTheFolderForCmd) {
  struct Case {
    const char* folder;
    const char* cd;
  };
  const Case cases[] = {
      {"C:\\Users\\山田\\AppData\\Local\\Programs\\mikawase\\",
       "cd /d \"C:\\Users\\山田\\AppData\\Local\\Programs\\mikawase\"\n"},
      {"D:\\mikawase 0.0.4", "cd /d \"D:\\mikawase 0.0.4\"\n"},
      // A drive's root keeps its separator: "cd /d E:" would go to the
      // drive's current folder instead.
      {"E:\\", "cd /d \"E:\\\"\n"},
  };
  for (const Case& c : cases) {
    std::string message = ExplorerStartMessage(c.folder);
    std::size_t first = message.find(c.cd);
    ASSERT_NE(first, std::string::npos) << c.folder << "\n" << message;
    // Once in Japanese, once in English.
    EXPECT_NE(message.find(c.cd, first + 1), std::string::npos) << c.folder;
  }
  std::string message = ExplorerStartMessage("C:\\m\\");
  EXPECT_LT(message.find("コマンドラインのプログラム"), message.find("command-line program"));
  EXPECT_TRUE(message.ends_with("Press any key to close.\n"));
}

}  // namespace
}  // namespace mikawase::cli
