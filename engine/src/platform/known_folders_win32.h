// The user's own folders on Windows, as the shell knows them.
#ifndef MIKAWASE_PLATFORM_KNOWN_FOLDERS_WIN32_H_
#define MIKAWASE_PLATFORM_KNOWN_FOLDERS_WIN32_H_

#include <string>

namespace mikawase {

// %LOCALAPPDATA% (this machine's, for caches) and %APPDATA% (the roaming
// one, for what the user made), in UTF-8 without a trailing separator; ""
// when the system has none.
std::string LocalAppDataFolder();
std::string RoamingAppDataFolder();

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_KNOWN_FOLDERS_WIN32_H_
