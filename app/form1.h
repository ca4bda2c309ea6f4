// Form1: the program's one window. The user types English into Text1,
// presses Command1 ("英和") and reads the rough Japanese in Text2.
//
// The window is a thin layer: it converts the text of its boxes to the
// engine's UTF-8 with CR LF line breaks at one place, calls
// mikawase::Translate, and shows the result or the failure.
#ifndef MIKAWASE_APP_FORM1_H_
#define MIKAWASE_APP_FORM1_H_

#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QResizeEvent;

namespace mikawase {

// "ミカワセ MAJOR.MINOR.REVISION", each number plain decimal.
QString CaptionForVersion(int major, int minor, int revision);

// Why a translation stopped, in the terms a user can act on.
struct TranslationFailure {
  QString file;          // the dictionary at fault; empty when no file is
  std::size_t line = 0;  // 1-based; 0 when no one line is at fault
  QString problem;
};

// The text of the message box: the file, the line and the problem, and that
// the user's text is still there.
QString DescribeFailure(const TranslationFailure& failure);

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
  const std::string& PersonalFolder() const { return personal_folder_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Form_Load(const QString& executable_folder);
  // The one place that positions the controls: at start-up and after
  // every change of the window's size.
  void LayOutControls();
  void Command1_Click();
  void ShowFailure(const TranslationFailure& failure);

  // Each control also carries its name as its objectName, for tests and
  // accessibility tools to find it by.
  QPlainTextEdit* Text1;
  QPlainTextEdit* Text2;
  QPushButton* Command1;

  std::string AppFolder_;
  std::string personal_folder_;
  ErrorReporter report_error_;
};

}  // namespace mikawase

#endif  // MIKAWASE_APP_FORM1_H_
