// Replacing a file that other programs may be writing too, or reading: one
// implementation per platform.
#ifndef MIKAWASE_PLATFORM_FILE_REPLACEMENT_H_
#define MIKAWASE_PLATFORM_FILE_REPLACEMENT_H_

#include <memory>
#include <string>

namespace mikawase {

// An exclusive lock on the file at `path` (UTF-8), held while the object
// lives, even against another process; waits for it. The file is made when
// missing and never removed: a writer that removed it could leave the next
// two locking different files. The lock goes with the process, so a writer
// that dies holds nobody up.
class FileLock {
 public:
  // Null, with the reason in *why, when the file cannot be made or locked.
  static std::unique_ptr<FileLock> Acquire(const std::string& path, std::string* why);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  struct Held;
  explicit FileLock(std::unique_ptr<Held> held);
  std::unique_ptr<Held> held_;
};

// A name beside `path` for a temporary file that no other writer, in this
// process or another, is using at the same time.
std::string UniqueTemporaryPath(const std::string& path);

// Puts the file `temporary` in the place of `path` in one step: a reader
// sees either the whole old file or the whole new one. Windows refuses to
// replace a file while a reader has it open; the replacement is then tried
// again for a short while. False, with the reason in *why, when it fails.
bool ReplaceFileWith(const std::string& temporary, const std::string& path, std::string* why);

// Whether opening a file for reading may have failed with `error` (an errno
// value) only because a writer is replacing it at this moment, so that
// trying again shortly may succeed. Windows refuses to open a file while
// it is being replaced; elsewhere a replacement never stops a reader.
bool MayBeBeingReplaced(int error);

// How long a reader goes on trying in that case: as long as a writer goes
// on trying to replace a file a reader holds open.
constexpr int kReplacementTries = 100;
constexpr int kReplacementPauseMs = 20;

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_FILE_REPLACEMENT_H_
