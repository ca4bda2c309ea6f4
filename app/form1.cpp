#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStringDecoder>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>
#include <utility>

#include "app_folder_for.h"
#include "mikawase/line_breaks.h"
#include "mikawase/version.h"
#include "model/form1_layout.h"
#include "model/form1_texts.h"
#include "model/menu.h"
#include "model/personal_words.h"
#include "splitter_bar.h"
#include "translators.h"
#include "word_dialogs.h"

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

// The one local file dragged, if one file is all that is dragged.
std::optional<QString> DroppedFile(const QMimeData* source) {
  if (source == nullptr || !source->hasUrls() || source->urls().size() != 1) return std::nullopt;
  QUrl url = source->urls().first();
  if (!url.isLocalFile()) return std::nullopt;
  return url.toLocalFile();
}

// A text box that takes a dropped file as a file to open, not as its name.
class TextBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<void(const QString&)> open_dropped_file;

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return (open_dropped_file && DroppedFile(source).has_value()) ||
           QPlainTextEdit::canInsertFromMimeData(source);
  }
  void insertFromMimeData(const QMimeData* source) override {
    if (std::optional<QString> file = DroppedFile(source); file && open_dropped_file) {
      open_dropped_file(*file);
      return;
    }
    QPlainTextEdit::insertFromMimeData(source);
  }
};

QPlainTextEdit* NewTextBox(const QString& name, QWidget* parent) {
  auto* box = new TextBox(parent);
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
      client_(new QWidget(this)),
      Text1(NewTextBox(QStringLiteral("Text1"), client_)),
      Text2(NewTextBox(QStringLiteral("Text2"), client_)),
      Command1(new QPushButton(QStringLiteral("英和"), client_)),
      splitter_(new SplitterBar(client_)),
      report_error_(std::move(report_error)),
      open_folder_([](const QString& folder) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
      }) {
  client_->setObjectName(QStringLiteral("client"));
  Command1->setObjectName(QStringLiteral("Command1"));
  // The result can be selected and copied, not typed over.
  Text2->setReadOnly(true);
  Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  static_cast<TextBox*>(Text1)->open_dropped_file = [this](const QString& file) { OpenFile(file); };
  setAcceptDrops(true);
  splitter_->pressed = [this] {
    split_at_press_ = model::ClampSplit(split_, client_->height(), logicalDpiY());
  };
  splitter_->dragged = [this](int moved) {
    split_ = model::SplitAfterDrag(split_at_press_, moved, client_->height(), logicalDpiY());
    LayOutControls();
  };
  // Enter in a text box starts a new line; it must never press the button.
  Command1->setAutoDefault(false);
  Command1->setDefault(false);

  Command1->setToolTip(Shown(model::kCommand1Tip));
  // The menu bar above, and below it the client area, which opens at the
  // table's size and may grow from there, never shrink.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(BuildMenuBar());
  layout->addWidget(client_);
  QSize size(model::MinimumClientWidth(logicalDpiX()), model::MinimumClientHeight(logicalDpiY()));
  client_->setMinimumSize(size);
  client_->installEventFilter(this);
  resize(size.width(), size.height() + layout->menuBar()->sizeHint().height());
  client_->resize(size);
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

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) LayOutControls();
  return QWidget::eventFilter(watched, event);
}

void Form1::LayOutControls() {
  model::Form1Layout layout =
      model::LayOutForm1(client_->width(), client_->height(), logicalDpiX(), logicalDpiY(), split_);
  Text1->setGeometry(ToQRect(layout.Text1));
  Text2->setGeometry(ToQRect(layout.Text2));
  Command1->setGeometry(ToQRect(layout.Command1));
  splitter_->setGeometry(ToQRect(layout.Splitter));
  splitter_->SetMovable(model::SplitRoom(client_->height(), logicalDpiY()) > 0);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  std::optional<QString> file = DroppedFile(event->mimeData());
  if (!file) return;
  event->acceptProposedAction();
  OpenFile(*file);
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
  model::Command1Outcome outcome =
      model::Command1Action(ToEngineText(*Text1), folders_, join_lines_);
  if (!outcome.translated) return ShowFailure(outcome.failure);
  Text2->setPlainText(FromEngineText(outcome.rendering));
}

void Form1::ShowFailure(const model::Failure& failure) {
  if (report_error_) {
    report_error_({QFile::decodeName(failure.file.c_str()), failure.line,
                   QString::fromStdString(failure.problem)});
    return;
  }
  QMessageBox box(QMessageBox::Critical, windowTitle(),
                  QString::fromStdString(model::DescribeFailure(failure, SayInLocale)),
                  QMessageBox::Ok, this);
  // A bad line of the user's own file: the way to it, from here.
  QPushButton* my_words = nullptr;
  QPushButton* folder = nullptr;
  if (failure.personal) {
    my_words = box.addButton(Shown(model::kOpenMyWords), QMessageBox::ActionRole);
    folder = box.addButton(Shown(model::kOpenFolder), QMessageBox::ActionRole);
    my_words->setObjectName(QStringLiteral("openMyWords"));
    folder->setObjectName(QStringLiteral("openFolder"));
  }
  box.exec();
  if (box.clickedButton() == my_words && my_words != nullptr) Run(model::Command::kMyWords);
  if (box.clickedButton() == folder && folder != nullptr) Run(model::Command::kOpenPersonalFolder);
}

QMenuBar* Form1::BuildMenuBar() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("menuBar"));
  for (const model::Menu& menu : model::Form1Menus()) {
    QMenu* shown = bar->addMenu(Shown(menu.words));
    for (const model::MenuItem& item : menu.items) {
      if (item.command == model::Command::kSeparator) {
        shown->addSeparator();
        continue;
      }
      QAction* action = shown->addAction(Shown(item.words));
      action->setObjectName(QString::fromLatin1(item.name));
      if (*item.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      action->setCheckable(item.checkable);
      model::Command command = item.command;
      connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    }
  }
  return bar;
}

void Form1::Run(model::Command command) {
  switch (command) {
    case model::Command::kOpenFile: {
      QString file = QFileDialog::getOpenFileName(this, Shown(model::kOpenTitle), {},
                                                  Shown(model::kTextFiles));
      if (!file.isEmpty()) OpenFile(file);
      return;
    }
    case model::Command::kSaveResult: {
      QString file = QFileDialog::getSaveFileName(this, Shown(model::kSaveTitle), {},
                                                  Shown(model::kTextFiles));
      if (!file.isEmpty()) SaveResult(file);
      return;
    }
    case model::Command::kCopyResult:
      QGuiApplication::clipboard()->setText(Text2->toPlainText());
      return;
    case model::Command::kExit:
      close();
      return;
    case model::Command::kAddWord:
      AddWord();
      return;
    case model::Command::kMyWords: {
      MyWordsDialog dialog(folders_, ToEngineText(*Text1), this);
      dialog.exec();
      return;
    }
    case model::Command::kOpenPersonalFolder: {
      std::string why = model::MakePersonalFolder(folders_, SayInLocale);
      if (why.empty() && open_folder_(QFile::decodeName(folders_.personal.c_str()))) return;
      if (!why.empty()) QMessageBox::warning(this, windowTitle(), QString::fromStdString(why));
      return;
    }
    case model::Command::kCheckDictionaries:
      ShowCheckReport();
      return;
    case model::Command::kAbout:
      QMessageBox::about(this, Shown(model::kAboutTitle),
                         windowTitle() + QStringLiteral("\n\n") + Shown(model::kAboutText));
      return;
    case model::Command::kJoinLines:
      // The action ticks and unticks itself; the press reads the switch.
      join_lines_ = findChild<QAction*>(QStringLiteral("joinLines"))->isChecked();
      return;
    case model::Command::kSeparator:
      return;
  }
}

// The word to offer: the selection of the box the user is in, else the
// word at the input box's cursor.
void Form1::AddWord() {
  QPlainTextEdit* box = QApplication::focusWidget() == Text2 ? Text2 : Text1;
  QString selection = box->textCursor().selectedText();
  QString text = Text1->toPlainText();
  std::size_t cursor = static_cast<std::size_t>(
      text.left(Text1->textCursor().position()).toUtf8().size());
  std::string key = model::OfferedKey(text.toStdString(), cursor, selection.toStdString());
  AddWordDialog dialog(folders_, ToEngineText(*Text1), "noun", QString::fromStdString(key), {},
                       /*changing=*/false, this);
  dialog.exec();
}

void Form1::OpenFile(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    QMessageBox::warning(this, windowTitle(), Shown(model::kCannotRead) + '\n' + file);
    return;
  }
  QByteArray bytes = in.readAll();
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) {
    QMessageBox::warning(this, windowTitle(), Shown(model::kNotUtf8) + '\n' + file);
    return;
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text1->setPlainText(text);
}

void Form1::SaveResult(const QString& file) {
  QSaveFile out(file);
  QByteArray bytes = Text2->toPlainText().toUtf8();
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    QMessageBox::warning(this, windowTitle(), Shown(model::kCannotWrite) + '\n' + file);
  }
}

void Form1::ShowCheckReport() {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("CheckDialog"));
  dialog.setWindowTitle(Shown(model::kCheckTitle));
  auto* report = new QPlainTextEdit(&dialog);
  report->setObjectName(QStringLiteral("checkReport"));
  report->setReadOnly(true);
  report->setPlainText(QString::fromStdString(model::CheckReport(folders_, SayInLocale)));
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(Shown(model::kClose), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(report);
  layout->addWidget(buttons);
  dialog.resize(640, 360);
  dialog.exec();
}

}  // namespace mikawase
