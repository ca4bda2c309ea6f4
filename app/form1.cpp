#include "form1.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <utility>

#include "app_folder_for.h"
#include "mikawase/line_breaks.h"
#include "mikawase/version.h"
#include "model/form1_layout.h"
#include "model/form1_texts.h"

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

QRect ToQRect(const model::PixelRect& rect) {
  return QRect(rect.left, rect.top, rect.width(), rect.height());
}

}  // namespace

Form1::Form1(QWidget* parent) : Form1(QCoreApplication::applicationDirPath(), {}, parent) {}

Form1::Form1(const QString& executable_folder, ErrorReporter report_error, QWidget* parent)
    : QWidget(parent),
      Text1(NewTextBox(QStringLiteral("Text1"), this)),
      Text2(NewTextBox(QStringLiteral("Text2"), this)),
      Command1(new QPushButton(QStringLiteral("英和"), this)),
      report_error_(std::move(report_error)),
      language_(model::LanguageNamed(QLocale::system().name().toStdString())) {
  Command1->setObjectName(QStringLiteral("Command1"));
  // Enter in a text box starts a new line; it must never press the button.
  Command1->setAutoDefault(false);
  Command1->setDefault(false);

  Command1->setToolTip(QString::fromStdString(model::Command1Tip(language_)));
  // Opens at the table's size and may grow from there, never shrink.
  QSize size(model::MinimumClientWidth(logicalDpiX()), model::MinimumClientHeight(logicalDpiY()));
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
  model::Form1Layout layout = model::LayOutForm1(width(), height(), logicalDpiX(), logicalDpiY());
  Text1->setGeometry(ToQRect(layout.Text1));
  Text2->setGeometry(ToQRect(layout.Text2));
  Command1->setGeometry(ToQRect(layout.Command1));
}

void Form1::Form_Load(const QString& executable_folder) {
  AppFolder_ = AppFolderFor(executable_folder);
  folders_ = model::Form1Folders(AppFolder_);
  setWindowTitle(QString::fromStdString(
      model::CaptionForVersion(kVersionMajor, kVersionMinor, kVersionRevision)));
}

// A failed translation leaves both boxes as they were: the result is shown
// only once Translate has returned it whole. The window stays open, so the
// user can mend the dictionary and press again without retyping anything.
void Form1::Command1_Click() {
  model::Command1Outcome outcome = model::Command1Action(ToEngineText(*Text1), folders_);
  if (!outcome.translated) return ShowFailure(outcome.failure);
  Text2->setPlainText(FromEngineText(outcome.rendering));
}

void Form1::ShowFailure(const model::Failure& failure) {
  if (report_error_) {
    report_error_({QFile::decodeName(failure.file.c_str()), failure.line,
                   QString::fromStdString(failure.problem)});
    return;
  }
  QMessageBox::critical(this, windowTitle(),
                        QString::fromStdString(model::DescribeFailure(failure, language_)));
}

}  // namespace mikawase
