// Form1 on Windows: the program's one window, native Win32. The user types
// English into Text1, presses Command1 ("英和") or Ctrl+Enter, and reads the
// rough Japanese in Text2.
//
// A thin shell over the window model (app/model/), which the Qt window
// shares: what the button does, where the controls stand, what the window
// says. One window procedure hands each message to a small handler; the
// controls are made in OnCreate; LayOut is the one place that positions
// them. The edit boxes hold UTF-16 with CR LF line breaks, which the engine
// takes as UTF-8: the text is converted in Command1_Click and nowhere else.
#ifndef MIKAWASE_APP_WIN32_FORM1_H_
#define MIKAWASE_APP_WIN32_FORM1_H_

#include <windows.h>

#include <string>

#include "mikawase/dictionary_folders.h"
#include "model/command1.h"
#include "model/form1_texts.h"
#include "model/menu.h"

namespace mikawase::win32 {

// The class name, for tests and tools that look for the window.
inline constexpr wchar_t kForm1ClassName[] = L"MikawaseForm1";

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
  // The menu's commands, by the model's table.
  void Run(model::Command command);
  void AddWord();
  void OpenFile(const std::wstring& file);
  void SaveResult(const std::wstring& file);
  void ShowMessage(const std::wstring& text, UINT icon);

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
  // data\ beside the program, and %APPDATA%\mikawase\ in front of it.
  DictionaryFolders folders_;
  std::wstring caption_;
  std::wstring tip_;  // the button's tooltip, which the tooltip control points at
  bool join_lines_ = false;  // Options > Join the lines of a paragraph; off at start
};

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_FORM1_H_
