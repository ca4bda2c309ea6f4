// AppFolder for the window: the folder of its executable as a path the
// engine can append "data/" to.
#ifndef MIKAWASE_APP_APP_FOLDER_FOR_H_
#define MIKAWASE_APP_APP_FOLDER_FOR_H_

#include <QString>
#include <string>

namespace mikawase {

// `executable_folder` with symlinks resolved, in the file system's own byte
// encoding, ending with exactly one "/". Resolving matters because the
// launcher in bin/ is a symlink, while data/ lies beside the real executable.
// A folder that does not exist is kept as given: the failure then surfaces
// where a user can read it, as a missing dictionary at the first press.
std::string AppFolderFor(const QString& executable_folder);

}  // namespace mikawase

#endif  // MIKAWASE_APP_APP_FOLDER_FOR_H_
