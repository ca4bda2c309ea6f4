#include <windows.h>

#include <atomic>
#include <cerrno>

#include "mikawase/wide_text.h"
#include "platform/file_replacement.h"

namespace mikawase {

namespace {

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 && text != nullptr ? std::wstring(text, length) : L"";
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  if (message.empty()) return "error " + std::to_string(code);
  return Utf8FromWide(message);
}

}  // namespace

struct FileLock::Held {
  HANDLE file = INVALID_HANDLE_VALUE;
  ~Held() {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);  // releases the lock
  }
};

FileLock::FileLock(std::unique_ptr<Held> held) : held_(std::move(held)) {}
FileLock::~FileLock() = default;

std::unique_ptr<FileLock> FileLock::Acquire(const std::string& path, std::string* why) {
  auto held = std::make_unique<Held>();
  // Shared every way: the lock is on a byte of it, not on opening it.
  held->file = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held->file == INVALID_HANDLE_VALUE) {
    *why = "cannot open the lock file " + path + ": " + SystemMessage(GetLastError());
    return nullptr;
  }
  OVERLAPPED at = {};
  if (!LockFileEx(held->file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at)) {
    *why = "cannot lock " + path + ": " + SystemMessage(GetLastError());
    return nullptr;
  }
  return std::unique_ptr<FileLock>(new FileLock(std::move(held)));
}

std::string UniqueTemporaryPath(const std::string& path) {
  static std::atomic<unsigned> count{0};
  return path + ".new-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
}

// The C library reports both a sharing violation and access denied to a
// file being replaced as EACCES.
bool MayBeBeingReplaced(int error) { return error == EACCES; }

bool ReplaceFileWith(const std::string& temporary, const std::string& path, std::string* why) {
  std::wstring from = WideFromUtf8(temporary), to = WideFromUtf8(path);
  // A reader (the window, a translation) may have the file open for a
  // moment, without leave to delete it; two seconds is far longer than any
  // read of a dictionary.
  DWORD code = ERROR_SUCCESS;
  for (int attempt = 0; attempt < kReplacementTries; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    code = GetLastError();
    if (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED &&
        code != ERROR_LOCK_VIOLATION) {
      break;
    }
    Sleep(kReplacementPauseMs);
  }
  *why = "cannot replace " + path + ": " + SystemMessage(code);
  return false;
}

}  // namespace mikawase
