// Form1 on Windows: the program's one window, native Win32. The user types
// English into Text1, presses Command1 ("英和") or Ctrl+Enter, and reads the
// rough Japanese in Text2.
//
// One window procedure hands each message to a small handler; the controls
// are made in OnCreate; LayOut is the one place that positions them. The
// edit boxes hold UTF-16 with CR LF line breaks, which the engine takes as
// UTF-8: the text is converted in Command1_Click and nowhere else.
#ifndef MIKAWASE_APP_WIN32_FORM1_H_
#define MIKAWASE_APP_WIN32_FORM1_H_

#include <windows.h>

#include <string>

namespace mikawase::win32 {

// The class name, for tests and tools that look for the window.
inline constexpr wchar_t kForm1ClassName[] = L"MikawaseForm1";

// "ミカワセ MAJOR.MINOR.REVISION", each number plain decimal.
std::wstring CaptionForVersion(int major, int minor, int revision);

// The text of the message box for a failed translation: the file, the line
// and the problem, and that the user's text is still there.
std::wstring DescribeFailure(const std::string& file, std::size_t line, const std::string& problem);

class Form1 {
 public:
  // Registers the window class and creates the window, shown as `show`
  // says. Null on failure.
  static HWND Create(HINSTANCE instance, int show);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  void OnSize();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnGetMinMaxInfo(MINMAXINFO* limits);
  void OnCommand(int id, int notification);
  void OnActivate(bool active);
  void OnNextControl(WPARAM which, bool is_window);

  void Form_Load();
  void Command1_Click();
  void ShowFailure(const std::string& file, std::size_t line, const std::string& problem);

  // Font and size follow the window's DPI; then LayOut.
  void ApplyDpi(int dpi);
  void LayOut();

  HWND window_ = nullptr;
  HWND Text1 = nullptr;
  HWND Text2 = nullptr;
  HWND Command1 = nullptr;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr;  // given the focus back when the window is activated
  HFONT font_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;

  std::string AppFolder;  // UTF-8, ending with exactly one "\"
  // %APPDATA%\mikawase\, or "" when the system names no such folder.
  std::string personal_folder_;
  std::wstring caption_;
};

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_FORM1_H_
