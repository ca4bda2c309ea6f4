#include "platform/known_folders_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "mikawase/wide_text.h"

namespace mikawase {

namespace {

std::string KnownUserFolder(REFKNOWNFOLDERID which) {
  PWSTR path = nullptr;
  std::string folder;
  if (SHGetKnownFolderPath(which, KF_FLAG_DEFAULT, nullptr, &path) == S_OK) {
    folder = Utf8FromWide(path);
  }
  CoTaskMemFree(path);
  return folder;
}

}  // namespace

std::string LocalAppDataFolder() { return KnownUserFolder(FOLDERID_LocalAppData); }
std::string RoamingAppDataFolder() { return KnownUserFolder(FOLDERID_RoamingAppData); }

}  // namespace mikawase
