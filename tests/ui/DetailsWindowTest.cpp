#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "page/DoorwayPage.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

// The page details window with the Html code window beside it, wired as at
// start-up: Build, Close and the keyboard.
class DetailsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windows = CreateWindows();
    windows.Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
  }
  void cleanup() { windows = {}; }

  void startsWithEmptyInputsAndTheCaretInTheTitleBox() {
    QCOMPARE(windows.Form1->windowTitle(), QString("Rivurido"));
    QCOMPARE(QApplication::focusWidget(), Edit("Edit1"));
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) QCOMPARE(Edit(name)->text(), QString());
    QCOMPARE(Memo1()->Text(), QString());
    QVERIFY(!windows.Form2->isVisible());
  }

  void buildPutsTheExactPageIntoTheCodeWindow_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("description");  // typed, with LF for Enter
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("ordinary") << "Cheap flights"
                              << "http://example.com/"
                              << "flights, cheap"
                              << "Fly for less.\nEvery day.\n";
    QTest::newRow("markup and spaces") << "  a\"b&c<d>  "
                                       << "\"><"
                                       << "&amp;"
                                       << "   ";
    QTest::newRow("unicode") << QString("Café\u00A0中文") << QString("http://例え.jp")
                             << QString("naïve") << QString("ü\nß\u05D0");
    QTest::newRow("long lines") << QString(40000, 'x') << QString(3000, 'u') << QString(2000, 'k')
                                << QString(4000, 'd') + "\n\n" + "end";
  }

  void buildPutsTheExactPageIntoTheCodeWindow() {
    QFETCH(QString, title);
    QFETCH(QString, url);
    QFETCH(QString, keywords);
    QFETCH(QString, description);
    Edit("Edit1")->setText(title);
    Edit("Edit2")->setText(url);
    Edit("Edit3")->setText(keywords);
    Memo1()->setPlainText(description);

    QTest::mouseClick(Button(windows.Form1, "Button1"), Qt::LeftButton);

    QString crlfDescription = description;
    crlfDescription.replace("\n", "\r\n");
    const std::string expected = JoinPageText(
        BuildDoorwayPage({title.toStdString(), url.toStdString(), keywords.toStdString(),
                          crlfDescription.toStdString(), "Rivurido"}));
    const QByteArray page = windows.Form2->CodeText().toUtf8();
    QCOMPARE(page, QByteArray::fromStdString(expected));
    QCOMPARE(std::size_t(page.size()), 724 + 3 * title.toUtf8().size() + url.toUtf8().size() +
                                           keywords.toUtf8().size() +
                                           2 * crlfDescription.toUtf8().size());
    QVERIFY(windows.Form2->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(windows.Form2.get()));
  }

  void buildReplacesThePageAndEditsEveryTime() {
    Edit("Edit1")->setText("one");
    Build();
    TMemo* code = windows.Form2->findChild<TMemo*>("Memo2");
    code->setFocus();
    QTest::keyClicks(code, "user edits");
    Edit("Edit1")->setText("two");
    Build();
    Build();
    const QString page = windows.Form2->CodeText();
    QCOMPARE(page.count("<HTML>"), 1);
    QVERIFY(page.contains("<Title>two</Title>"));
    QVERIFY(!page.contains("user edits"));
    QVERIFY(!page.contains("one"));
  }

  void buildAfterTitleBarCloseShowsOnlyTheNewPage() {
    Edit("Edit1")->setText("first");
    Build();
    windows.Form2->close();
    Edit("Edit1")->setText("second");
    Build();
    QVERIFY(windows.Form2->isVisible());
    QVERIFY(!windows.Form2->CodeText().contains("first"));
  }

  void closeEndsTheProgramWhateverTheCodeWindowHolds() {
    Build();
    QVERIFY(windows.Form2->isVisible());
    const int status = RunMessageLoopAfter(
        [this] { QTest::mouseClick(Button(windows.Form1, "Button2"), Qt::LeftButton); });
    QCOMPARE(status, 0);
    QVERIFY(!windows.Form1->isVisible());
  }

  void closingTheCodeWindowLeavesTheProgramRunning() {
    Build();
    const int status = RunMessageLoopAfter([this] { windows.Form2->close(); });
    QCOMPARE(status, StillRunning);
    QVERIFY(windows.Form1->isVisible());
  }

  void minimizingTheMainWindowTakesTheCodeWindowAlong() {
    Build();
    windows.Form1->showMinimized();
    QTRY_VERIFY(!windows.Form2->isVisible());
    windows.Form1->showNormal();
    QTRY_VERIFY(windows.Form2->isVisible());
    windows.Form2->close();
    windows.Form1->showMinimized();
    windows.Form1->showNormal();
    QVERIFY(!windows.Form2->isVisible());
  }

  void tabOrderWrapsBothWays() {
    const QStringList order{"Edit1", "Edit2", "Edit3", "Memo1", "Button1", "Button2", "Edit1"};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    for (int i = order.size() - 2; i >= 0; --i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
  }

  void arrowKeysOnAButtonMoveTheFocus_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("left") << "Button1" << int(Qt::Key_Left) << "Memo1";
    QTest::newRow("up") << "Button1" << int(Qt::Key_Up) << "Memo1";
    QTest::newRow("right") << "Button1" << int(Qt::Key_Right) << "Button2";
    QTest::newRow("down") << "Button1" << int(Qt::Key_Down) << "Button2";
    QTest::newRow("right wraps") << "Button2" << int(Qt::Key_Right) << "Edit1";
    QTest::newRow("down wraps") << "Button2" << int(Qt::Key_Down) << "Edit1";
  }

  void arrowKeysOnAButtonMoveTheFocus() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    QWidget* start = windows.Form1->findChild<QWidget*>(from);
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
  }

  void enterAndSpacePressAFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
  }

  void enterAndSpacePressAFocusedButton() {
    QFETCH(int, key);
    QPushButton* build = Button(windows.Form1, "Button1");
    build->setFocus();
    QTest::keyClick(build, Qt::Key(key));
    QVERIFY(windows.Form2->isVisible());

    windows.Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
    QPushButton* close = Button(windows.Form1, "Button2");
    close->setFocus();
    QTest::keyClick(close, Qt::Key(key));
    QVERIFY(!windows.Form1->isVisible());
  }

  void enterAndEscapeDoNothingInTheSingleLineBoxes() {
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
      QLineEdit* edit = Edit(name);
      edit->setFocus();
      edit->setText("text");
      QTest::keyClick(edit, Qt::Key_Return);
      QTest::keyClick(edit, Qt::Key_Escape);
      QCOMPARE(edit->text(), QString("text"));
      QVERIFY(edit->hasFocus());
    }
    QVERIFY(!windows.Form2->isVisible());
    QVERIFY(windows.Form1->isVisible());
  }

  void enterBreaksTheLineInTheDescriptionAndTabLeavesIt() {
    Memo1()->setFocus();
    QTest::keyClicks(Memo1(), "one");
    QTest::keyClick(Memo1(), Qt::Key_Return);
    QTest::keyClicks(Memo1(), "two");
    QTest::keyClick(Memo1(), Qt::Key_Escape);
    QTest::keyClick(Memo1(), Qt::Key_Tab);
    QCOMPARE(Memo1()->Text(), QString("one\r\ntwo"));
    QCOMPARE(QApplication::focusWidget(), Button(windows.Form1, "Button1"));
  }

  void tabbingIntoABoxSelectsItsTextAndAClickDoesNot() {
    Edit("Edit2")->setText("old url");
    QTest::keyClick(Edit("Edit1"), Qt::Key_Tab);
    QCOMPARE(Edit("Edit2")->selectedText(), QString("old url"));
    QTest::keyClicks(Edit("Edit2"), "new");
    QCOMPARE(Edit("Edit2")->text(), QString("new"));

    Edit("Edit3")->setText("keywords");
    QTest::mouseClick(Edit("Edit3"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(Edit("Edit3")->hasFocus());
    QVERIFY(!Edit("Edit3")->hasSelectedText());
  }

 private:
  static constexpr int StillRunning = -1;

  // Runs the application's message loop, as start-up does, with the action
  // as its first event; returns the loop's exit status, or StillRunning when
  // the program did not end within a second.
  template <typename Action>
  int RunMessageLoopAfter(Action action) {
    QTimer::singleShot(0, this, action);
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(StillRunning); });
    timeout.start(1000);
    return QCoreApplication::exec();
  }

  void Build() { QTest::mouseClick(Button(windows.Form1, "Button1"), Qt::LeftButton); }
  QLineEdit* Edit(const char* name) { return windows.Form1->findChild<QLineEdit*>(name); }
  TMemo* Memo1() { return windows.Form1->findChild<TMemo*>("Memo1"); }
  template <typename Form>
  QPushButton* Button(const std::unique_ptr<Form>& form, const char* name) {
    return form->template findChild<QPushButton*>(name);
  }

  TWindows windows;
};

QTEST_MAIN(DetailsWindowTest)
#include "DetailsWindowTest.moc"
