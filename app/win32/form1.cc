#include "form1.h"

#include <commctrl.h>

#include "dpi.h"
#include "mikawase/app_folder.h"
#include "mikawase/translation_error.h"
#include "mikawase/version.h"
#include "mikawase/wide_text.h"
#include "model/form1_layout.h"
#include "model/form1_texts.h"
#include "resource.h"
#include "version_resource.h"

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
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                instance, form);
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
  Text2 = NewControl(window_, WC_EDITW, L"", kTextBoxStyle, WS_EX_CLIENTEDGE, IDC_TEXT2);
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
    tip_ = WideFromUtf8(model::Command1Tip(language_));
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
                                  kStyle, kExtendedStyle, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  last_focus_ = Text1;
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
  ApplyDpi(dpi);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnGetMinMaxInfo(MINMAXINFO* limits) {
  SIZE size = WindowSizeForClient(model::MinimumClientWidth(dpi_), model::MinimumClientHeight(dpi_),
                                  kStyle, kExtendedStyle, dpi_);
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

void Form1::LayOut() {
  RECT client;
  GetClientRect(window_, &client);
  model::Form1Layout layout = model::LayOutForm1(client.right, client.bottom, dpi_, dpi_);
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
  model::Command1Outcome outcome = model::Command1Action(Utf8FromWide(TextOf(Text1)), folders_);
  SetCursor(cursor);
  if (!outcome.translated) {
    MessageBoxW(window_, WideFromUtf8(model::DescribeFailure(outcome.failure, language_)).c_str(),
                caption_.c_str(), MB_OK | MB_ICONERROR);
    return;
  }
  SetWindowTextW(Text2, WideFromUtf8(outcome.rendering).c_str());
  ShowScrollBarOnlyWhenNeeded(Text2);
}

}  // namespace mikawase::win32
