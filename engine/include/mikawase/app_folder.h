// Where the program lives, and so where its dictionaries live.
#ifndef MIKAWASE_APP_FOLDER_H_
#define MIKAWASE_APP_FOLDER_H_

#include <string>
#include <string_view>

namespace mikawase {

// Paths are UTF-8; the separator is "/" on Linux and "\" on Windows.
//
// `folder` with exactly one separator at its end: one is appended unless the
// folder already ends with one (the root folder "/" stays "/", a drive's
// root "C:\" stays "C:\"; on Windows a "/" the user wrote counts too).
// Dictionary paths are built by plain concatenation, so a missing or doubled
// separator would name the wrong file.
std::string WithTrailingSeparator(std::string_view folder);

// The folder that holds the running executable (on Linux with symlinks
// resolved), with one trailing separator. Throws TranslationError
// (ErrorKind::kSystemFailure) when the platform cannot tell.
std::string ExecutableFolder();

// AppFolder + "data/" (Windows: "data\"): the folder the three
// dictionaries are read from.
std::string DataFolderOf(std::string_view AppFolder);

// The user's own folder for personal dictionaries, with one trailing
// separator: $XDG_DATA_HOME/mikawase/, or ~/.local/share/mikawase/ when
// XDG_DATA_HOME is unset or not an absolute path. "" when neither is known.
// It may not exist.
std::string PersonalDictionaryFolder();

}  // namespace mikawase

#endif  // MIKAWASE_APP_FOLDER_H_
