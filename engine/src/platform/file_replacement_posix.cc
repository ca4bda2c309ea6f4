#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_replacement.h"

namespace mikawase {

struct FileLock::Held {
  int fd = -1;
  ~Held() {
    if (fd >= 0) close(fd);  // closing the descriptor releases the lock
  }
};

FileLock::FileLock(std::unique_ptr<Held> held) : held_(std::move(held)) {}
FileLock::~FileLock() = default;

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::string* why) {
  auto held = std::make_unique<Held>();
  held->fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (held->fd < 0) {
    *why = "cannot open the lock file " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  while (flock(held->fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    *why = "cannot lock " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<FileLock>(new FileLock(std::move(held)));
}

std::string UniqueTemporaryPath(const std::string& path) {
  static std::atomic<unsigned> count{0};
  return path + ".new-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

bool MayBeBeingReplaced(int) { return false; }

bool ReplaceFileWith(const std::string& temporary, const std::string& path, std::string* why) {
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  *why = "cannot replace " + path + ": " + std::strerror(errno);
  return false;
}

}  // namespace mikawase
