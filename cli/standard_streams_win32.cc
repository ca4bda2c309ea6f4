#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string>

#include "mikawase/wide_text.h"
#include "standard_streams.h"

namespace mikawase::cli {

namespace {

// The console behind a standard stream, or null when it is redirected.
HANDLE ConsoleOf(std::FILE* file) {
  DWORD which = file == stdin    ? STD_INPUT_HANDLE
                : file == stdout ? STD_OUTPUT_HANDLE
                : file == stderr ? STD_ERROR_HANDLE
                                 : 0;
  if (which == 0) return nullptr;
  HANDLE handle = GetStdHandle(which);
  DWORD mode;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
    return nullptr;
  }
  return handle;
}

// What has been read from the console and not yet handed out, as UTF-8.
struct ConsoleInput {
  std::string pending;
  wchar_t high_surrogate = 0;  // the first half of a pair split between reads
  bool ended = false;
};

ConsoleInput& TheConsoleInput() {
  static ConsoleInput input;
  return input;
}

// Reads the next line the user typed, or ends the input at Ctrl+Z as cmd's
// own commands do.
bool ReadConsoleLine(HANDLE console, ConsoleInput& input) {
  wchar_t buffer[4096];
  DWORD read = 0;
  if (!ReadConsoleW(console, buffer, static_cast<DWORD>(std::size(buffer)), &read, nullptr)) {
    return false;
  }
  std::wstring wide;
  if (input.high_surrogate != 0) wide += input.high_surrogate;
  input.high_surrogate = 0;
  wide.append(buffer, read);
  if (read == 0) input.ended = true;
  if (std::size_t end = wide.find(L'\x1A'); end != std::wstring::npos) {
    wide.resize(end);
    input.ended = true;
  }
  if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF && !input.ended) {
    input.high_surrogate = wide.back();
    wide.pop_back();
  }
  input.pending += Utf8FromWide(wide);
  return true;
}

std::size_t ReadFromConsole(HANDLE console, char* into, std::size_t size, bool* failed) {
  ConsoleInput& input = TheConsoleInput();
  while (input.pending.size() < size && !input.ended) {
    if (!ReadConsoleLine(console, input)) {
      errno = EIO;
      *failed = true;
      return 0;
    }
  }
  std::size_t given = std::min(size, input.pending.size());
  input.pending.copy(into, given);
  input.pending.erase(0, given);
  return given;
}

// The bytes of a UTF-8 sequence that the last call left unfinished, per
// console stream.
std::string& HeldBack(std::FILE* file) {
  static std::string out, err;
  return file == stderr ? err : out;
}

bool WriteToConsole(HANDLE console, std::FILE* file, std::string_view bytes) {
  std::string text = HeldBack(file) + std::string(bytes);
  // Hold back a sequence cut off at the end: its lead byte and what
  // followed it.
  std::size_t keep = 0;
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    unsigned char c = static_cast<unsigned char>(text[text.size() - back]);
    if ((c & 0xC0) == 0x80) continue;
    std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (length > back) keep = back;
    break;
  }
  HeldBack(file) = text.substr(text.size() - keep);
  std::wstring wide = WideFromUtf8(std::string_view(text).substr(0, text.size() - keep));
  std::wstring_view rest = wide;
  while (!rest.empty()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 16384));
    if (!WriteConsoleW(console, rest.data(), chunk, &written, nullptr) || written == 0) {
      errno = EIO;
      return false;
    }
    rest.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::vector<std::string> Arguments(int, char**) {
  // The C library's argv is in the ANSI code page, which cannot hold every
  // file name; the wide command line can.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

void PrepareStandardStreams() {
  for (std::FILE* file : {stdin, stdout, stderr}) {
    if (ConsoleOf(file) == nullptr) _setmode(_fileno(file), _O_BINARY);
  }
}

std::FILE* OpenForReading(const std::string& path) {
  return _wfopen(WideFromUtf8(path).c_str(), L"rb");
}

// In the user's temporary folder: the C library's tmpfile() makes its file
// in the drive's root, where a user may not write.
std::FILE* OpenScratchFile() {
  wchar_t folder[MAX_PATH + 1];
  wchar_t path[MAX_PATH + 1];
  if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"mkw", 0, path) == 0) {
    return nullptr;
  }
  HANDLE handle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DeleteFileW(path);
    return nullptr;
  }
  int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_RDWR);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  return _fdopen(descriptor, "w+b");
}

std::size_t ReadBytes(std::FILE* file, char* into, std::size_t size, bool* failed) {
  *failed = false;
  if (HANDLE console = ConsoleOf(file)) return ReadFromConsole(console, into, size, failed);
  std::size_t got = std::fread(into, 1, size, file);
  *failed = std::ferror(file) != 0;
  return got;
}

bool WriteBytes(std::FILE* file, std::string_view bytes) {
  if (HANDLE console = ConsoleOf(file)) return WriteToConsole(console, file, bytes);
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace mikawase::cli
