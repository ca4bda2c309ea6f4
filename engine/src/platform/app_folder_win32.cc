#include <windows.h>

#include <string>

#include "error_messages.h"
#include "mikawase/app_folder.h"
#include "mikawase/wide_text.h"
#include "platform/known_folders_win32.h"

namespace mikawase {

// A folder the user typed may end with either separator; both name the
// same folder, and keeping the user's own keeps the paths in messages as
// they were written.
std::string WithTrailingSeparator(std::string_view folder) {
  std::string result(folder);
  if (!result.ends_with('\\') && !result.ends_with('/')) result += '\\';
  return result;
}

std::string ExecutableFolder() {
  // The buffer grows until the path fits: paths may pass MAX_PATH.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      throw SystemFailure("cannot find the program's folder (error " +
                          std::to_string(GetLastError()) + ")");
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  // "C:\Program\mikawase.exe" keeps "C:\Program\", "C:\mikawase.exe" keeps
  // "C:\": the folder ends with its one separator either way.
  std::size_t separator = path.find_last_of(L"\\/");
  return Utf8FromWide(std::wstring_view(path).substr(0, separator + 1));
}

std::string DataFolderOf(std::string_view AppFolder) {
  return std::string(AppFolder) + "data\\";
}

// Roaming: the user's own words follow the user from machine to machine.
std::string PersonalDictionaryFolder() {
  std::string roaming = RoamingAppDataFolder();
  if (roaming.empty()) return "";
  return WithTrailingSeparator(roaming) + "mikawase\\";
}

}  // namespace mikawase
