// Form1 driven the way a user drives it: typing, clicking, pressing keys,
// with dictionaries of the test's own in a data/ folder beside a stand-in
// for the executable.
#include "form1.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <memory>

#include "app_folder_for.h"
#include "mikawase/version.h"
#include "model/form1_texts.h"
#include "translators.h"
#include "word_dialogs.h"

namespace mikawase {
namespace {

// One dictionary line: the key padded to 15 characters, the value in CP932.
QByteArray Line(const char* key, const QByteArray& value) {
  return QByteArray(key).leftJustified(15, ' ') + value + "\r\n";
}

const QByteArray kCat = "\x94\x4c";            // 猫
const QByteArray kDog = "\x8c\xa2";            // 犬
const QByteArray kBlack = "\x8d\x95\x82\xa2";  // 黒い
const QByteArray kNouns = Line("cat", kCat) + Line("dog", kDog);
const QByteArray kAdjectives = Line("black", kBlack);

// A menu's or an item's text without the Alt key's mark: "&File",
// "ファイル(&F)" and "元に戻す(&U)" lose it.
QString WithoutAltKey(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove('&');
}

// A stand-in for the program's folder, holding data/ with the three
// dictionaries.
class ProgramFolder {
 public:
  ProgramFolder() {
    QDir(scratch_.path()).mkpath(QStringLiteral("program/data"));
    WriteAll();
  }
  bool isValid() const { return scratch_.isValid(); }
  QString path() const { return scratch_.path() + QStringLiteral("/program"); }
  QString dataFolder() const { return path() + QStringLiteral("/data"); }

  void Write(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(dataFolder());
    QFile file(dataFolder() + '/' + name);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
  }
  void WriteAll() {
    Write(QStringLiteral("noun.txt"), kNouns);
    Write(QStringLiteral("adjective.txt"), kAdjectives);
    Write(QStringLiteral("rome.txt"), {});
  }

 private:
  QTemporaryDir scratch_;
};

// $XDG_DATA_HOME as a fresh folder of its own while the object lives, so
// that the user's words of a test go nowhere else.
class PersonalHome {
 public:
  PersonalHome() : saved_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", home_.path().toUtf8());
  }
  ~PersonalHome() { qputenv("XDG_DATA_HOME", saved_); }
  QString folder() const { return home_.path() + QStringLiteral("/mikawase/"); }

 private:
  QTemporaryDir home_;
  QByteArray saved_;
};

// Runs `handle` on the next modal dialog once it is open, as a user would
// answer it; `handle` must close it.
template <typename Dialog, typename Handle>
void WhenOpen(Handle handle) {
  QTimer::singleShot(0, [handle] {
    QTRY_VERIFY(qobject_cast<Dialog*>(QApplication::activeModalWidget()) != nullptr);
    handle(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
  });
}

// A window over a ProgramFolder that records failures instead of showing them.
struct Window {
  ProgramFolder folder;
  QList<TranslationFailure> failures;
  std::unique_ptr<Form1> form;
  QPlainTextEdit* Text1 = nullptr;
  QPlainTextEdit* Text2 = nullptr;
  QPushButton* Command1 = nullptr;
  QWidget* client = nullptr;  // the area below the menu bar that holds the controls

  // Without `record_failures`, failures take the program's own way: a
  // message box.
  explicit Window(bool record_failures = true) {
    Form1::ErrorReporter reporter;
    if (record_failures) {
      reporter = [this](const TranslationFailure& failure) { failures.append(failure); };
    }
    form = std::make_unique<Form1>(folder.path(), reporter);
    Text1 = form->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    Text2 = form->findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    Command1 = form->findChild<QPushButton*>(QStringLiteral("Command1"));
    client = form->findChild<QWidget*>(QStringLiteral("client"));
  }
  int MenuHeight() const { return form->height() - client->height(); }
  bool Show() {
    form->show();
    return QTest::qWaitForWindowExposed(form.get()) && Text1 && Text2 && Command1 && client;
  }
  void Press() { QTest::mouseClick(Command1, Qt::LeftButton); }
  void Choose(const char* command) {
    QAction* action = form->findChild<QAction*>(QString::fromLatin1(command));
    QVERIFY2(action != nullptr, command);
    action->trigger();
  }
};

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  // As the program does: the window's translations from translations/
  // beside the executable (the build puts them beside the tests too), Qt's
  // from Qt's folder, for the locale the test runs under.
  void initTestCase() {
    InstallTranslators(QCoreApplication::instance(),
                       AppFolderFor(QCoreApplication::applicationDirPath()));
  }

  void captionCarriesTheVersion() {
    Window window;
    QCOMPARE(window.form->windowTitle(),
             QStringLiteral("ミカワセ ") + QString::fromLatin1(kVersionString));
  }

  // The offscreen screen reports 96 DPI, where the layout is whole pixels.
  void geometryAt96Dpi() {
    Window window;
    QVERIFY(window.Show());
    QCOMPARE(window.form->logicalDpiX(), 96);
    QCOMPARE(window.form->logicalDpiY(), 96);
    // The client area below the menu bar is the table's; the menu bar
    // adds its own height, as a system menu bar would outside it.
    QCOMPARE(window.client->size(), QSize(399, 310));
    QCOMPARE(window.client->geometry().bottom(), window.form->height() - 1);
    QCOMPARE(window.form->size(), QSize(399, 310 + window.MenuHeight()));
    QCOMPARE(window.form->minimumSize(), QSize(399, 310 + window.MenuHeight()));
    QCOMPARE(window.Text1->geometry(), QRect(8, 8, 313, 65));
    QCOMPARE(window.Text2->geometry(), QRect(8, 80, 385, 225));
    QCOMPARE(window.Command1->geometry(), QRect(328, 8, 65, 65));
    QCOMPARE(window.Command1->text(), QStringLiteral("英和"));
  }

  void appFolderIsTheRealExecutableFolder() {
    Form1 form;
    QString real = QFileInfo(QStringLiteral(MIKAWASE_TEST_REAL_FOLDER)).canonicalFilePath();
    QCOMPARE(QString::fromStdString(form.AppFolder()), real + '/');
  }

  void clickTranslatesTheInputBox_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("built-in rules") << "I like you."
                                    << "私が好きなのはあなた。";
    QTest::newRow("nouns from data/") << "cat dog"
                                      << "猫犬";
    QTest::newRow("plural nouns") << "cats cats"
                                  << "猫猫";
    QTest::newRow("adjectives from data/") << "I like black cats."
                                           << "私が好きなのは黒い猫。";
    QTest::newRow("lines stay lines") << "I like you.\nYou like me."
                                      << "私が好きなのはあなた。\nあなたが好きなのは私。";
    QTest::newRow("a trailing line break stays") << "I like you.\n"
                                                 << "私が好きなのはあなた。\n";
    QTest::newRow("Shift+Enter line break") << QStringLiteral("I like you.\u2028You like me.")
                                            << "私が好きなのはあなた。\nあなたが好きなのは私。";
  }
  void clickTranslatesTheInputBox() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(input);
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), output);
    QCOMPARE(window.Text1->toPlainText(), QString(input).replace(QChar::LineSeparator, '\n'));
    QVERIFY(window.failures.isEmpty());
  }

  // The user's own noun.txt, in $XDG_DATA_HOME/mikawase, takes the word
  // before the shipped one; without it the shipped one acts.
  void personalDictionaryTakesTheWordFirst() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("mikawase"));
    QFile personal(home.path() + QStringLiteral("/mikawase/noun.txt"));
    QVERIFY(personal.open(QIODevice::WriteOnly));
    personal.write(Line("cat", "\x83\x6c\x83\x52"));  // ネコ
    personal.close();
    {
      Window window;
      QVERIFY(window.Show());
      QCOMPARE(QString::fromStdString(window.form->PersonalFolder()),
               home.path() + QStringLiteral("/mikawase/"));
      window.Text1->setPlainText(QStringLiteral("The cat and the dog."));
      window.Press();
      QCOMPARE(window.Text2->toPlainText(), QStringLiteral("そのネコそしてその犬。"));
      personal.remove();
      window.Press();
      QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その猫そしてその犬。"));
    }
    qputenv("XDG_DATA_HOME", saved);
  }

  void emptyInputEmptiesTheOutputBox() {
    Window window;
    QVERIFY(window.Show());
    window.Text2->setPlainText(QStringLiteral("an earlier result"));
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QString());
  }

  void twoPressesGiveTheSameResult() {
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("The dog is black."));
    window.Press();
    QString first = window.Text2->toPlainText();
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), first);
    QCOMPARE(first, QStringLiteral("その犬黒い。"));
  }

  // Each way a dictionary can be wrong: the failure names the file and the
  // line, both boxes keep their text, the window stays, and once the file is
  // put right the next press works.
  void brokenDictionaryIsReportedAndRecoverable_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::newRow("noun.txt missing") << "noun.txt" << true << QByteArray() << 0;
    QTest::newRow("short second line") << "adjective.txt" << false << kAdjectives + "red\r\n" << 2;
    QTest::newRow("empty last line") << "rome.txt" << false << QByteArray("\r\n") << 1;
    QTest::newRow("saved as UTF-8")
        << "noun.txt" << false << QByteArray("cat            \xE7\x8C\xAB\r\n") << 1;
    QTest::newRow("bytes that are not CP932")
        << "noun.txt" << false << kNouns + Line("bird", "\x85\x40") << 3;
  }
  void brokenDictionaryIsReportedAndRecoverable() {
    QFETCH(QString, file);
    QFETCH(bool, remove);
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("I like black cats."));
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("私が好きなのは黒い猫。"));

    window.Text1->setPlainText(QStringLiteral("The dog is black."));
    if (remove) {
      QVERIFY(QFile::remove(window.folder.dataFolder() + '/' + file));
    } else {
      window.folder.Write(file, bytes);
    }
    window.Press();

    QCOMPARE(window.failures.size(), 1);
    const TranslationFailure& failure = window.failures.first();
    QCOMPARE(failure.file, QString::fromStdString(window.form->AppFolder()) + "data/" + file);
    QCOMPARE(failure.line, std::size_t(line));
    QVERIFY(!failure.problem.isEmpty());
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("The dog is black."));
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("私が好きなのは黒い猫。"));
    QVERIFY(window.form->isVisible());

    window.folder.WriteAll();
    window.Press();
    QCOMPARE(window.failures.size(), 1);
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その犬黒い。"));
  }

  // Without a reporter of its own the window shows a message box; once it
  // is closed the window is still there and usable.
  void defaultReportIsAMessageBoxThatLeavesTheWindowOpen() {
    Window window(/*record_failures=*/false);
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("cat"));
    window.folder.Write(QStringLiteral("adjective.txt"), kAdjectives + "short\r\n");

    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shown = box->text();
      box->accept();
    });
    window.Press();

    QVERIFY2(shown.contains(window.folder.dataFolder() + "/adjective.txt"), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Line: 2")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("15 characters")), qPrintable(shown));
    QVERIFY(window.form->isVisible());
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("cat"));
    QCOMPARE(window.Text2->toPlainText(), QString());

    window.folder.WriteAll();
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("猫"));
  }

  // The keyboard alone: the input box has the focus at first, Enter starts
  // a new line instead of pressing the button, Tab goes round the controls
  // in order and Space presses the button.
  void keyboardUse() {
    Window window;
    QVERIFY(window.Show());
    window.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    QCOMPARE(QApplication::focusWidget(), window.Text1);

    QTest::keyClicks(window.Text1, QStringLiteral("I like you."));
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("I like you.\n"));
    QCOMPARE(window.Text2->toPlainText(), QString());
    QTest::keyClick(window.Text1, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(window.Text1, QStringLiteral("You like me."));

    QTest::keyClick(window.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.Text2);
    QTest::keyClick(window.Text2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.Command1);
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("I like you.\n\nYou like me."));
    QCOMPARE(window.Text2->toPlainText(), QString());

    QTest::keyClick(window.Command1, Qt::Key_Space);
    QCOMPARE(window.Text2->toPlainText(),
             QStringLiteral("私が好きなのはあなた。\n\nあなたが好きなのは私。"));
    QTest::keyClick(window.Command1, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), window.Text2);
  }

  // Long lines wrap, also a word longer than the box and Japanese, which has
  // no spaces to break at.
  void longLinesWrap_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("one long word") << QString(300, 'x');
    QTest::newRow("Japanese") << QStringLiteral("私が好きなのはあなた。").repeated(30);
  }
  void longLinesWrap() {
    QFETCH(QString, text);
    Window window;
    QVERIFY(window.Show());
    window.Text2->setPlainText(text);
    QCoreApplication::processEvents();
    QTextBlock block = window.Text2->document()->firstBlock();
    QVERIFY(block.layout()->lineCount() > 1);
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      QVERIFY(block.layout()->lineAt(i).naturalTextWidth() <= window.Text2->viewport()->width());
    }
  }

  // A larger window gives the boxes the room: Text1 wider, the button
  // along at its right, Text2 wider and taller; the gaps to the edges stay
  // (8 px left and top, 6 right, 5 below Text2, 7 between Text1 and the
  // button, 7 between the rows). Never smaller than the opening size.
  void layoutAfterResize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("expected_size");
    QTest::addColumn<QRect>("text1");
    QTest::addColumn<QRect>("command1");
    QTest::addColumn<QRect>("text2");
    QTest::newRow("the opening size") << QSize(399, 310) << QSize(399, 310)
                                      << QRect(8, 8, 313, 65) << QRect(328, 8, 65, 65)
                                      << QRect(8, 80, 385, 225);
    QTest::newRow("900 x 700") << QSize(900, 700) << QSize(900, 700) << QRect(8, 8, 814, 65)
                               << QRect(829, 8, 65, 65) << QRect(8, 80, 886, 615);
    QTest::newRow("wider only") << QSize(640, 310) << QSize(640, 310) << QRect(8, 8, 554, 65)
                                << QRect(569, 8, 65, 65) << QRect(8, 80, 626, 225);
    QTest::newRow("smaller than the minimum") << QSize(200, 150) << QSize(399, 310)
                                              << QRect(8, 8, 313, 65) << QRect(328, 8, 65, 65)
                                              << QRect(8, 80, 385, 225);
  }
  void layoutAfterResize() {
    QFETCH(QSize, size);
    QFETCH(QSize, expected_size);
    QFETCH(QRect, text1);
    QFETCH(QRect, command1);
    QFETCH(QRect, text2);
    Window window;
    QVERIFY(window.Show());
    window.form->resize(size + QSize(0, window.MenuHeight()));
    QCoreApplication::processEvents();
    QCOMPARE(window.client->size(), expected_size);
    QCOMPARE(window.Text1->geometry(), text1);
    QCOMPARE(window.Command1->geometry(), command1);
    QCOMPARE(window.Text2->geometry(), text2);
  }

  // Ctrl+Enter, on either Enter key and wherever the focus is, does what
  // the button does, and types nothing; Enter alone still breaks the line.
  void ctrlEnterTranslates_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("in Text1, Return") << "Text1" << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("in Text1, keypad Enter")
        << "Text1" << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
    QTest::newRow("in Text2") << "Text2" << int(Qt::Key_Return) << int(Qt::ControlModifier);
    QTest::newRow("on the button") << "Command1" << int(Qt::Key_Return) << int(Qt::ControlModifier);
  }
  void ctrlEnterTranslates() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Window window;
    QVERIFY(window.Show());
    window.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
    QTest::keyClicks(window.Text1, QStringLiteral("I like you."));
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QTest::keyClicks(window.Text1, QStringLiteral("Hello, Japan!"));
    QWidget* target = window.form->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("私が好きなのはあなた。\nこんにちは、日本！"));
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("I like you.\nHello, Japan!"));
    QVERIFY(window.Command1->toolTip().contains(QStringLiteral("Ctrl+Enter")));
  }

  // A vertical scroll bar only while the text does not fit; lines wrap, so
  // never a horizontal one.
  void scrollBarOnlyWhileTheTextDoesNotFit() {
    Window window;
    QVERIFY(window.Show());
    for (QPlainTextEdit* box : {window.Text1, window.Text2}) {
      box->setPlainText(QStringLiteral("line"));
      QCoreApplication::processEvents();
      QVERIFY(!box->verticalScrollBar()->isVisible());
      box->setPlainText(QStringLiteral("line\n").repeated(100) + QString(500, 'x'));
      QCoreApplication::processEvents();
      QVERIFY(box->verticalScrollBar()->isVisible());
      QVERIFY(!box->horizontalScrollBar()->isVisible());
    }
  }

  // The menu bar names its menus in the language of the locale the test
  // runs under: the test is run once in English and once in Japanese, each
  // with the titles it expects. Qt's own words follow the same locale: the
  // boxes' standard context menu, through Qt's translations.
  void menuBarSpeaksTheLocalesLanguage() {
    Window window;
    QVERIFY(window.Show());
    QStringList titles;
    for (QAction* menu : window.form->findChild<QMenuBar*>(QStringLiteral("menuBar"))->actions()) {
      titles << WithoutAltKey(menu->text());
    }
    QString expected =
        qEnvironmentVariable("MIKAWASE_TEST_MENU_TITLES", "File,Dictionary,Options,Help");
    QCOMPARE(titles.join(','), expected);
    bool japanese = expected.startsWith(QStringLiteral("ファイル"));
    QCOMPARE(window.Command1->toolTip(), japanese ? QStringLiteral("英和に訳す (Ctrl+Enter)")
                                                  : QStringLiteral("Translate (Ctrl+Enter)"));
    QStringList items;
    std::unique_ptr<QMenu> context(window.Text1->createStandardContextMenu());
    for (QAction* item : context->actions()) {
      if (!item->isSeparator()) items << WithoutAltKey(item->text()).section('\t', 0, 0);
    }
    QStringList expected_items =
        japanese ? QStringList{QStringLiteral("元に戻す"), QStringLiteral("切り取り"),
                               QStringLiteral("コピー"), QStringLiteral("すべてを選択")}
                 : QStringList{QStringLiteral("Undo"), QStringLiteral("Cut"),
                               QStringLiteral("Copy"), QStringLiteral("Select All")};
    for (const QString& item : expected_items) {
      QVERIFY2(items.contains(item), qPrintable(items.join(',')));
    }
  }

  // The message for a failed translation, said in the locale's language
  // from the kind of failure, with the file and line kept; the engine's
  // English stays beside it for its details.
  void failureSpeaksTheLocalesLanguage() {
    model::Failure failure{"/d/noun.txt", 4, "the line is 3 characters long", false,
                           ErrorKind::kShortLine};
    QString text = QString::fromStdString(model::DescribeFailure(failure, SayInLocale));
    bool japanese = QLocale::system().name().startsWith(QStringLiteral("ja"));
    const QString kParts[] = {
        japanese ? QStringLiteral("ファイル: /d/noun.txt\n行: 4\n問題: 行が15文字に足りません")
                 : QStringLiteral("File: /d/noun.txt\nLine: 4\nProblem: the line is 3"),
        japanese ? QStringLiteral("(the line is 3 characters long)")
                 : QStringLiteral("Your text has been kept"),
    };
    for (const QString& part : kParts) QVERIFY2(text.contains(part), qPrintable(text));
  }

  // A word from the selection into the user's noun.txt, seen in a preview,
  // then at the next press; listed; removed; gone at the next press.
  void addListAndRemoveAWordFromTheMenu() {
    PersonalHome home;
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("The cat and a laptop."));
    window.Press();
    QString before = window.Text2->toPlainText();
    QVERIFY2(!before.contains(QStringLiteral("ノートパソコン")), qPrintable(before));
    QTextCursor cursor = window.Text1->textCursor();
    cursor.setPosition(14);
    cursor.setPosition(20, QTextCursor::KeepAnchor);
    window.Text1->setTextCursor(cursor);

    QString preview;
    WhenOpen<AddWordDialog>([&preview](AddWordDialog* dialog) {
      auto* key = dialog->findChild<QLineEdit*>(QStringLiteral("key"));
      QCOMPARE(key->text(), QStringLiteral("laptop"));
      QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("kind"))->currentText(),
               QStringLiteral("Noun"));
      // As an input method would commit it: QTest types only ASCII.
      dialog->findChild<QLineEdit*>(QStringLiteral("value"))->insert(QStringLiteral("ノートパソコン"));
      preview = dialog->findChild<QLabel*>(QStringLiteral("preview"))->text();
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
    });
    window.Choose("addWord");
    QCOMPARE(preview, QStringLiteral("その猫そして一つのノートパソコン。"));
    QFile file(home.folder() + QStringLiteral("noun.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Line("laptop", "\x83\x6d\x81\x5b\x83\x67\x83\x70\x83\x5c\x83\x52\x83\x93"));
    file.close();
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), preview);

    int listed = -1;
    QString key;
    WhenOpen<MyWordsDialog>([&listed, &key](MyWordsDialog* dialog) {
      auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("entries"));
      listed = table->rowCount();
      key = table->item(0, 1)->text();
      dialog->RemoveRow(0, /*ask=*/false);
      QCOMPARE(table->rowCount(), 0);
      dialog->accept();
    });
    window.Choose("myWords");
    QCOMPARE(listed, 1);
    QCOMPARE(key, QStringLiteral("laptop"));
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), before);
  }

  // The same refusals as the filter's: an emptied value cannot be saved,
  // and a capital in a noun's key is refused with the reason.
  void theAddDialogRefusesWithTheReason() {
    PersonalHome home;
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("Ice is cold."));
    QStringList problems;
    QList<bool> savable;
    WhenOpen<AddWordDialog>([&](AddWordDialog* dialog) {
      auto* key = dialog->findChild<QLineEdit*>(QStringLiteral("key"));
      auto* value = dialog->findChild<QLineEdit*>(QStringLiteral("value"));
      auto* save = dialog->findChild<QPushButton*>(QStringLiteral("save"));
      auto* shown = dialog->findChild<QLabel*>(QStringLiteral("problems"));
      QCOMPARE(key->text(), QStringLiteral("ice"));  // the word at the cursor, lowercased
      value->insert(QStringLiteral("氷"));
      savable << save->isEnabled();
      QTest::keyClick(value, Qt::Key_Backspace);
      savable << save->isEnabled();
      problems << shown->text();
      key->setText(QStringLiteral("Ice"));
      value->insert(QStringLiteral("氷"));
      savable << save->isEnabled();
      problems << shown->text();
      dialog->reject();
    });
    window.Text1->moveCursor(QTextCursor::Start);
    window.Choose("addWord");
    QCOMPARE(savable, (QList<bool>{true, false, false}));
    QCOMPARE(problems.size(), 2);
    QVERIFY2(problems[0].contains(QStringLiteral("the value is empty")), qPrintable(problems[0]));
    QVERIFY2(problems[1].contains(QStringLiteral("capital letters")), qPrintable(problems[1]));
    QVERIFY(!QFile::exists(home.folder() + QStringLiteral("noun.txt")));
  }

  // A bad line of the user's own file: the message names file and line and
  // offers the list of the user's words, which names the line too.
  void aBadPersonalLineOffersTheListOfWords() {
    PersonalHome home;
    QDir().mkpath(home.folder());
    QFile bad(home.folder() + QStringLiteral("noun.txt"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(Line("cat", kCat) + "short\r\n");
    bad.close();
    Window window(/*record_failures=*/false);
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("cat"));
    QString message, notes;
    WhenOpen<QMessageBox>([&message, &notes](QMessageBox* box) {
      message = box->text();
      WhenOpen<MyWordsDialog>([&notes](MyWordsDialog* dialog) {
        notes = dialog->findChild<QLabel*>(QStringLiteral("notes"))->text();
        dialog->accept();
      });
      QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("openMyWords")), Qt::LeftButton);
    });
    window.Press();
    QTRY_VERIFY(!notes.isEmpty());
    QVERIFY2(message.contains(home.folder() + QStringLiteral("noun.txt")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("Line: 2")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("your own words")), qPrintable(message));
    QVERIFY2(notes.contains(home.folder() + QStringLiteral("noun.txt:2:")), qPrintable(notes));
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("cat"));
  }

  void theFolderIsMadeAndShownAndTheCheckReported() {
    PersonalHome home;
    Window window;
    QVERIFY(window.Show());
    QStringList opened;
    window.form->SetFolderOpener([&opened](const QString& folder) {
      opened << folder;
      return true;
    });
    window.Choose("openPersonalFolder");
    QCOMPARE(opened, QStringList{home.folder()});
    QVERIFY(QDir(home.folder()).exists());

    window.folder.Write(QStringLiteral("adjective.txt"), kAdjectives + Line("Red", "\x90\xd4"));
    QString report;
    WhenOpen<QDialog>([&report](QDialog* dialog) {
      report = dialog->findChild<QPlainTextEdit*>(QStringLiteral("checkReport"))->toPlainText();
      dialog->accept();
    });
    window.Choose("checkDictionaries");
    QVERIFY2(report.contains(window.folder.dataFolder() + QStringLiteral("/adjective.txt:2: warning: ")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("checked 3 dictionary files: 0 errors, 1 warnings")),
             qPrintable(report));
  }

  // Off at start, so that a rendering is as it always was; on, a paragraph
  // wrapped by hand reads as one.
  void joiningLinesIsASwitchOffAtStart() {
    Window window;
    QVERIFY(window.Show());
    window.Text1->setPlainText(QStringLiteral("The black\ncat."));
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その黒い\n猫。"));
    window.Choose("joinLines");
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その黒い猫。"));
    window.Choose("joinLines");
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その黒い\n猫。"));
  }

  // The splitter in the gap below the top row gives Text1 what the mouse
  // moves, out of the height the window has gained, and never takes a box
  // below its opening height; the split is kept while the window changes
  // size, and the text stays as it was.
  void draggingTheSplitterSharesTheHeight() {
    Window window;
    QVERIFY(window.Show());
    QWidget* splitter = window.client->findChild<QWidget*>(QStringLiteral("splitter"));
    QVERIFY(splitter != nullptr);
    QCOMPARE(splitter->geometry(), QRect(8, 73, 385, 7));
    // Nothing to share at the opening size: no drag offered.
    QCOMPARE(splitter->cursor().shape(), Qt::ArrowCursor);
    window.Text1->setPlainText(QStringLiteral("I like you."));
    auto drag = [splitter](int moved) {
      QPoint from(100, 3);
      QTest::mousePress(splitter, Qt::LeftButton, {}, from);
      QTest::mouseMove(splitter, from + QPoint(0, moved));
      QTest::mouseRelease(splitter, Qt::LeftButton, {}, from + QPoint(0, moved));
    };
    drag(50);
    QCOMPARE(window.Text1->height(), 65);

    window.form->resize(900, 700 + window.MenuHeight());
    QTRY_COMPARE(window.client->size(), QSize(900, 700));
    QCOMPARE(splitter->cursor().shape(), Qt::SizeVerCursor);
    const struct {
      int moved, text1_height, text2_height;
    } kDrags[] = {{100, 165, 515}, {-30, 135, 545}, {-500, 65, 615}, {1000, 455, 225}, {-90, 365, 315}};
    for (const auto& d : kDrags) {
      drag(d.moved);
      QCOMPARE(window.Text1->height(), d.text1_height);
      QCOMPARE(window.Text2->height(), d.text2_height);
      QCOMPARE(window.Text2->geometry().top() - window.Text1->geometry().bottom() - 1, 7);
      QCOMPARE(splitter->geometry().top(), window.Text1->geometry().bottom() + 1);
      QCOMPARE(window.Command1->geometry(), QRect(829, 8, 65, 65));
    }
    // Smaller, the split gives way; larger again, it is as the user left it.
    window.form->resize(900, 400 + window.MenuHeight());
    QTRY_COMPARE(window.client->size(), QSize(900, 400));
    QCOMPARE(window.Text1->height(), 155);
    QCOMPARE(window.Text2->height(), 225);
    window.form->resize(900, 700 + window.MenuHeight());
    QTRY_COMPARE(window.client->size(), QSize(900, 700));
    QCOMPARE(window.Text1->height(), 365);
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("I like you."));
  }

  // A text file dropped anywhere on the window, the input box, the output
  // box or the button, opens in the input box; anything but one local file
  // is refused where no box takes it.
  void aDroppedFileOpensInTheInputBox_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("on the input box") << "Text1";
    QTest::newRow("on the output box") << "Text2";
    QTest::newRow("on the button") << "Command1";
  }
  void aDroppedFileOpensInTheInputBox() {
    QFETCH(QString, target);
    Window window;
    QVERIFY(window.Show());
    QTemporaryDir scratch;
    QString text_file = scratch.path() + QStringLiteral("/入力 テキスト.txt");
    QFile in(text_file);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("The black cat.\r\nI like you.\r\n");
    in.close();
    QWidget* under = window.form->findChild<QWidget*>(target);
    QVERIFY(under != nullptr);
    QPoint at = under->mapTo(window.form.get(), under->rect().center());

    // As the platform hands a drag to the window: it finds the widget under
    // the mouse that takes drops.
    auto drop = [&window, at](QMimeData* data) {
      QWindow* handle = window.form->windowHandle();
      QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(handle, &enter);
      // The platform offers each move as accepted while the last answer was.
      QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, {});
      move.setAccepted(enter.isAccepted());
      QCoreApplication::sendEvent(handle, &move);
      bool taken = move.isAccepted();
      QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(handle, &dropped);
      return taken && dropped.isAccepted();
    };
    QMimeData two_files;
    two_files.setUrls({QUrl::fromLocalFile(text_file), QUrl::fromLocalFile(text_file)});
    if (target != QStringLiteral("Text1")) QVERIFY(!drop(&two_files));
    QCOMPARE(window.Text1->toPlainText(), QString());

    QMimeData one_file;
    one_file.setUrls({QUrl::fromLocalFile(text_file)});
    QVERIFY(drop(&one_file));
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("The black cat.\nI like you.\n"));
    window.Press();
    QCOMPARE(window.Text2->toPlainText(), QStringLiteral("その黒い猫。\n私が好きなのはあなた。\n"));
  }

  // A UTF-8 file into the input box (its byte-order mark and CR LF dropped),
  // a file that is not UTF-8 refused; the result saved as UTF-8; and the
  // result box takes no typing.
  void openSaveAndAReadOnlyResult() {
    Window window;
    QVERIFY(window.Show());
    QTemporaryDir scratch;
    QString text_file = scratch.path() + QStringLiteral("/in.txt");
    QFile in(text_file);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("\xEF\xBB\xBFThe black cat.\r\nThe dog.\r\n");
    in.close();
    window.form->OpenFile(text_file);
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("The black cat.\nThe dog.\n"));
    QVERIFY(in.open(QIODevice::WriteOnly | QIODevice::Truncate));
    in.write("caf\xE9");
    in.close();
    QString refused;
    WhenOpen<QMessageBox>([&refused](QMessageBox* box) {
      refused = box->text();
      box->accept();
    });
    window.form->OpenFile(text_file);
    QVERIFY2(refused.contains(QStringLiteral("not UTF-8")), qPrintable(refused));
    QCOMPARE(window.Text1->toPlainText(), QStringLiteral("The black cat.\nThe dog.\n"));

    window.Press();
    QString result = window.Text2->toPlainText();
    QCOMPARE(result, QStringLiteral("その黒い猫。\nその犬。\n"));
    QTest::keyClicks(window.Text2, QStringLiteral("typed"));
    QCOMPARE(window.Text2->toPlainText(), result);
    window.form->SaveResult(scratch.path() + QStringLiteral("/out.txt"));
    QFile out(scratch.path() + QStringLiteral("/out.txt"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), result.toUtf8());
  }
};

}  // namespace mikawase

QTEST_MAIN(mikawase::Form1Test)
#include "form1_test.moc"
