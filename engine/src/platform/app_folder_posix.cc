#include "mikawase/app_folder.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

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
    throw std::runtime_error("cannot find the program's folder: " + error.message());
  }
  return WithTrailingSeparator(executable.parent_path().string());
}

std::string DataFolderOf(std::string_view AppFolder) {
  return std::string(AppFolder) + "data/";
}

}  // namespace mikawase
