// AppFolder: the executable's real folder with exactly one trailing "/".
#include "app_folder_for.h"

#include <QtTest>
#include <string>

namespace mikawase {

class AppFolderForTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(scratch_.isValid());
    // Canonical already, so that expectations need no resolving of their own.
    root_ = QFileInfo(scratch_.path()).canonicalFilePath();
    QVERIFY(QDir(root_).mkpath(QStringLiteral("real/program")));
    QVERIFY(QDir(root_).mkpath(QStringLiteral("辞書")));
    QVERIFY(QFile::link(root_ + QStringLiteral("/real/program"), root_ + QStringLiteral("/link")));
    QVERIFY(
        QFile::link(root_ + QStringLiteral("/real"), root_ + QStringLiteral("/link-to-parent")));
  }

  void endsWithOneSeparator_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the root folder keeps its one slash") << "/"
                                                         << "/";
    QTest::newRow("a folder gets a slash") << root_ + "/real/program" << root_ + "/real/program/";
    QTest::newRow("a trailing slash is not doubled")
        << root_ + "/real/program/" << root_ + "/real/program/";
    QTest::newRow("doubled slashes become one")
        << root_ + "//real//program//" << root_ + "/real/program/";
    QTest::newRow("a symlinked folder resolves to the real one")
        << root_ + "/link" << root_ + "/real/program/";
    QTest::newRow("a symlink higher up resolves too")
        << root_ + "/link-to-parent/program" << root_ + "/real/program/";
    QTest::newRow("dot-dot is resolved") << root_ + "/real/program/.." << root_ + "/real/";
    QTest::newRow("a folder that does not exist is kept") << "/no/such/mikawase/folder"
                                                          << "/no/such/mikawase/folder/";
  }
  void endsWithOneSeparator() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(AppFolderFor(folder)), expected);
  }

  // The engine opens files by these bytes, so a folder with Japanese in its
  // name must come out as the file system spells it.
  void namesAreFileSystemBytes() {
    std::string expected = QFile::encodeName(root_).toStdString() + "/\xE8\xBE\x9E\xE6\x9B\xB8/";
    QCOMPARE(AppFolderFor(root_ + QStringLiteral("/辞書")), expected);
  }

 private:
  QTemporaryDir scratch_;
  QString root_;
};

}  // namespace mikawase

QTEST_APPLESS_MAIN(mikawase::AppFolderForTest)
#include "app_folder_for_test.moc"
