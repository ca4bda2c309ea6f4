#include "form1.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <new>
#include <utility>

#include "app_folder_for.h"
#include "form1_layout.h"
#include "mikawase/app_folder.h"
#include "mikawase/line_breaks.h"
#include "mikawase/translate.h"
#include "mikawase/version.h"
#include "twips.h"

namespace mikawase {

namespace {

// The one place where the boxes' text meets the engine's. Qt's boxes give
// and take LF; the rules need CR LF to put spaces around a line break.
// toPlainText() also turns the line breaks that Shift+Enter makes, and
// no-break spaces, into what the user sees: a line break and a space.
std::string ToEngineText(const QPlainTextEdit& box) {
  return ToCrLf(box.toPlainText().toUtf8().toStdString());
}

QString FromEngineText(const std::string& text) { return QString::fromStdString(CrLfToLf(text)); }

QPlainTextEdit* NewTextBox(const QString& name, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  // Tab belongs to the keyboard's way round the window, not to the text.
  box->setTabChangesFocus(true);
  // A scroll bar only while the text does not fit, so that a mouse can reach
  // the end of a long rendering; lines wrap, so never a horizontal one.
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return box;
}

}  // namespace

QString CaptionForVersion(int major, int minor, int revision) {
  return QStringLiteral("ミカワセ %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString DescribeFailure(const TranslationFailure& failure) {
  QString text = QStringLiteral("The translation stopped.\n\n");
  if (!failure.file.isEmpty()) text += QStringLiteral("File: ") + failure.file + '\n';
  if (failure.line != 0) text += QStringLiteral("Line: ") + QString::number(failure.line) + '\n';
  text += QStringLiteral("Problem: ") + failure.problem + QStringLiteral("\n\n");
  text += QStringLiteral(
      "Your text has been kept. The dictionaries are read again at every press of "
      "\"英和\", so once the problem is put right, press it again.");
  return text;
}

Form1::Form1(QWidget* parent) : Form1(QCoreApplication::applicationDirPath(), {}, parent) {}

Form1::Form1(const QString& executable_folder, ErrorReporter report_error, QWidget* parent)
    : QWidget(parent),
      Text1(NewTextBox(QStringLiteral("Text1"), this)),
      Text2(NewTextBox(QStringLiteral("Text2"), this)),
      Command1(new QPushButton(QStringLiteral("英和"), this)),
      report_error_(std::move(report_error)) {
  Command1->setObjectName(QStringLiteral("Command1"));
  // Enter in a text box starts a new line; it must never press the button.
  Command1->setAutoDefault(false);
  Command1->setDefault(false);

  Command1->setToolTip(QStringLiteral("Translate (Ctrl+Enter)"));
  // Opens at the table's size and may grow from there, never shrink.
  QSize size = TwipsToPixels(kForm1ClientSize, logicalDpiX(), logicalDpiY());
  setMinimumSize(size);
  resize(size);
  LayOutControls();

  // Ctrl+Enter anywhere in the window, on either Enter key, does what the
  // button does; a window shortcut comes before the boxes' own handling of
  // the key, so it types no line break.
  const QKeyCombination kTranslateKeys[] = {
      QKeyCombination(Qt::ControlModifier, Qt::Key_Return),
      QKeyCombination(Qt::ControlModifier, Qt::Key_Enter),
      QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter)};
  for (QKeyCombination keys : kTranslateKeys) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, Command1, &QPushButton::click);
  }

  setTabOrder(Text1, Text2);
  setTabOrder(Text2, Command1);
  Text1->setFocus();

  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  Form_Load(executable_folder);
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutControls();
}

void Form1::LayOutControls() {
  Form1Geometry geometry = Form1LayoutFor(size(), logicalDpiX(), logicalDpiY());
  Text1->setGeometry(geometry.text1);
  Text2->setGeometry(geometry.text2);
  Command1->setGeometry(geometry.command1);
}

void Form1::Form_Load(const QString& executable_folder) {
  AppFolder_ = AppFolderFor(executable_folder);
  personal_folder_ = PersonalDictionaryFolder();
  setWindowTitle(CaptionForVersion(kVersionMajor, kVersionMinor, kVersionRevision));
}

// A failed translation leaves both boxes as they were: the result is shown
// only once Translate has returned it whole. The window stays open, so the
// user can mend the dictionary and press again without retyping anything.
void Form1::Command1_Click() {
  std::string result;
  try {
    result = TranslateWithDictionaries(ToEngineText(*Text1),
                                       {DataFolderOf(AppFolder_), personal_folder_});
  } catch (const TranslationError& error) {
    ShowFailure({QFile::decodeName(error.file().c_str()), error.line(),
                 QString::fromStdString(error.problem())});
    return;
  } catch (const std::bad_alloc&) {
    ShowFailure({{}, 0, QStringLiteral("there is not enough memory to translate this text")});
    return;
  }
  Text2->setPlainText(FromEngineText(result));
}

void Form1::ShowFailure(const TranslationFailure& failure) {
  if (report_error_) {
    report_error_(failure);
    return;
  }
  QMessageBox::critical(this, windowTitle(), DescribeFailure(failure));
}

}  // namespace mikawase
