#include <QAccessible>
#include <QTest>

#include "ui/Windows.h"

// What a screen reader speaks for the controls of both windows.
class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { windows = CreateWindows(); }
  void cleanup() { windows = {}; }

  void everyControlIsSpokenByItsName_data() {
    QTest::addColumn<bool>("codeWindow");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const int text = QAccessible::EditableText;
    const int button = QAccessible::Button;
    const int label = QAccessible::StaticText;
    QTest::newRow("Title box") << false << "Edit1" << text << "Title";
    QTest::newRow("Site url box") << false << "Edit2" << text << "Site url";
    QTest::newRow("Keywords box") << false << "Edit3" << text << "Keywords";
    QTest::newRow("Description box") << false << "Memo1" << text << "Description";
    QTest::newRow("Build") << false << "Button1" << button << "Build";
    QTest::newRow("Close") << false << "Button2" << button << "Close";
    // The labels read as they look: their captions are unchanged.
    QTest::newRow("Title label") << false << "Label1" << label << "Title";
    QTest::newRow("Keywords label") << false << "Label2" << label << "Keywords";
    QTest::newRow("Description label") << false << "Label3" << label << "Description";
    QTest::newRow("Site url label") << false << "Label4" << label << "Site url:";
    QTest::newRow("code area") << true << "Memo2" << text << "Html code";
    QTest::newRow("Select All") << true << "Button1" << button << "Select All";
    QTest::newRow("Save to file") << true << "Button2" << button << "Save to file";
    QTest::newRow("code window Close") << true << "Button3" << button << "Close";
  }

  void everyControlIsSpokenByItsName() {
    QFETCH(bool, codeWindow);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QWidget* window = codeWindow ? static_cast<QWidget*>(windows.Form2.get()) : windows.Form1.get();
    auto* widget = window->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(spoken);
    QCOMPARE(int(spoken->role()), role);
    QCOMPARE(spoken->text(QAccessible::Name), name);
  }

  // Whatever the keyboard can reach, a screen reader can name.
  void nothingTheKeyboardReachesIsNameless() {
    for (QWidget* window :
         {static_cast<QWidget*>(windows.Form1.get()), static_cast<QWidget*>(windows.Form2.get())}) {
      for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
      }
    }
  }

 private:
  TWindows windows;
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
