// The layout in twips, converted to pixels.
#include "twips.h"

#include <QtTest>

#include "form1_layout.h"

namespace mikawase {

class TwipsTest : public QObject {
  Q_OBJECT

 private slots:
  void convertsLengths_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel at 96 DPI") << 15 << 96.0 << 1;
    QTest::newRow("an inch at 120 DPI") << 1440 << 120.0 << 120;
    QTest::newRow("less than half a pixel") << 7 << 96.0 << 0;
    QTest::newRow("more than half a pixel") << 8 << 96.0 << 1;
    QTest::newRow("a quarter pixel over at 120 DPI") << 975 << 120.0 << 81;
    QTest::newRow("half a pixel rounds up") << 5985 << 144.0 << 599;
  }
  void convertsLengths() {
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips, dpi), pixels);
  }

  // The window's figures at 96 DPI, in pixels, as the design gives them.
  void layoutAt96Dpi_data() {
    QTest::addColumn<QRect>("actual");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("Text1") << TwipsToPixels(kText1Rect, 96, 96) << QRect(8, 8, 313, 65);
    QTest::newRow("Text2") << TwipsToPixels(kText2Rect, 96, 96) << QRect(8, 80, 385, 225);
    QTest::newRow("Command1") << TwipsToPixels(kCommand1Rect, 96, 96) << QRect(328, 8, 65, 65);
  }
  void layoutAt96Dpi() {
    QFETCH(QRect, actual);
    QFETCH(QRect, expected);
    QCOMPARE(actual, expected);
  }

  void clientSizeAt96Dpi() { QCOMPARE(TwipsToPixels(kForm1ClientSize, 96, 96), QSize(399, 310)); }

  void clientSizeFollowsEachAxisOwnDpi() {
    QCOMPARE(TwipsToPixels(kForm1ClientSize, 192, 96), QSize(798, 310));
    QCOMPARE(TwipsToPixels(kText2Rect, 96, 192), QRect(8, 160, 385, 450));
  }

  // Edges that line up in twips must line up in pixels at any DPI, or the
  // button would stick out past the output box by a pixel.
  void alignedEdgesStayAligned_data() {
    QTest::addColumn<double>("dpi");
    for (double dpi : {72.0, 96.0, 100.0, 110.0, 120.0, 125.0, 144.0, 168.0, 192.0, 250.0}) {
      QTest::addRow("%g DPI", dpi) << dpi;
    }
  }
  void alignedEdgesStayAligned() {
    QFETCH(double, dpi);
    QRect text1 = TwipsToPixels(kText1Rect, dpi, dpi);
    QRect text2 = TwipsToPixels(kText2Rect, dpi, dpi);
    QRect command1 = TwipsToPixels(kCommand1Rect, dpi, dpi);
    QSize client = TwipsToPixels(kForm1ClientSize, dpi, dpi);
    QCOMPARE(text1.left(), text2.left());
    QCOMPARE(text1.top(), command1.top());
    QCOMPARE(text1.bottom(), command1.bottom());
    QCOMPARE(text2.right(), command1.right());
    QVERIFY(text1.right() < command1.left());
    QVERIFY(text1.bottom() < text2.top());
    QVERIFY(QRect(QPoint(0, 0), client).contains(text2));
    QVERIFY(QRect(QPoint(0, 0), client).contains(command1));
  }
};

}  // namespace mikawase

QTEST_APPLESS_MAIN(mikawase::TwipsTest)
#include "twips_test.moc"
