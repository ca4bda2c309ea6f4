#include <dirent.h>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "mikawase/app_folder.h"
#include "platform/cache_files.h"

namespace mikawase {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<MappedFile> MapWholeFile(const std::string& path, std::size_t min_size,
                                       std::size_t max_size) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size < static_cast<off_t>(min_size) ||
      static_cast<std::uint64_t>(info.st_size) > max_size) {
    close(fd);
    return std::nullopt;
  }
  std::size_t size = static_cast<std::size_t>(info.st_size);
  // Populated at once, since the cache's checksum reads every page anyway.
  void* memory = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  close(fd);
  if (memory == MAP_FAILED) return std::nullopt;
  return MappedFile{std::shared_ptr<const void>(
                        memory, [size](const void* at) { munmap(const_cast<void*>(at), size); }),
                    size};
}

bool CreatePrivateFolder(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    std::string prefix = folder.substr(0, slash);
    if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info;
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Not synced: after a crash a file may be short or empty, which the
// cache's checksum rejects.
bool WriteFileAtomically(const std::string& folder, const std::string& name,
                         std::string_view temporary_mark, std::string_view header,
                         std::string_view body) {
  std::string temporary = folder + name + std::string(temporary_mark) + "XXXXXX";
  int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = WriteAll(fd, header) && WriteAll(fd, body);
  written = close(fd) == 0 && written;
  std::string path = folder + name;
  if (written && rename(temporary.c_str(), path.c_str()) != 0) {
    // A folder in the file's place is moved out of the way when empty.
    written = errno == EISDIR && rmdir(path.c_str()) == 0 &&
              rename(temporary.c_str(), path.c_str()) == 0;
  }
  if (!written) unlink(temporary.c_str());
  return written;
}

void MarkFileUsed(const std::string& path) { utimensat(AT_FDCWD, path.c_str(), nullptr, 0); }

void KeepRecentlyUsed(const std::string& folder, std::string_view prefix, std::string_view suffix,
                      std::string_view temporary_mark, std::size_t kept, long abandoned_seconds) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  struct File {
    std::timespec used;
    std::string name;
  };
  std::vector<File> files;
  std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    struct stat info;
    if (!name.starts_with(prefix) ||
        fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode)) {
      continue;
    }
    if (name.ends_with(suffix)) {
      files.push_back({info.st_mtim, std::string(name)});
    } else if (name.find(temporary_mark) != std::string_view::npos &&
               now - info.st_mtime > abandoned_seconds) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  std::sort(files.begin(), files.end(), [](const File& a, const File& b) {
    return a.used.tv_sec != b.used.tv_sec ? a.used.tv_sec > b.used.tv_sec
                                          : a.used.tv_nsec > b.used.tv_nsec;
  });
  for (std::size_t i = kept; i < files.size(); ++i) {
    unlinkat(dirfd(dir), files[i].name.c_str(), 0);
  }
  closedir(dir);
}

// The linker's build ID of the program itself, from its ELF notes.
std::string ThisBuildsIdentity() {
  std::string id;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* data) {
        auto* out = static_cast<std::string*>(data);
        for (int i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& header = info->dlpi_phdr[i];
          if (header.p_type != PT_NOTE) continue;
          const char* at = reinterpret_cast<const char*>(info->dlpi_addr + header.p_vaddr);
          const char* end = at + header.p_memsz;
          while (at + sizeof(ElfW(Nhdr)) <= end) {
            ElfW(Nhdr) note;
            std::memcpy(&note, at, sizeof note);
            const char* name = at + sizeof note;
            const char* desc = name + ((note.n_namesz + 3) & ~3u);
            const char* next = desc + ((note.n_descsz + 3) & ~3u);
            if (next > end) break;
            if (note.n_type == NT_GNU_BUILD_ID && note.n_namesz == 4 &&
                std::memcmp(name, "GNU", 4) == 0) {
              out->assign(desc, note.n_descsz);
              return 1;
            }
            at = next;
          }
        }
        return 1;  // the first object is the program itself
      },
      &id);
  return id;
}

std::optional<std::string> EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return value;
}

std::string UserCacheFolder() {
  // Relative paths in XDG_CACHE_HOME are to be ignored.
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithTrailingSeparator(xdg) + "mikawase";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return WithTrailingSeparator(home) + ".cache/mikawase";
  return "";
}

}  // namespace mikawase
