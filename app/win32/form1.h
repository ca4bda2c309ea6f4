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
#include "model/form1_layout.h"
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
  void OnDropFiles(HDROP drop);
  // The splitter in the gap between the top row and Text2: the cursor
  // offers a drag over it, the press captures the mouse, and each move lays
  // the window out again with the split model::SplitAfterDrag gives.
  bool OnSetCursor();
  void OnLeftButtonDown(POINT at);
  void OnMouseMove(POINT at);
  void EndSplitterDrag();

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
  // Where the controls and the splitter stand now.
  model::Form1Layout CurrentLayout() const;
  // Whether the client point `at` is on the splitter, and there is height
  // to share.
  bool OnSplitter(POINT at) const;

  HWND window_ = nullptr;
  HWND Text1 = nullptr;
  HWND Text2 = nullptr;
  HWND Command1 = nullptr;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr;  // given the focus back when the window is activated
  HFONT font_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  // The pixels of the height the window has gained that Text1 takes
  // (model::LayOutForm1's split): 0 until the user drags the splitter, then
  // kept while the window lives, whatever its size meanwhile.
  int split_ = 0;
  bool dragging_splitter_ = false;
  int split_at_press_ = 0;
  int press_y_ = 0;  // in the client area, where the drag began

  std::string AppFolder;  // UTF-8, ending with exactly one "\"
  // data\ beside the program, and %APPDATA%\mikawase\ in front of it.
  DictionaryFolders folders_;
  std::wstring caption_;
  std::wstring tip_;  // the button's tooltip, which the tooltip control points at
  bool join_lines_ = false;  // Options > Join the lines of a paragraph; off at start
};

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_FORM1_H_
