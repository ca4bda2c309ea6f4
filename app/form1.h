// Form1: the program's one window. The user types English into Text1,
// presses Command1 ("英和") and reads the rough Japanese in Text2.
//
// The window is a thin shell over the window model (app/model/): it
// converts the text of its boxes to the engine's UTF-8 with CR LF line
// breaks at one place, hands it to model::Command1Action, and shows the
// result or the failure in the words model::DescribeFailure gives; its
// controls stand where model::LayOutForm1 puts them. The model's texts are
// shown through the installed QTranslators (translators.h).
#ifndef MIKAWASE_APP_FORM1_H_
#define MIKAWASE_APP_FORM1_H_

#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>

#include "mikawase/dictionary_folders.h"
#include "model/command1.h"
#include "model/form1_texts.h"
#include "model/menu.h"

class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace mikawase {

class SplitterBar;

// Why a translation stopped, as a test observes it.
struct TranslationFailure {
  QString file;          // the dictionary at fault; empty when no file is
  std::size_t line = 0;  // 1-based; 0 when no one line is at fault
  QString problem;
};

class Form1 : public QWidget {
  Q_OBJECT

 public:
  using ErrorReporter = std::function<void(const TranslationFailure&)>;

  // The program's window: AppFolder is the folder of the running executable
  // and failures are shown in a message box.
  explicit Form1(QWidget* parent = nullptr);

  // `executable_folder` stands in for the executable's folder, and failures
  // go to `report_error` (a message box when it is empty), so that a test can
  // lay out its own dictionaries and observe failures without a modal dialog.
  Form1(const QString& executable_folder, ErrorReporter report_error, QWidget* parent = nullptr);

  // Fixed by Form_Load; ends with exactly one "/".
  const std::string& AppFolder() const { return AppFolder_; }

  // The user's personal dictionaries, in front of the shipped ones; fixed
  // by Form_Load, and "" when the platform knows no such folder.
  const std::string& PersonalFolder() const { return folders_.personal; }

  // What the menu's commands do; each is also a QAction named as the
  // model's menu table names it ("addWord").
  void Run(model::Command command);
  void OpenFile(const QString& file);
  void SaveResult(const QString& file);

  // How "open the folder" shows a folder; the file manager by default. For
  // tests, which must not start one.
  void SetFolderOpener(std::function<bool(const QString&)> open) { open_folder_ = std::move(open); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A text file dropped anywhere on the window opens in the input box, as
  // one dropped on the input box itself does.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Form_Load(const QString& executable_folder);
  // The one place that positions the controls: at start-up and after
  // every change of the window's size.
  void LayOutControls();
  void Command1_Click();
  void ShowFailure(const model::Failure& failure);
  QMenuBar* BuildMenuBar();
  void AddWord();
  void ShowCheckReport();

  // Each control also carries its name as its objectName, for tests and
  // accessibility tools to find it by. They stand in the client area, below
  // the menu bar, where the layout table places them.
  QWidget* client_;
  QPlainTextEdit* Text1;
  QPlainTextEdit* Text2;
  QPushButton* Command1;
  SplitterBar* splitter_;  // in the gap between the top row and Text2

  // The pixels of the height the window has gained that Text1 takes
  // (model::LayOutForm1's split): 0 until the user drags the splitter, then
  // kept while the window lives, whatever its size meanwhile.
  int split_ = 0;
  int split_at_press_ = 0;

  std::string AppFolder_;
  DictionaryFolders folders_;  // the shipped data/ and the personal folder
  ErrorReporter report_error_;
  std::function<bool(const QString&)> open_folder_;
  bool join_lines_ = false;   // Options > Join the lines of a paragraph; off at start
};

}  // namespace mikawase

#endif  // MIKAWASE_APP_FORM1_H_
