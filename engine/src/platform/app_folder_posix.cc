#include "mikawase/app_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "error_messages.h"

namespace mikawase {

std::string WithTrailingSeparator(std::string_view folder) {
  std::string result(folder);
  if (!result.ends_with('/')) result += '/';
  return result;
}

std::string ExecutableFolder() {
  std::error_code error;
  // Linux reports the running executable here, with symlinks resolved.
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    throw SystemFailure("cannot find the program's folder: " + error.message());
  }
  return WithTrailingSeparator(executable.parent_path().string());
}

std::string DataFolderOf(std::string_view AppFolder) {
  return std::string(AppFolder) + "data/";
}

std::string PersonalDictionaryFolder() {
  // Relative paths in XDG_DATA_HOME are to be ignored, as the XDG base
  // directory rules say.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithTrailingSeparator(xdg) + "mikawase/";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    return WithTrailingSeparator(home) + ".local/share/mikawase/";
  }
  return "";
}

}  // namespace mikawase
