// mikawase-cli.exe started as Explorer starts it: in a console of its own.
// The probe starts the filter with CREATE_NEW_CONSOLE, attaches to that
// console from outside, reads what the filter shows on it and types a key
// into it, then checks how and when the filter ends. Also that the filter
// sharing a console with another program, as under cmd.exe, reads what is
// typed and never explains or waits for a key.
//
//   explorer_start_probe MIKAWASE-CLI.EXE
//
// Exit status 0 when every check holds; what failed goes to standard error.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL %s\n", what.c_str());
  ++failures;
}

struct Child {
  PROCESS_INFORMATION process{};
  bool started = false;
};

// With `console` true the child's standard streams are this program's
// console, as a shell's child's are; else Windows gives it its own.
Child Start(const std::wstring& command_line, DWORD flags, bool console = false) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE in = INVALID_HANDLE_VALUE, out = INVALID_HANDLE_VALUE;
  if (console) {
    in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherited, OPEN_EXISTING, 0, nullptr);
    out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inherited, OPEN_EXISTING, 0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = startup.hStdError = out;
  }
  Child child;
  std::wstring writable = command_line;
  child.started = CreateProcessW(nullptr, writable.data(), nullptr, nullptr, console, flags, nullptr,
                                 nullptr, &startup, &child.process);
  if (console) {
    CloseHandle(in);
    CloseHandle(out);
  }
  if (!child.started) Fail("cannot start " + std::to_string(GetLastError()));
  return child;
}

// Ends the child (if it still runs) and returns its exit status.
DWORD Finish(Child& child, DWORD wait_ms) {
  DWORD status = 259;
  if (WaitForSingleObject(child.process.hProcess, wait_ms) == WAIT_OBJECT_0) {
    GetExitCodeProcess(child.process.hProcess, &status);
  } else {
    TerminateProcess(child.process.hProcess, 99);
    WaitForSingleObject(child.process.hProcess, 10000);
  }
  CloseHandle(child.process.hThread);
  CloseHandle(child.process.hProcess);
  return status;
}

// The text on the attached console's screen, rows joined with newlines.
std::wstring Screen() {
  HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return L"";
  CONSOLE_SCREEN_BUFFER_INFO info;
  std::wstring text;
  if (GetConsoleScreenBufferInfo(out, &info)) {
    std::wstring row(info.dwSize.X, L' ');
    for (SHORT y = 0; y < info.dwSize.Y; ++y) {
      DWORD read = 0;
      ReadConsoleOutputCharacterW(out, row.data(), info.dwSize.X, COORD{0, y}, &read);
      std::wstring line = row.substr(0, read);
      line.erase(line.find_last_not_of(L' ') + 1);
      text += line + L"\n";
    }
  }
  CloseHandle(out);
  return text;
}

void TypeKey() {
  HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, 0, nullptr);
  INPUT_RECORD keys[2]{};
  for (int i = 0; i < 2; ++i) {
    keys[i].EventType = KEY_EVENT;
    keys[i].Event.KeyEvent.bKeyDown = i == 0;
    keys[i].Event.KeyEvent.wRepeatCount = 1;
    keys[i].Event.KeyEvent.wVirtualKeyCode = 'X';
    keys[i].Event.KeyEvent.uChar.UnicodeChar = L'x';
  }
  DWORD written = 0;
  if (!WriteConsoleInputW(in, keys, 2, &written) || written != 2) Fail("cannot type into the console");
  CloseHandle(in);
}

std::string Utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

// Waits until the process has used no processor time for two seconds: it
// has started and waits, on a key or on its input. Until then, attaching
// to its console would put a second process on it before it looked.
bool WaitUntilIdle(HANDLE process) {
  ULONGLONG last = ~0ULL;
  int still = 0;
  for (int tries = 0; tries < 600 && still < 8; ++tries) {  // up to 150 s
    Sleep(250);
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return false;
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return false;
    ULONGLONG used = (ULONGLONG{kernel.dwHighDateTime} << 32 | kernel.dwLowDateTime) +
                     (ULONGLONG{user.dwHighDateTime} << 32 | user.dwLowDateTime);
    still = used == last ? still + 1 : 0;
    last = used;
  }
  return still >= 8;
}

// Double-clicked: the explanation, in both languages, stays until a key.
void DoubleClicked(const std::wstring& cli) {
  Child child = Start(L"\"" + cli + L"\"", CREATE_NEW_CONSOLE);
  if (!child.started) return;
  if (!WaitUntilIdle(child.process.hProcess)) {
    Fail("started alone on a console, it ended or never came to wait");
    Finish(child, 0);
    return;
  }
  FreeConsole();
  std::wstring shown;
  if (AttachConsole(child.process.dwProcessId)) shown = Screen();
  if (shown.find(L"Press any key to close.") == std::wstring::npos) {
    Fail("no explanation on the console; it shows:\n" + Utf8(shown));
    Finish(child, 0);
    return;
  }
  for (const wchar_t* wanted : {L"コマンドラインのプログラム", L"command-line program",
                                L"mikawase-cli --help", L"cd /d \""}) {
    if (shown.find(wanted) == std::wstring::npos) Fail("the explanation lacks " + Utf8(wanted));
  }
  // It waits: still running a second after showing it all.
  if (WaitForSingleObject(child.process.hProcess, 1000) != WAIT_TIMEOUT) Fail("closed without a key");
  TypeKey();
  FreeConsole();
  DWORD status = Finish(child, 20000);
  if (status != 0) Fail("after a key: exit status " + std::to_string(status));
}

// Sharing a console, as under cmd.exe: it reads the typed text and
// translates it, no explanation.
void SharingAConsole(const std::wstring& cli) {
  FreeConsole();
  if (!AllocConsole()) return Fail("cannot make a console");
  Child child = Start(L"\"" + cli + L"\"", 0, true);
  if (!child.started) return;
  HANDLE in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, 0, nullptr);
  std::wstring typed = L"I like you.\r\x1A\r";
  for (wchar_t c : typed) {
    INPUT_RECORD key[2]{};
    for (int i = 0; i < 2; ++i) {
      key[i].EventType = KEY_EVENT;
      key[i].Event.KeyEvent.bKeyDown = i == 0;
      key[i].Event.KeyEvent.wRepeatCount = 1;
      key[i].Event.KeyEvent.wVirtualKeyCode = c == L'\r' ? VK_RETURN : 0;
      key[i].Event.KeyEvent.uChar.UnicodeChar = c;
    }
    DWORD written = 0;
    WriteConsoleInputW(in, key, 2, &written);
  }
  CloseHandle(in);
  DWORD status = Finish(child, 20000);
  std::wstring shown = Screen();
  if (status != 0) Fail("sharing a console: exit status " + std::to_string(status));
  if (shown.find(L"私が好きなのはあなた。") == std::wstring::npos ||
      shown.find(L"Press any key") != std::wstring::npos) {
    Fail("sharing a console, it shows:\n" + Utf8(shown));
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: explorer_start_probe MIKAWASE-CLI.EXE\n");
    return 2;
  }
  DoubleClicked(argv[1]);
  SharingAConsole(argv[1]);
  std::fprintf(stderr, "%d failures\n", failures);
  return failures == 0 ? 0 : 1;
}
