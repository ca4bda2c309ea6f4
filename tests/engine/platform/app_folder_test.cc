// AppFolder's one trailing separator, which every dictionary path is built
// on by plain concatenation: "/" on Linux, "\" on Windows, where a "/" the
// user typed counts too.
#include "mikawase/app_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mikawase {
namespace {

TEST(AppFolderTest, ExactlyOneTrailingSeparator) {
  const struct {
    const char *folder, *expected;
  } kCases[] = {
#ifdef _WIN32
      {"C:\\", "C:\\"},  // a drive's root keeps its one separator
      {"C:", "C:\\"},
      {"C:\\Users\\山田 太郎\\ミカワセ", "C:\\Users\\山田 太郎\\ミカワセ\\"},
      {"C:\\Users\\山田\\", "C:\\Users\\山田\\"},
      {"data/", "data/"},
      {"\\\\server\\share", "\\\\server\\share\\"},
#else
      {"/", "/"},
      {"/opt/mikawase", "/opt/mikawase/"},
      {"/home/山田 太郎/", "/home/山田 太郎/"},
      {"data", "data/"},
#endif
  };
  for (const auto& c : kCases) EXPECT_EQ(WithTrailingSeparator(c.folder), c.expected) << c.folder;
}

TEST(AppFolderTest, TheExecutablesFolderHoldsTheTest) {
  std::string folder = ExecutableFolder();
#ifdef _WIN32
  EXPECT_TRUE(folder.ends_with('\\')) << folder;
  EXPECT_FALSE(folder.ends_with("\\\\")) << folder;
  EXPECT_EQ(DataFolderOf(folder), folder + "data\\");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder + "engine_test.exe")));
#else
  EXPECT_TRUE(folder.ends_with('/')) << folder;
  EXPECT_FALSE(folder.ends_with("//")) << folder;
  EXPECT_EQ(DataFolderOf(folder), folder + "data/");
  EXPECT_TRUE(std::filesystem::exists(folder + "engine_test"));
#endif
}

}  // namespace
}  // namespace mikawase
