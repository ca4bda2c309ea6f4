// The version number the executable carries in its VERSIONINFO resource,
// which CMake writes from the project's one version number.
#ifndef MIKAWASE_APP_WIN32_VERSION_RESOURCE_H_
#define MIKAWASE_APP_WIN32_VERSION_RESOURCE_H_

namespace mikawase::win32 {

struct FileVersion {
  int major = 0, minor = 0, revision = 0;
};

// The running executable's file version; false when it has none.
bool ReadFileVersion(FileVersion* version);

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_VERSION_RESOURCE_H_
