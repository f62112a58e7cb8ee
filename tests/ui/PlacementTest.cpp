#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/Windows.h"

// Where the two windows appear, on a desktop of two monitors side by side
// (two-monitors.json): a left one at (0, 0) of 1024 x 768 and a right one at
// (1024, 100) of 800 x 600. The offscreen platform gives each window a frame
// 2 pixels wide on every side.
class PlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->geometry(), Left);
    QCOMPARE(screens[1]->geometry(), Right);
  }

  void init() {
    windows = CreateWindows();
    windows.Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
  }
  void cleanup() { windows = {}; }

  void firstShowingsAreCentredOnTheWholeDesktop() {
    Build();
    const QRect desktop(0, 0, 1824, 768);
    for (QWidget* window : {Form1(), Form2()}) {
      const QRect frame = window->frameGeometry();
      QCOMPARE(frame.size(), window->size() + QSize(4, 4));
      QCOMPARE(frame.topLeft(), QPoint((desktop.width() - frame.width()) / 2,
                                       (desktop.height() - frame.height()) / 2));
    }
    // The same point, give or take the pixel that centring drops.
    const QPoint offCentre = Form2()->frameGeometry().center() - Form1()->frameGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);
    QVERIFY(Form2()->frameGeometry().contains(Form1()->frameGeometry()));
  }

  void windowsComeBackWhereTheyWereHidden() {
    Build();
    Form2()->move(40, 50);  // as the user drags it
    Click(Form2(), "Button3");
    Form1()->move(10, 20);
    Form1()->hide();
    Form1()->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1()));
    Build();
    QCOMPARE(Form1()->frameGeometry().topLeft(), QPoint(10, 20));
    QCOMPARE(Form2()->frameGeometry().topLeft(), QPoint(40, 50));
  }

  void codeWindowJoinsTheMonitorOfTheActiveWindow_data() {
    QTest::addColumn<QPoint>("hiddenAt");
    QTest::addColumn<QPoint>("shownAt");
    QTest::newRow("same offset from the corner") << QPoint(40, 50) << QPoint(1064, 150);
    QTest::newRow("pulled left and up to fit") << QPoint(600, 400) << QPoint(1824 - 639, 700 - 295);
  }
  void codeWindowJoinsTheMonitorOfTheActiveWindow() {
    QFETCH(QPoint, hiddenAt);
    QFETCH(QPoint, shownAt);
    Build();
    Form2()->move(hiddenAt);
    Click(Form2(), "Button3");
    Form1()->move(1100, 150);
    Form1()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1()));
    Build();
    QCOMPARE(Form2()->frameGeometry().topLeft(), shownAt);
    QCOMPARE(Form1()->frameGeometry().topLeft(), QPoint(1100, 150));
  }

 private:
  static constexpr QRect Left{0, 0, 1024, 768};
  static constexpr QRect Right{1024, 100, 800, 600};

  QWidget* Form1() { return windows.Form1.get(); }
  QWidget* Form2() { return windows.Form2.get(); }
  static void Click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
  }
  void Build() {
    Click(Form1(), "Button1");
    QVERIFY(QTest::qWaitForWindowExposed(Form2()));
  }

  TWindows windows;
};

QTEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
