// The file operations of the compiled-dictionary cache, one implementation
// per platform. None of them reports anything: a cache that cannot be
// read or written only means compiling again.
#ifndef MIKAWASE_PLATFORM_CACHE_FILES_H_
#define MIKAWASE_PLATFORM_CACHE_FILES_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace mikawase {

// A whole file in memory, read-only, at an address aligned at least to a
// page; `memory` keeps it there.
struct MappedFile {
  std::shared_ptr<const void> memory;
  std::size_t size = 0;
};

// The regular file at `path`, mapped, when it holds between `min_size` and
// `max_size` bytes; nullopt otherwise. Mapped rather than read: the
// program's tables are used in place, and pages no translation touches
// cost nothing more.
//
// Paths here are UTF-8, folders end with the platform's separator.
std::optional<MappedFile> MapWholeFile(const std::string& path, std::size_t min_size,
                                       std::size_t max_size);

// Creates `folder` (ending with the separator) and any missing parent,
// each readable by its owner only: compiled dictionaries are the user's
// own business. True when the folder exists afterwards.
bool CreatePrivateFolder(const std::string& folder);

// Writes `header` then `body` to folder + name through a temporary file
// beside it that is renamed into place, so that a reader never sees half a
// file and two writers at once only replace one whole file with another.
// The temporary file's name is name + `temporary_mark` + something unique.
bool WriteFileAtomically(const std::string& folder, const std::string& name,
                         std::string_view temporary_mark, std::string_view header,
                         std::string_view body);

// Marks the file as just used, for KeepRecentlyUsed.
void MarkFileUsed(const std::string& path);

// In `folder`, keeps the `kept` files named prefix…suffix used last and
// removes the others, along with temporary files (prefix…temporary_mark…)
// older than `abandoned_seconds`, left by writers that died.
void KeepRecentlyUsed(const std::string& folder, std::string_view prefix, std::string_view suffix,
                      std::string_view temporary_mark, std::size_t kept, long abandoned_seconds);

// What tells this build of the program from any other: a compiled image
// holds hash tables and automata laid out by this build's code, and
// between two builds of one version (a developer's, a test run's) that code
// may differ. Empty when the platform cannot tell; the version alone then
// has to do.
std::string ThisBuildsIdentity();

// The user's own folder for caches, with this program's name appended and
// no trailing separator; "" when the platform does not know one. Linux:
// $XDG_CACHE_HOME/mikawase or ~/.cache/mikawase; Windows: the local
// application data folder's mikawase\cache.
std::string UserCacheFolder();

// The environment variable `name` in UTF-8, or nullopt when it is not set.
std::optional<std::string> EnvironmentVariable(const char* name);

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_CACHE_FILES_H_
