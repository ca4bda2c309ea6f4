#include "form1.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>
#include <memory>
#include <optional>

#include "dpi.h"
#include "menu_bar.h"
#include "mikawase/app_folder.h"
#include "mikawase/translation_error.h"
#include "mikawase/version.h"
#include "mikawase/wide_text.h"
#include "model/form1_layout.h"
#include "model/form1_texts.h"
#include "model/menu.h"
#include "model/personal_words.h"
#include "resource.h"
#include "string_table.h"
#include "version_resource.h"
#include "word_dialogs.h"

namespace mikawase::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Tab and the dialog keys move between the controls, through
// IsDialogMessage in the message loop.
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

// Long lines wrap (no horizontal scrolling); the vertical scroll bar shows
// only while the text does not fit, which the edit control does itself.
constexpr DWORD kTextBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                ES_WANTRETURN | ES_AUTOVSCROLL;

// The resource script names the commands with a shortcut by number; they
// must be the model's.
static_assert(IDM_OPEN_FILE == IDM_MENU_BASE + static_cast<int>(model::Command::kOpenFile));
static_assert(IDM_SAVE_RESULT == IDM_MENU_BASE + static_cast<int>(model::Command::kSaveResult));
static_assert(IDM_COPY_RESULT == IDM_MENU_BASE + static_cast<int>(model::Command::kCopyResult));
static_assert(IDM_ADD_WORD == IDM_MENU_BASE + static_cast<int>(model::Command::kAddWord));
constexpr int kMenuEnd = IDM_MENU_BASE + static_cast<int>(model::Command::kSeparator);

// The model's "Name (*.txt);;Other (*)", as the file dialogs take it: each
// name, then its pattern, each ended by a NUL, and one more NUL at the end.
std::wstring FileFilter(const std::wstring& model_filter) {
  std::wstring filter;
  std::size_t start = 0;
  while (start <= model_filter.size()) {
    std::size_t end = model_filter.find(L";;", start);
    if (end == std::wstring::npos) end = model_filter.size();
    std::wstring name = model_filter.substr(start, end - start);
    std::size_t open = name.rfind(L'('), close = name.rfind(L')');
    std::wstring pattern = open != std::wstring::npos && close > open
                               ? name.substr(open + 1, close - open - 1)
                               : L"*";
    filter += name + L'\0' + pattern + L'\0';
    start = end + 2;
  }
  return filter + L'\0';
}

// The bytes of a file, or nullopt when it cannot be read.
std::optional<std::string> ReadWhole(const std::wstring& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> in(_wfopen(path.c_str(), L"rb"), std::fclose);
  if (!in) return std::nullopt;
  std::string bytes;
  char block[65536];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, in.get())) > 0;) {
    bytes.append(block, got);
  }
  if (std::ferror(in.get())) return std::nullopt;
  return bytes;
}

HWND NewControl(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style,
                DWORD extended_style, int id) {
  return CreateWindowExW(extended_style, kind, text, style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

// The edit control keeps its vertical scroll bar on show, greyed out while
// the text fits; it is hidden here instead, and the control shows it again
// itself as soon as the text needs it. Hiding it widens the text, which can
// only take fewer lines, so the two never chase each other.
void ShowScrollBarOnlyWhenNeeded(HWND edit) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  bool needed = GetScrollInfo(edit, SB_VERT, &info) && info.nPage != 0 &&
                info.nMax - info.nMin + 1 > static_cast<int>(info.nPage);
  bool shown = (GetWindowLongPtrW(edit, GWL_STYLE) & WS_VSCROLL) != 0;
  if (needed != shown) ShowScrollBar(edit, SB_VERT, needed);
}

std::wstring TextOf(HWND control) {
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got));
  return text;
}

}  // namespace

HWND Form1::Create(HINSTANCE instance, int show) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MIKAWASE));
  window_class.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_MIKAWASE), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kForm1ClassName;
  if (!RegisterClassExW(&window_class)) return nullptr;
  // Owned by its window from WM_NCCREATE to WM_NCDESTROY.
  auto* form = new Form1;
  HWND window = CreateWindowExW(kExtendedStyle, kForm1ClassName, L"", kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                NewMenuBar(), instance, form);
  if (window == nullptr) return nullptr;
  ShowWindow(window, show);
  SetFocus(form->Text1);
  return window;
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam) {
  Form1* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (form == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = form->HandleMessage(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete form;
  }
  return result;
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case WM_NEXTDLGCTL:
      OnNextControl(wparam, LOWORD(lparam) != 0);
      return 0;
    case WM_CTLCOLORSTATIC:
      // The result box is read-only, which the system greys; it keeps the
      // look of a box that holds text.
      if (reinterpret_cast<HWND>(lparam) == Text2) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_SETCURSOR:
      // Over the window itself, not over a control: only the gaps.
      if (reinterpret_cast<HWND>(wparam) == window_ && LOWORD(lparam) == HTCLIENT && OnSetCursor()) {
        return TRUE;
      }
      return DefWindowProcW(window_, message, wparam, lparam);
    case WM_LBUTTONDOWN:
      OnLeftButtonDown({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_LBUTTONUP:
      if (dragging_splitter_) ReleaseCapture();  // which ends the drag, below
      return 0;
    case WM_CAPTURECHANGED:
      EndSplitterDrag();
      return 0;
    case WM_DESTROY:
      if (font_ != nullptr) DeleteObject(font_);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

bool Form1::OnCreate() {
  Text1 = NewControl(window_, WC_EDITW, L"", kTextBoxStyle, WS_EX_CLIENTEDGE, IDC_TEXT1);
  // The result can be selected and copied, not typed over.
  Text2 = NewControl(window_, WC_EDITW, L"", kTextBoxStyle | ES_READONLY, WS_EX_CLIENTEDGE,
                     IDC_TEXT2);
  // Not a default button: Enter in a text box starts a new line.
  Command1 = NewControl(window_, WC_BUTTONW, L"英和",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, IDC_COMMAND1);
  if (Text1 == nullptr || Text2 == nullptr || Command1 == nullptr) return false;
  // No length limit: an edit control otherwise stops at 32,767 characters.
  SendMessageW(Text1, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(Text2, EM_SETLIMITTEXT, 0, 0);

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)),
                             nullptr);
  if (tooltip_ != nullptr) {
    tip_ = Wide(model::kCommand1Tip);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Command1);
    tool.lpszText = tip_.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }

  Form_Load();
  ApplyDpi(DpiOfWindow(window_));
  // The window opens at exactly the table's size, where the system places
  // new windows.
  SIZE size = WindowSizeForClient(model::MinimumClientWidth(dpi_), model::MinimumClientHeight(dpi_),
                                  kStyle, kExtendedStyle, dpi_, true);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  last_focus_ = Text1;
  // A text file dropped on the window opens in the input box.
  DragAcceptFiles(window_, TRUE);
  return true;
}

void Form1::Form_Load() {
  try {
    AppFolder = ExecutableFolder();
  } catch (const TranslationError& error) {
    // Without its folder the program can find no dictionary at all.
    MessageBoxW(window_, WideFromUtf8(error.what()).c_str(), L"ミカワセ", MB_OK | MB_ICONERROR);
    ExitProcess(1);
  }
  folders_ = model::Form1Folders(AppFolder);
  FileVersion version;
  if (!ReadFileVersion(&version)) version = {kVersionMajor, kVersionMinor, kVersionRevision};
  caption_ = WideFromUtf8(model::CaptionForVersion(version.major, version.minor, version.revision));
  SetWindowTextW(window_, caption_.c_str());
}

void Form1::OnSize() { LayOut(); }

void Form1::OnDpiChanged(int dpi, const RECT& suggested) {
  // The split is in pixels: it keeps its share of the box at the new DPI.
  split_ = MulDiv(split_, dpi, dpi_);
  ApplyDpi(dpi);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnGetMinMaxInfo(MINMAXINFO* limits) {
  SIZE size = WindowSizeForClient(model::MinimumClientWidth(dpi_), model::MinimumClientHeight(dpi_),
                                  kStyle, kExtendedStyle, dpi_, true);
  limits->ptMinTrackSize = {size.cx, size.cy};
}

void Form1::OnCommand(int id, int notification) {
  switch (id) {
    case IDC_TEXT1:
    case IDC_TEXT2:
      if (notification == EN_CHANGE) ShowScrollBarOnlyWhenNeeded(GetDlgItem(window_, id));
      return;
    case IDC_COMMAND1:
      if (notification == BN_CLICKED) Command1_Click();
      return;
    case IDM_TRANSLATE:  // Ctrl+Enter, from the accelerator table
      Command1_Click();
      return;
    case IDOK:  // Enter while the button has the focus presses it
      if (GetFocus() == Command1) Command1_Click();
      return;
    default:
      if (id >= IDM_MENU_BASE && id < kMenuEnd) {
        Run(static_cast<model::Command>(id - IDM_MENU_BASE));
      }
      return;
  }
}

void Form1::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) last_focus_ = focus;
  } else if (last_focus_ != nullptr) {
    SetFocus(last_focus_);
  }
}

// A multi-line edit box keeps Tab from the dialog manager (it wants every
// key, for Enter) and asks its parent for the next control itself, as it
// would ask a dialog; the window answers as a dialog would.
void Form1::OnNextControl(WPARAM which, bool is_window) {
  HWND next = is_window ? reinterpret_cast<HWND>(which)
                        : GetNextDlgTabItem(window_, GetFocus(), which != 0);
  if (next == nullptr) return;
  SetFocus(next);
  // The dialog manager's habit: a text box reached by Tab has its text
  // selected.
  if (next == Text1 || next == Text2) SendMessageW(next, EM_SETSEL, 0, -1);
}

// One file, as the Qt window takes it: the input box holds one text, and
// of several there is no saying which the user meant.
void Form1::OnDropFiles(HDROP drop) {
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) != 1) return DragFinish(drop);
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring file(length + 1, L'\0');
  DragQueryFileW(drop, 0, file.data(), length + 1);
  file.resize(length);
  DragFinish(drop);
  OpenFile(file);
}

bool Form1::OnSplitter(POINT at) const {
  RECT client;
  GetClientRect(window_, &client);
  const model::PixelRect& bar = CurrentLayout().Splitter;
  return model::SplitRoom(client.bottom, dpi_) > 0 && at.x >= bar.left && at.x < bar.right &&
         at.y >= bar.top && at.y < bar.bottom;
}

bool Form1::OnSetCursor() {
  POINT at;
  if (!GetCursorPos(&at) || !ScreenToClient(window_, &at)) return false;
  if (!dragging_splitter_ && !OnSplitter(at)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
  return true;
}

void Form1::OnLeftButtonDown(POINT at) {
  if (!OnSplitter(at)) return;
  RECT client;
  GetClientRect(window_, &client);
  split_at_press_ = model::ClampSplit(split_, client.bottom, dpi_);
  press_y_ = at.y;
  dragging_splitter_ = true;
  SetCapture(window_);
}

void Form1::OnMouseMove(POINT at) {
  if (!dragging_splitter_) return;
  RECT client;
  GetClientRect(window_, &client);
  int split = model::SplitAfterDrag(split_at_press_, at.y - press_y_, client.bottom, dpi_);
  if (split == model::ClampSplit(split_, client.bottom, dpi_)) return;
  split_ = split;
  LayOut();
}

void Form1::EndSplitterDrag() { dragging_splitter_ = false; }

void Form1::ApplyDpi(int dpi) {
  dpi_ = dpi;
  HFONT font = CreateMessageFont(dpi);
  for (HWND control : {Text1, Text2, Command1}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  LayOut();
}

model::Form1Layout Form1::CurrentLayout() const {
  RECT client;
  GetClientRect(window_, &client);
  return model::LayOutForm1(client.right, client.bottom, dpi_, dpi_, split_);
}

void Form1::LayOut() {
  model::Form1Layout layout = CurrentLayout();
  HDWP positions = BeginDeferWindowPos(3);
  for (auto [control, rect] : {std::pair{Text1, layout.Text1}, std::pair{Text2, layout.Text2},
                               std::pair{Command1, layout.Command1}}) {
    if (positions != nullptr) {
      positions = DeferWindowPos(positions, control, nullptr, rect.left, rect.top, rect.width(),
                                 rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (positions != nullptr) EndDeferWindowPos(positions);
  ShowScrollBarOnlyWhenNeeded(Text1);
  ShowScrollBarOnlyWhenNeeded(Text2);
}

// A failed translation leaves both boxes as they were: the result is shown
// only once Translate has returned it whole. The window stays open, so the
// user can mend the dictionary and press again without retyping anything.
void Form1::Command1_Click() {
  HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  model::Command1Outcome outcome =
      model::Command1Action(Utf8FromWide(TextOf(Text1)), folders_, join_lines_);
  SetCursor(cursor);
  if (!outcome.translated) {
    std::wstring text = WideFromUtf8(model::DescribeFailure(outcome.failure, SayInUserLanguage));
    if (!outcome.failure.personal) {
      MessageBoxW(window_, text.c_str(), caption_.c_str(), MB_OK | MB_ICONERROR);
      return;
    }
    // A bad line of the user's own file: the way to it, from here.
    text += L"\n\n" + Wide(model::kYesMyWordsNoFolder);
    int answer = MessageBoxW(window_, text.c_str(), caption_.c_str(), MB_YESNOCANCEL | MB_ICONERROR);
    if (answer == IDYES) Run(model::Command::kMyWords);
    if (answer == IDNO) Run(model::Command::kOpenPersonalFolder);
    return;
  }
  SetWindowTextW(Text2, WideFromUtf8(outcome.rendering).c_str());
  ShowScrollBarOnlyWhenNeeded(Text2);
}

void Form1::ShowMessage(const std::wstring& text, UINT icon) {
  MessageBoxW(window_, text.c_str(), caption_.c_str(), MB_OK | icon);
}

void Form1::Run(model::Command command) {
  switch (command) {
    case model::Command::kOpenFile:
    case model::Command::kSaveResult: {
      bool open = command == model::Command::kOpenFile;
      wchar_t file[MAX_PATH * 4] = L"";
      std::wstring filter = FileFilter(Wide(model::kTextFiles));
      std::wstring title = Wide(open ? model::kOpenTitle : model::kSaveTitle);
      OPENFILENAMEW dialog = {};
      dialog.lStructSize = sizeof dialog;
      dialog.hwndOwner = window_;
      dialog.lpstrFilter = filter.c_str();
      dialog.lpstrFile = file;
      dialog.nMaxFile = static_cast<DWORD>(std::size(file));
      dialog.lpstrTitle = title.c_str();
      dialog.lpstrDefExt = L"txt";
      dialog.Flags = OFN_EXPLORER | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
      if (open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog)) {
        if (open) {
          OpenFile(file);
        } else {
          SaveResult(file);
        }
      }
      return;
    }
    case model::Command::kCopyResult:
      SendMessageW(Text2, EM_SETSEL, 0, -1);
      SendMessageW(Text2, WM_COPY, 0, 0);
      return;
    case model::Command::kExit:
      DestroyWindow(window_);
      return;
    case model::Command::kAddWord:
      AddWord();
      return;
    case model::Command::kMyWords:
      ShowMyWordsDialog(window_, folders_, Utf8FromWide(TextOf(Text1)));
      return;
    case model::Command::kOpenPersonalFolder: {
      std::string why = model::MakePersonalFolder(folders_, SayInUserLanguage);
      if (!why.empty()) return ShowMessage(WideFromUtf8(why), MB_ICONWARNING);
      ShellExecuteW(window_, L"open", WideFromUtf8(folders_.personal).c_str(), nullptr, nullptr,
                    SW_SHOWNORMAL);
      return;
    }
    case model::Command::kCheckDictionaries:
      ShowReportDialog(window_, Wide(model::kCheckTitle),
                       model::CheckReport(folders_, SayInUserLanguage));
      return;
    case model::Command::kAbout:
      MessageBoxW(window_, (caption_ + L"\r\n\r\n" + Wide(model::kAboutText)).c_str(),
                  Wide(model::kAboutTitle).c_str(), MB_OK | MB_ICONINFORMATION);
      return;
    case model::Command::kJoinLines:
      join_lines_ = !join_lines_;
      CheckMenuItem(GetMenu(window_), IDM_MENU_BASE + static_cast<int>(command),
                    MF_BYCOMMAND | (join_lines_ ? MF_CHECKED : MF_UNCHECKED));
      return;
    case model::Command::kSeparator:
      return;
  }
}

// The word to offer: the selection of the box the user is in, else the
// word at the input box's caret.
void Form1::AddWord() {
  HWND box = GetFocus() == Text2 ? Text2 : Text1;
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  std::wstring boxed = TextOf(box);
  std::wstring selection = boxed.substr(std::min<std::size_t>(start, boxed.size()),
                                        end > start ? end - start : 0);
  std::wstring input = TextOf(Text1);
  DWORD caret = 0;
  SendMessageW(Text1, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  std::size_t cursor = Utf8FromWide(input.substr(0, std::min<std::size_t>(caret, input.size()))).size();
  std::string key = model::OfferedKey(Utf8FromWide(input), cursor, Utf8FromWide(selection));
  ShowAddWordDialog(window_, folders_, Utf8FromWide(input), "noun", key, "", false);
}

void Form1::OpenFile(const std::wstring& file) {
  std::optional<std::string> bytes = ReadWhole(file);
  if (!bytes) return ShowMessage(Wide(model::kCannotRead) + L"\r\n" + file, MB_ICONWARNING);
  if (bytes->starts_with("\xEF\xBB\xBF")) bytes->erase(0, 3);
  int length = bytes->empty() ? 0
                              : MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes->data(),
                                                    static_cast<int>(bytes->size()), nullptr, 0);
  if (length == 0 && !bytes->empty()) {
    return ShowMessage(Wide(model::kNotUtf8) + L"\r\n" + file, MB_ICONWARNING);
  }
  // The box takes CR LF, whatever the file has.
  std::wstring text;
  for (wchar_t c : WideFromUtf8(*bytes)) {
    if (c == L'\n' && (text.empty() || text.back() != L'\r')) text += L'\r';
    text += c;
  }
  SetWindowTextW(Text1, text.c_str());
  ShowScrollBarOnlyWhenNeeded(Text1);
}

void Form1::SaveResult(const std::wstring& file) {
  std::string bytes = Utf8FromWide(TextOf(Text2));
  std::unique_ptr<FILE, int (*)(FILE*)> out(_wfopen(file.c_str(), L"wb"), std::fclose);
  bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
  if (out && std::fclose(out.release()) != 0) written = false;
  if (!written) ShowMessage(Wide(model::kCannotWrite) + L"\r\n" + file, MB_ICONWARNING);
}

}  // namespace mikawase::win32
