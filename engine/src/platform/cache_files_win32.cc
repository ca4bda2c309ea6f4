// The compiled-dictionary cache's files on Windows, in the user's local
// application data folder (not the roaming one: a cache has no business
// travelling with the user's profile).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "mikawase/app_folder.h"
#include "mikawase/wide_text.h"
#include "platform/cache_files.h"
#include "platform/known_folders_win32.h"
#include "util/utf8_path.h"

namespace mikawase {

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
  HANDLE handle = CreateFileW(WideFromUtf8(path).c_str(), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return Handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::uint64_t FileTimeValue(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

}  // namespace

std::optional<MappedFile> MapWholeFile(const std::string& path, std::size_t min_size,
                                       std::size_t max_size) {
  Handle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if (size < min_size || size > max_size || size == 0) return std::nullopt;
  Handle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return std::nullopt;
  // A view is aligned to the allocation granularity (64 KiB), and keeps the
  // file mapped after both handles are closed.
  void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) return std::nullopt;
  return MappedFile{
      std::shared_ptr<const void>(view, [](const void* at) { UnmapViewOfFile(at); }),
      static_cast<std::size_t>(size)};
}

// The folder inherits its parent's permissions: below the user's profile
// they are the user's own already.
bool CreatePrivateFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::path path = PathFromUtf8(folder);
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

bool WriteFileAtomically(const std::string& folder, const std::string& name,
                         std::string_view temporary_mark, std::string_view header,
                         std::string_view body) {
  static std::atomic<unsigned> counter{0};
  std::string temporary = folder + name + std::string(temporary_mark) +
                          std::to_string(GetCurrentProcessId()) + "-" +
                          std::to_string(counter.fetch_add(1)) + "-" +
                          std::to_string(GetTickCount64());
  bool written = false;
  {
    Handle file = OpenFile(temporary, GENERIC_WRITE, CREATE_NEW);
    if (!file) return false;
    written = WriteAll(file.get(), header) && WriteAll(file.get(), body);
  }
  std::wstring from = WideFromUtf8(temporary);
  std::wstring to = WideFromUtf8(folder + name);
  if (written && !MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    // A folder in the file's place is moved out of the way when empty. A
    // file that another process has mapped cannot be replaced; that
    // process is using the very same compilation, and this one is dropped.
    written = RemoveDirectoryW(to.c_str()) &&
              MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  if (!written) DeleteFileW(from.c_str());
  return written;
}

void MarkFileUsed(const std::string& path) {
  Handle file = OpenFile(path, FILE_WRITE_ATTRIBUTES, OPEN_EXISTING);
  if (!file) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  SetFileTime(file.get(), nullptr, &now, &now);
}

void KeepRecentlyUsed(const std::string& folder, std::string_view prefix, std::string_view suffix,
                      std::string_view temporary_mark, std::size_t kept, long abandoned_seconds) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WideFromUtf8(folder + std::string(prefix) + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  struct File {
    std::uint64_t used;
    std::string name;
  };
  std::vector<File> files;
  FILETIME now_time;
  GetSystemTimeAsFileTime(&now_time);
  std::uint64_t now = FileTimeValue(now_time);
  constexpr std::uint64_t kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
      continue;
    }
    std::string name = Utf8FromWide(found.cFileName);
    // The pattern also matches short 8.3 names; check the real one.
    if (!name.starts_with(prefix)) continue;
    std::uint64_t used = FileTimeValue(found.ftLastWriteTime);
    if (name.ends_with(suffix)) {
      files.push_back({used, name});
    } else if (name.find(temporary_mark) != std::string::npos &&
               now > used + std::uint64_t(abandoned_seconds) * kTicksPerSecond) {
      DeleteFileW(WideFromUtf8(folder + name).c_str());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(files.begin(), files.end(),
            [](const File& a, const File& b) { return a.used > b.used; });
  // A file another process has mapped stays until it is no longer used.
  for (std::size_t i = kept; i < files.size(); ++i) {
    DeleteFileW(WideFromUtf8(folder + files[i].name).c_str());
  }
}

// The CodeView record the linker writes for --build-id: a signature made
// from the program's contents, so two builds of one version differ. The
// link time stands in for a program linked without one.
std::string ThisBuildsIdentity() {
  const auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleW(nullptr));
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, base, sizeof dos);
  IMAGE_NT_HEADERS nt;
  std::memcpy(&nt, base + dos.e_lfanew, sizeof nt);
  const IMAGE_DATA_DIRECTORY& debug = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DEBUG];
  for (std::size_t i = 0; i < debug.Size / sizeof(IMAGE_DEBUG_DIRECTORY); ++i) {
    IMAGE_DEBUG_DIRECTORY entry;
    std::memcpy(&entry, base + debug.VirtualAddress + i * sizeof entry, sizeof entry);
    // "RSDS", a 16-byte signature, a 4-byte age, then a file name.
    if (entry.Type != IMAGE_DEBUG_TYPE_CODEVIEW || entry.AddressOfRawData == 0 ||
        entry.SizeOfData < 24) {
      continue;
    }
    const unsigned char* record = base + entry.AddressOfRawData;
    if (std::memcmp(record, "RSDS", 4) == 0) return std::string(record + 4, record + 24);
  }
  return "linked " + std::to_string(nt.FileHeader.TimeDateStamp);
}

std::string UserCacheFolder() {
  std::string local = LocalAppDataFolder();
  if (local.empty()) return "";
  return WithTrailingSeparator(local) + "mikawase\\cache";
}

// From the process's environment itself rather than the C library's copy,
// which cannot hold a variable that is set but empty.
std::optional<std::string> EnvironmentVariable(const char* name) {
  std::wstring wide_name = WideFromUtf8(name);
  std::wstring value(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length =
        GetEnvironmentVariableW(wide_name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      return Utf8FromWide(value);
    }
    value.resize(length);  // the size needed, with its terminating NUL
  }
}

}  // namespace mikawase
