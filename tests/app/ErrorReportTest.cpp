#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "app/Application.h"
#include "app/ErrorReport.h"
#include "app/GuardedEvents.h"
#include "support/FailingAllocator.h"
#include "support/MessageBoxCapture.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

namespace {

// A control of our own whose key handler fails, to show that a failure in
// an event handler reaches the error box too.
class TFailingBox : public TGuardedEvents<QLineEdit> {
 protected:
  void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("Handler failed"); }
};

}  // namespace

class ErrorReportTest : public QObject {
  Q_OBJECT

 private slots:
  void messageGetsAFullStopUnlessItEndsInPunctuation_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Out of memory"
                            << "Out of memory.";
    QTest::newRow("digit") << "Error 5"
                           << "Error 5.";
    QTest::newRow("slash") << "a/"
                           << "a/.";
    QTest::newRow("colon") << "Failed:"
                           << "Failed:.";
    QTest::newRow("question mark") << "Why?"
                                   << "Why?.";
    QTest::newRow("non-ASCII") << QString("Café") << QString("Café.");
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("exclamation mark") << "Stop!"
                                      << "Stop!";
    QTest::newRow("quotation mark") << "\"x\""
                                    << "\"x\"";
    QTest::newRow("parenthesis") << "(x)"
                                 << "(x)";
    QTest::newRow("comma, hyphen, space") << "a, -"
                                          << "a, -";
    QTest::newRow("trailing space") << "a "
                                    << "a ";
    QTest::newRow("line break") << "a\r\n"
                                << "a\r\n";
    QTest::newRow("empty") << ""
                           << "";
  }

  void messageGetsAFullStopUnlessItEndsInPunctuation() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
  }

  void failedBuildIsShownAndBothWindowsWorkAfterwards() {
    TWindows windows = CreateWindows();
    windows.Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
    auto* title = windows.Form1->findChild<QLineEdit*>("Edit1");
    auto* description = windows.Form1->findChild<TMemo*>("Memo1");
    auto* build = windows.Form1->findChild<QPushButton*>("Button1");
    // Many short lines: the windows draw only the few they show, so the first
    // large request for memory is Build's own.
    description->setPlainText(QString("a short line\n").repeated(100000));

    TShownBox box;
    {
      TAllocationFailure noLargeBlocks(1 << 20);
      box = CaptureMessageBox([&] { QTest::mouseClick(build, Qt::LeftButton); });
      QVERIFY(noLargeBlocks.Happened());
    }
    QVERIFY(box.shown);
    QCOMPARE(box.text, QString("Out of memory."));
    QCOMPARE(box.title, QString("Rivurido"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.applicationModal);
    // The failed Build stopped after emptying the code area.
    QCOMPARE(windows.Form2->CodeText(), QString());
    QVERIFY(!windows.Form2->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), windows.Form1.get());
    QCOMPARE(QApplication::focusWidget(), build);

    title->setText("works");
    description->clear();
    QTest::mouseClick(build, Qt::LeftButton);
    QVERIFY(windows.Form2->isVisible());
    QVERIFY(windows.Form2->CodeText().contains("<Title>works</Title>"));
  }

  void failureInAnEventHandlerIsShownAndTheProgramGoesOn() {
    TFailingBox failing;
    failing.show();
    QVERIFY(QTest::qWaitForWindowActive(&failing));
    const TShownBox box = CaptureMessageBox([&] { QTest::keyClick(&failing, Qt::Key_A); });
    QCOMPARE(box.text, QString("Handler failed."));
    QVERIFY(failing.isVisible());
  }

  void startUpFailureNamesTheKindOfFailure() {
    const TShownBox box =
        CaptureMessageBox([] { ReportStartupFailure(std::make_exception_ptr(std::bad_alloc())); });
    QCOMPARE(box.title, QString("Application Error"));
    QVERIFY2(box.text.contains("std::bad_alloc"), qPrintable(box.text));
    QVERIFY2(box.text.contains("Out of memory."), qPrintable(box.text));
  }
};

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  QCoreApplication::setApplicationName("Rivurido");
  ErrorReportTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ErrorReportTest.moc"
