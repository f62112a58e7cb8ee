#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

#include "ui/Memo.h"
#include "ui/MemoLayout.h"

// The multi-line text box both windows use.
class MemoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    memo = new TMemo;
    memo->setTabChangesFocus(true);
    other = new QLineEdit;
    layout->addWidget(memo);
    layout->addWidget(other);
    window->resize(300, 200);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    memo->setFocus();
  }

  void cleanup() { window.reset(); }

  void textKeepsEveryCharacterAndUsesCrLf_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "abc"
                           << "abc";
    QTest::newRow("no-break space") << QString("a\u00A0b") << QString("a\u00A0b");
    QTest::newRow("line breaks of any kind") << "a\nb\r\nc\rd"
                                             << "a\r\nb\r\nc\r\nd";
    QTest::newRow("tab and unicode")
        << QString("\tCafé 中文 \u05D0") << QString("\tCafé 中文 \u05D0");
    QTest::newRow("trailing break") << "x\n"
                                    << "x\r\n";
    QTest::newRow("empty") << ""
                           << "";
  }

  void textKeepsEveryCharacterAndUsesCrLf() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    memo->Append(typed);
    QCOMPARE(memo->Text(), expected);
  }

  void appendGoesToTheEndWhateverTheCaretAndSelection() {
    memo->Append("first\r\nsecond");
    QTextCursor c = memo->textCursor();
    c.setPosition(2);
    c.setPosition(8, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
    memo->Append("!\r\n");
    QCOMPARE(memo->Text(), QString("first\r\nsecond!\r\n"));
    QCOMPARE(memo->textCursor().selectionStart(), 2);
    QCOMPARE(memo->textCursor().selectionEnd(), 8);
  }

  void appendedTextCannotBeUndone() {
    memo->Append("built");
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo->Text(), QString("built"));
  }

  void enterAndShiftEnterBothBreakTheLine() {
    QTest::keyClicks(memo, "ab");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "cd");
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(memo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(memo->Text(), QString("ab\r\ncd\r\n\r\n"));
  }

  void tabMovesTheFocusInsteadOfInsertingATab() {
    QTest::keyClick(memo, Qt::Key_Tab);
    QCOMPARE(memo->Text(), QString());
    QVERIFY(other->hasFocus());
  }

  void selectionIsHiddenWhileUnfocusedAndComesBackUnchanged() {
    memo->Append("hello world hello world");
    memo->selectAll();
    const QColor highlight = memo->palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(ShowsColour(highlight));

    other->setFocus();
    QVERIFY(!ShowsColour(highlight));
    QVERIFY(memo->textCursor().hasSelection());

    memo->setFocus();
    QVERIFY(ShowsColour(highlight));
    QCOMPARE(memo->textCursor().selectedText(), QString("hello world hello world"));
  }

  void findsTheRunsTooLongToWordWrap_data() {
    const int limit = TMemoLayout::LongestWrappedWord;
    const QString x = "x";
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrapsAnywhere");
    QTest::newRow("at the limit") << x.repeated(limit) << false;
    QTest::newRow("one over") << x.repeated(limit + 1) << true;
    QTest::newRow("at the end") << "words and " + x.repeated(limit + 1) << true;
    QTest::newRow("at the start") << x.repeated(limit + 1) + " and words" << true;
    QTest::newRow("split by a space") << x.repeated(600) + " " + x.repeated(600) << false;
    QTest::newRow("joined by a no-break space")
        << x.repeated(600) + QChar::Nbsp + x.repeated(600) << true;
    QTest::newRow("split by a line break") << x.repeated(600) + "\n" + x.repeated(600) << false;
    QTest::newRow("ordinary words") << QString("lorem ipsum ").repeated(5000) << false;
  }

  void findsTheRunsTooLongToWordWrap() {
    QFETCH(QString, text);
    QFETCH(bool, wrapsAnywhere);
    memo->setPlainText(text);
    QCOMPARE(memo->document()->defaultTextOption().wrapMode() == QTextOption::WrapAnywhere,
             wrapsAnywhere);
  }

  // A run without break opportunities makes word wrapping quadratic, so the
  // box wraps anywhere while one exists, and at word boundaries otherwise.
  void longUnbrokenRunsWrapAnywhere() {
    const auto mode = [this] { return memo->document()->defaultTextOption().wrapMode(); };
    QCOMPARE(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    const QString longRun(TMemoLayout::LongestWrappedWord + 1, 'x');
    memo->Append("short words\r\n" + longRun + "\r\nmore words");
    QCOMPARE(mode(), QTextOption::WrapAnywhere);

    QTextCursor c(memo->document()->findBlockByNumber(1));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 500);
    c.insertText(" ");  // the run is now two short words
    QCOMPARE(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    memo->undo();
    QCOMPARE(mode(), QTextOption::WrapAnywhere);

    memo->clear();
    QCOMPARE(mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(memo->Text(), QString());
  }

 private:
  bool ShowsColour(const QColor& colour) {
    memo->viewport()->repaint();
    const QImage image = memo->viewport()->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == colour) return true;
      }
    }
    return false;
  }

  std::unique_ptr<QWidget> window;
  TMemo* memo = nullptr;
  QLineEdit* other = nullptr;
};

QTEST_MAIN(MemoTest)
#include "MemoTest.moc"
