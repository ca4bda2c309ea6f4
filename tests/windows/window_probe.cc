// window_probe.exe: looks at the running mikawase.exe from outside, as
// accessibility tools do, for the window's tests under wine. Typing and
// clicking are done by xdotool, as a user would; this only reads what the
// window shows, and resizes it as dragging its frame would.
//
//   window_probe wait SECONDS     until the window is there and idle
//   window_probe state            one JSON object: caption, client size and
//                                 place on the screen,
//                                 each control's text, place, scroll bar,
//                                 the focus, the minimum size, a message box
//   window_probe resize W H       makes the client area W × H pixels
//   window_probe maximize | restore
//   window_probe dismiss          presses OK in the window's message box
//   window_probe tooltip          the text of a tooltip on show, or ""
//   window_probe set-text FILE    puts FILE's UTF-8 text into Text1
//   window_probe press N          presses Command1 N times, each press sent
//                                 and waited for, and prints each one's
//                                 milliseconds
//   window_probe command N        chooses the menu's command N (the model's
//                                 Command), as the menu would
//   window_probe select A B       selects characters A to B of Text1
//   window_probe dialog           the window's dialog that takes input now
//                                 (the last one opened): its title and each
//                                 control's text by id; null for none
//   window_probe dialog-set ID FILE   puts FILE's UTF-8 text into control ID
//   window_probe dialog-click ID  presses button ID of that dialog
//   window_probe dialog-items ID  the lines of its list box ID, as JSON
//   window_probe dialog-pick ID N picks line N of its list box ID
//   window_probe drop FILE        drops FILE on the window as Explorer would
//   window_probe drop-many FILE FILE   drops two files at once
//   window_probe serve            reads commands from stdin, one a line,
//                                 the words split by tabs (UTF-8); after
//                                 each one's output a line "--done STATUS"
//
// A test makes a few hundred of these calls, and under wine each program
// start costs more than the call itself: serve makes them in one process.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#include "mikawase/wide_text.h"

namespace {

constexpr wchar_t kForm1Class[] = L"MikawaseForm1";
constexpr int kText1 = 101, kText2 = 102, kCommand1 = 103;

HWND Form1() { return FindWindowW(kForm1Class, nullptr); }

std::string Json(const std::wstring& text) {
  std::string utf8 = mikawase::Utf8FromWide(text);
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

// WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window) {
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

std::string RectInClient(HWND control, HWND parent) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right,
                rect.bottom);
  return buffer;
}

std::string ScreenCentre(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "[%ld, %ld]", (rect.left + rect.right) / 2,
                (rect.top + rect.bottom) / 2);
  return buffer;
}

// A message box is a dialog owned by the window; its text is a static.
HWND MessageBoxOf(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t kind[16];
        if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window) &&
            GetClassNameW(window, kind, 16) && std::wcscmp(kind, L"#32770") == 0) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[16];
    if (GetClassNameW(child, kind, 16) && std::wcscmp(kind, L"Static") == 0) {
      text += TextOf(child);
    }
  }
  return text;
}

int State() {
  HWND form = Form1();
  if (!form) return std::puts("{}"), 1;
  RECT client;
  GetClientRect(form, &client);
  RECT frame;
  GetWindowRect(form, &frame);
  MINMAXINFO limits = {};
  SendMessageW(form, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &gui);
  HWND box = MessageBoxOf(form);
  // The menu bar's handle is the window process's own under wine; what
  // shows from outside is the room the frame keeps for it.
  RECT with_menu = client;
  AdjustWindowRectEx(&with_menu, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)), TRUE,
                     static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)));
  POINT origin = {0, 0};
  ClientToScreen(form, &origin);
  std::printf("{\"caption\": %s, \"client\": [%ld, %ld], \"frame\": [%ld, %ld],"
              " \"client_origin\": [%ld, %ld], \"menu_bar\": %d,"
              " \"min_track\": [%ld, %ld], \"zoomed\": %d, \"focus\": %d,"
              " \"message_box\": %s",
              Json(TextOf(form)).c_str(), client.right, client.bottom, frame.right - frame.left,
              frame.bottom - frame.top, origin.x, origin.y,
              IsZoomed(form) || frame.bottom - frame.top == with_menu.bottom - with_menu.top ? 1 : 0,
              limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
              IsZoomed(form) ? 1 : 0, gui.hwndFocus ? GetDlgCtrlID(gui.hwndFocus) : 0,
              box ? Json(MessageBoxText(box)).c_str() : "null");
  for (auto [name, id] : {std::pair{"Text1", kText1}, std::pair{"Text2", kText2},
                          std::pair{"Command1", kCommand1}}) {
    HWND control = GetDlgItem(form, id);
    if (!control) continue;
    wchar_t kind[32];
    GetClassNameW(control, kind, 32);
    LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    std::printf(", \"%s\": {\"class\": %s, \"text\": %s, \"rect\": %s, \"centre\": %s,"
                " \"vscroll\": %d, \"hscroll\": %d, \"style\": %lld}",
                name, Json(kind).c_str(), Json(TextOf(control)).c_str(),
                RectInClient(control, form).c_str(), ScreenCentre(control).c_str(),
                (style & WS_VSCROLL) ? 1 : 0, (style & WS_HSCROLL) ? 1 : 0,
                static_cast<long long>(style));
  }
  std::puts("}");
  return 0;
}

int Wait(double seconds) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < seconds * 1000; Sleep(100)) {
    HWND form = Form1();
    DWORD_PTR result = 0;
    // Answering a message means its thread is in its loop, idle.
    if (form && SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)) {
      return 0;
    }
  }
  std::fputs("no window\n", stderr);
  return 1;
}

int Resize(int width, int height) {
  HWND form = Form1();
  RECT client, frame;
  GetClientRect(form, &client);
  GetWindowRect(form, &frame);
  int extra_width = (frame.right - frame.left) - client.right;
  int extra_height = (frame.bottom - frame.top) - client.bottom;
  return SetWindowPos(form, nullptr, 0, 0, width + extra_width, height + extra_height,
                      SWP_NOMOVE | SWP_NOZORDER)
             ? 0
             : 1;
}

int Tooltip() {
  struct Search {
    std::wstring text;
  } search;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        wchar_t kind[32];
        if (IsWindowVisible(window) && GetClassNameW(window, kind, 32) &&
            std::wcscmp(kind, L"tooltips_class32") == 0) {
          reinterpret_cast<Search*>(data)->text += TextOf(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  std::printf("%s\n", Json(search.text).c_str());
  return 0;
}

// A file's bytes, named in UTF-8; none when it cannot be read.
std::optional<std::string> ReadFileText(const std::string& path) {
  std::FILE* file = _wfopen(mikawase::WideFromUtf8(path).c_str(), L"rb");
  if (!file) return std::nullopt;
  std::string text;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, got);
  std::fclose(file);
  return text;
}

int SetText(const std::string& path) {
  std::optional<std::string> text = ReadFileText(path);
  if (!text) return 1;
  std::wstring wide = mikawase::WideFromUtf8(*text);
  SendMessageW(GetDlgItem(Form1(), kText1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  return 0;
}

// A press as the button sends it; SendMessage returns once the window has
// translated and shown the result.
int Press(int times) {
  HWND form = Form1();
  HWND button = GetDlgItem(form, kCommand1);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  for (int i = 0; i < times; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    QueryPerformanceCounter(&end);
    std::printf("%.3f\n", (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
  }
  return 0;
}

// The enabled, visible dialog of the window's process: a modal dialog
// disables the one below it, so there is one at a time.
HWND ActiveDialog() {
  struct Search {
    DWORD process;
    HWND found;
  } search{0, nullptr};
  GetWindowThreadProcessId(Form1(), &search.process);
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t kind[16];
        if (process == s->process && IsWindowVisible(window) && IsWindowEnabled(window) &&
            GetClassNameW(window, kind, 16) && std::wcscmp(kind, L"#32770") == 0) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Dialog() {
  HWND dialog = ActiveDialog();
  if (!dialog) return std::puts("null"), 0;
  std::string out = "{\"title\": " + Json(TextOf(dialog)) + ", \"controls\": {";
  bool first = true;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    out += (first ? "\"" : ", \"") + std::to_string(GetDlgCtrlID(child)) + "\": " +
           Json(TextOf(child));
    first = false;
  }
  std::printf("%s}}\n", out.c_str());
  return 0;
}

int DialogItems(int id) {
  HWND list = GetDlgItem(ActiveDialog(), id);
  if (!list) return 1;
  std::string out = "[";
  LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    line.resize(static_cast<std::size_t>(
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
    out += (i ? ", " : "") + Json(line);
  }
  std::printf("%s]\n", out.c_str());
  return 0;
}

// What Explorer hands a window that accepts files: a DROPFILES block, the
// names after it, each ended by a NUL and the list by one more. Explorer
// makes it in the window's process; the probe writes it there. Under wine
// a block at a fixed address serves as the HDROP that DragQueryFile reads
// (a global memory handle that is a pointer), which is what Explorer's is.
int Drop(const std::vector<std::wstring>& files) {
  HWND form = Form1();
  DWORD process_id = 0;
  GetWindowThreadProcessId(form, &process_id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process_id);
  if (process == nullptr) return std::fputs("cannot open the window's process\n", stderr), 1;
  std::wstring names;
  for (const std::wstring& file : files) names += file + L'\0';
  names += L'\0';
  std::vector<char> block(sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->pt = {20, 20};
  header->fNC = FALSE;
  header->fWide = TRUE;
  std::memcpy(block.data() + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  bool written = remote != nullptr &&
                 WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
  CloseHandle(process);
  if (!written) return std::fputs("cannot write the drop into the window's process\n", stderr), 1;
  return PostMessageW(form, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) ? 0 : 1;
}

// The arguments as typed, in UTF-16: main's are in the ANSI code page,
// which cannot hold every file name.
std::vector<std::wstring> WideArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> wide(arguments, arguments + count);
  LocalFree(arguments);
  return wide;
}

// One command, its words as given (UTF-8): its output on stdout, its
// exit status returned.
int Run(const std::vector<std::string>& words) {
  std::size_t argc = words.size();
  std::string command = argc > 0 ? words[0] : "";
  auto number = [&](std::size_t i) { return std::atoi(words[i].c_str()); };
  if (command == "wait" && argc == 2) return Wait(std::atof(words[1].c_str()));
  if (command == "state") return State();
  if (command == "resize" && argc == 3) return Resize(number(1), number(2));
  if (command == "maximize") return ShowWindow(Form1(), SW_MAXIMIZE), 0;
  if (command == "restore") return ShowWindow(Form1(), SW_RESTORE), 0;
  if (command == "tooltip") return Tooltip();
  if (command == "set-text" && argc == 2) return SetText(words[1]);
  if (command == "press" && argc == 2) return Press(number(1));
  if (command == "command" && argc == 2) {
    return PostMessageW(Form1(), WM_COMMAND, MAKEWPARAM(300 + number(1), 0), 0) ? 0 : 1;
  }
  if (command == "select" && argc == 3) {
    SendMessageW(GetDlgItem(Form1(), kText1), EM_SETSEL, number(1), number(2));
    return 0;
  }
  if (command == "dialog") return Dialog();
  if (command == "dialog-set" && argc == 3) {
    std::wstring text = mikawase::WideFromUtf8(ReadFileText(words[2]).value_or(""));
    HWND control = GetDlgItem(ActiveDialog(), number(1));
    return control && SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))
               ? 0
               : 1;
  }
  if (command == "dialog-click" && argc == 2) {
    HWND dialog = ActiveDialog();
    int id = number(1);
    return dialog && PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)))
               ? 0
               : 1;
  }
  if (command == "dialog-items" && argc == 2) return DialogItems(number(1));
  if (command == "dialog-pick" && argc == 3) {
    HWND list = GetDlgItem(ActiveDialog(), number(1));
    return list && SendMessageW(list, LB_SETCURSEL, number(2), 0) >= 0 ? 0 : 1;
  }
  if (command == "drop" && argc == 2) return Drop({mikawase::WideFromUtf8(words[1])});
  if (command == "drop-many" && argc == 3) {
    return Drop({mikawase::WideFromUtf8(words[1]), mikawase::WideFromUtf8(words[2])});
  }
  if (command == "dismiss") {
    HWND box = MessageBoxOf(Form1());
    return box && PostMessageW(box, WM_COMMAND, IDOK, 0) ? 0 : 1;
  }
  std::fputs("usage: window_probe wait SECONDS | state | resize W H | maximize | restore |"
             " dismiss | tooltip | set-text FILE | press N | command N | select A B |"
             " dialog | dialog-set ID FILE | dialog-click ID | dialog-items ID |"
             " dialog-pick ID N | drop FILE | drop-many FILE FILE | serve\n",
             stderr);
  return 2;
}

int Serve() {
  // Lines end in LF alone, as the reader on the other side splits them.
  _setmode(_fileno(stdout), _O_BINARY);
  std::string line;
  char block[4096];
  while (std::fgets(block, sizeof block, stdin)) {
    line += block;
    if (line.back() != '\n') continue;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    std::vector<std::string> words;
    for (std::size_t start = 0;;) {
      std::size_t tab = line.find('\t', start);
      words.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    int status = Run(words);
    std::fflush(stderr);
    std::printf("--done %d\n", status);
    std::fflush(stdout);
    line.clear();
  }
  return 0;
}

}  // namespace

int main() {
  // Pixels as the window has them, not scaled for a program that knows
  // nothing of DPI.
  SetProcessDPIAware();
  // The words as typed, in UTF-16: main's are in the ANSI code page, which
  // cannot hold every file name.
  std::vector<std::wstring> wide = WideArguments();
  if (wide.size() == 2 && wide[1] == L"serve") return Serve();
  std::vector<std::string> words;
  for (std::size_t i = 1; i < wide.size(); ++i) words.push_back(mikawase::Utf8FromWide(wide[i]));
  return Run(words);
}
