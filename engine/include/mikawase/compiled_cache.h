// Keeping compiled dictionaries on disk between processes.
//
// Every translation reads the three dictionary files again; compiling them
// (tens of thousands of lines) costs a new process far more than reading
// them. With the cache on, a compilation is written to a file in a cache
// folder, and a later process whose dictionary bytes are the same, byte
// for byte, maps that file and uses it in place instead of compiling.
//
// The cache never changes a result: a file is used only when it was made by
// this very build of the engine from exactly the bytes just read, and after
// its checksum and the shape of every table in it have been checked (the
// largest, the dictionaries' token slots, are checked as lookups use them).
// A missing, damaged or outdated file, or a folder that cannot be written,
// only means compiling as without the cache; nothing is reported. The
// folder holds a few files at most, and deleting it is always safe.
//
// Off unless an executable turns it on: library users and tests touch no
// disk they did not ask for.
#ifndef MIKAWASE_COMPILED_CACHE_H_
#define MIKAWASE_COMPILED_CACHE_H_

#include <string>
#include <string_view>

namespace mikawase {

// Keeps compilations in `folder` from now on (created with mode 0700 when
// missing); an empty `folder` turns the cache off. Thread-safe.
void EnableCompiledCache(std::string_view folder);

// Where the executables keep the cache: $MIKAWASE_CACHE_DIR when set (set
// but empty: nowhere, so ""), else $XDG_CACHE_HOME/mikawase, else
// $HOME/.cache/mikawase; "" when none of these is known.
std::string DefaultCompiledCacheFolder();

}  // namespace mikawase

#endif  // MIKAWASE_COMPILED_CACHE_H_
