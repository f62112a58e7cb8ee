#include <QTest>

#include "ui/TextHeightScaling.h"
#include "ui/WindowFont.h"

// The arithmetic of text-height scaling, for text heights that no font on the
// test machine measures (the window tests see 13, 14 and 16 for real).
class TextHeightScalingTest : public QObject {
  Q_OBJECT

 private slots:
  void fontGrowsWithTheResolution_data() {
    QTest::addColumn<qreal>("pixelsPerInch");
    QTest::addColumn<int>("pixelHeight");
    QTest::newRow("96") << qreal(96) << 11;
    QTest::newRow("105") << qreal(105) << 12;
    QTest::newRow("120") << qreal(120) << 14;
    QTest::newRow("144, a half rounds up") << qreal(144) << 17;
    QTest::newRow("72") << qreal(72) << 8;
  }
  void fontGrowsWithTheResolution() {
    QFETCH(qreal, pixelsPerInch);
    QFETCH(int, pixelHeight);
    QCOMPARE(WindowFontPixelHeight(pixelsPerInch), pixelHeight);
    QCOMPARE(WindowFont(pixelsPerInch).pixelSize(), pixelHeight);
  }

  void clientAreasAtEachTextHeight_data() {
    QTest::addColumn<int>("textHeight");
    QTest::addColumn<QSize>("details");
    QTest::addColumn<QSize>("code");
    QTest::newRow("12") << 12 << QSize(311, 193) << QSize(577, 259);
    QTest::newRow("13") << 13 << QSize(337, 209) << QSize(625, 281);
    QTest::newRow("14") << 14 << QSize(363, 225) << QSize(673, 303);
    QTest::newRow("16") << 16 << QSize(415, 257) << QSize(769, 346);
  }
  void clientAreasAtEachTextHeight() {
    QFETCH(int, textHeight);
    QFETCH(QSize, details);
    QFETCH(QSize, code);
    QCOMPARE(ScaledSize({337, 209}, textHeight), details);
    QCOMPARE(ScaledSize({625, 281}, textHeight), code);
  }

  // Scaling each edge, not the width, keeps neighbours touching: at 14, a
  // box at 7 with width 7 ends at 15 and the next starts there, though 7
  // scaled on its own would be 8.
  void touchingControlsStillTouch() {
    const QList<QRect> row{{0, 0, 7, 21}, {7, 0, 7, 21}, {14, 0, 241, 21}, {255, 0, 75, 25}};
    for (int textHeight = 8; textHeight <= 40; ++textHeight) {
      for (int i = 1; i < row.size(); ++i) {
        const QRect left = ScaledBounds(row[i - 1], textHeight);
        const QRect right = ScaledBounds(row[i], textHeight);
        QCOMPARE(left.x() + left.width(), right.x());
      }
    }
    QCOMPARE(ScaledBounds({7, 0, 7, 21}, 14), QRect(8, 0, 7, 23));
  }
};

QTEST_MAIN(TextHeightScalingTest)
#include "TextHeightScalingTest.moc"
