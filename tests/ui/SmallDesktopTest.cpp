#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/Windows.h"

// Both windows on a desktop lower than either of them and narrower than the
// Html code window (small-desktop.json: 400 x 150).
class SmallDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void firstPositionsAreClampedToTheDesktopsEdges() {
    QCOMPARE(QGuiApplication::primaryScreen()->virtualGeometry(), QRect(0, 0, 400, 150));
    TWindows windows = CreateWindows();
    windows.Form1->show();
    windows.Form2->ShowCodeWindow();
    const QRect details = windows.Form1->frameGeometry();
    QCOMPARE(details.topLeft(), QPoint((400 - details.width()) / 2, 0));
    QCOMPARE(windows.Form2->frameGeometry().topLeft(), QPoint(0, 0));
  }
};

QTEST_MAIN(SmallDesktopTest)
#include "SmallDesktopTest.moc"
