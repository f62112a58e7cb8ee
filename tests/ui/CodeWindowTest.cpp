#include <QPushButton>
#include <QTest>

#include "ui/Memo.h"
#include "ui/Unit2.h"

// The Html code window on its own: the operations Build uses and its buttons.
class CodeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { form = std::make_unique<TForm2>(); }
  void cleanup() { form.reset(); }

  void isCreatedHiddenAndEmpty() {
    QVERIFY(!form->isVisible());
    QCOMPARE(form->windowTitle(), QString("Html Code"));
    QCOMPARE(form->CodeText(), QString());
  }

  void addCodeLineAppendsLineAndCrLfAtTheVeryEnd() {
    form->AddCodeLine("<HTML>");
    form->AddCodeLine("");
    Show();
    QTextCursor start = Memo()->textCursor();
    start.setPosition(0);
    start.setPosition(3, QTextCursor::KeepAnchor);
    Memo()->setTextCursor(start);
    form->AddCodeLine("a\r\nb");
    QCOMPARE(form->CodeText(), QString("<HTML>\r\n\r\na\r\nb\r\n"));
  }

  void clearCodeEmptiesWithoutChangingVisibility() {
    Show();
    form->AddCodeLine("x");
    form->ClearCode();
    QCOMPARE(form->CodeText(), QString());
    QVERIFY(form->isVisible());
  }

  void showCodeWindowShowsActivatesAndFocusesTheCodeArea() {
    Show();
    QVERIFY(form->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), Memo());
  }

  void selectAllSelectsEverythingWithTheCaretAtTheEnd() {
    form->AddCodeLine("first");
    form->AddCodeLine("second");
    Show();
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    QVERIFY(Memo()->hasFocus());
    const QTextCursor c = Memo()->textCursor();
    QCOMPARE(c.selectionStart(), 0);
    QCOMPARE(c.position(), Memo()->document()->characterCount() - 1);
    QCOMPARE(c.selectedText().replace(QChar::ParagraphSeparator, "\r\n"), form->CodeText());
  }

  void selectAllOnAnEmptyAreaOnlyFocusesIt() {
    Show();
    Button("Button3")->setFocus();
    QTest::mouseClick(Button("Button1"), Qt::LeftButton);
    QVERIFY(Memo()->hasFocus());
    QVERIFY(!Memo()->textCursor().hasSelection());
    QCOMPARE(Memo()->textCursor().position(), 0);
  }

  void closeButtonHidesThenEmpties() {
    form->AddCodeLine("page");
    Show();
    QTest::mouseClick(Button("Button3"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->CodeText(), QString());
  }

  void titleBarCloseOnlyHides() {
    form->AddCodeLine("page");
    Show();
    QVERIFY(form->close());
    QVERIFY(!form->isVisible());
    QCOMPARE(form->CodeText(), QString("page\r\n"));
  }

  void showingAgainReturnsTheFocusToTheLastControl() {
    Show();
    QTest::keyClick(Memo(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), Button("Button3"));
    QTest::keyClick(Button("Button3"), Qt::Key_Space);
    QVERIFY(!form->isVisible());
    Show();
    QCOMPARE(QApplication::focusWidget(), Button("Button3"));
  }

  void enterInTheCodeAreaInsertsCrLfAtTheCaret() {
    form->AddCodeLine("ab");
    Show();
    QTextCursor c = Memo()->textCursor();
    c.setPosition(1);
    Memo()->setTextCursor(c);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QCOMPARE(form->CodeText(), QString("a\r\nb\r\n"));
  }

  void tabOrderWrapsBothWays() {
    Show();
    const QStringList order{"Memo2", "Button1", "Button2", "Button3", "Memo2"};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    for (int i = order.size() - 2; i >= 0; --i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
  }

 private:
  void Show() {
    form->ShowCodeWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  TMemo* Memo() { return form->findChild<TMemo*>("Memo2"); }
  QPushButton* Button(const char* name) { return form->findChild<QPushButton*>(name); }

  std::unique_ptr<TForm2> form;
};

QTEST_MAIN(CodeWindowTest)
#include "CodeWindowTest.moc"
