// Measures how Build and typing behave with huge inputs without spaces, the
// case where word wrapping turns quadratic, against the toolkit's own floor:
// a fresh plain-text box of the same size showing the same text.
//
// Run with QT_QPA_PLATFORM=offscreen. Prints milliseconds and ratios.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "BenchSupport.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

namespace {

void Paint(QPlainTextEdit* box) { box->viewport()->repaint(); }

// The toolkit's floor: a fresh box, the text set in one go, painted once.
double FloorMs(const QString& text, QTextOption::WrapMode mode) {
  return MedianMs(3, [&] {
    QPlainTextEdit box;
    box.setWordWrapMode(mode);
    box.resize(609, 225);
    box.show();
    box.setPlainText(text);
    Paint(&box);
  });
}

double KeystrokeMs(TMemo* memo, int position) {
  memo->setFocus();
  QTextCursor caret = memo->textCursor();
  caret.setPosition(position);
  memo->setTextCursor(caret);
  return MedianMs(5, [&] {
    QTest::keyClick(memo, Qt::Key_A);
    Paint(memo);
  });
}

void Report(const char* what, double ms, double floorMs) {
  std::printf("%-52s %9.1f ms  %6.2fx floor\n", what, ms, ms / floorMs);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int size = argc > 1 ? std::atoi(argv[1]) : 1 << 20;
  const QString unbroken(size, QLatin1Char('x'));

  TWindows windows = CreateWindows();
  windows.Form1->show();
  auto* title = windows.Form1->findChild<QLineEdit*>("Edit1");
  auto* description = windows.Form1->findChild<TMemo*>("Memo1");
  auto* build = windows.Form1->findChild<QPushButton*>("Button1");
  auto* code = windows.Form2->findChild<TMemo*>("Memo2");
  title->setText(unbroken);
  description->setPlainText(unbroken);
  Paint(description);

  const double buildMs = MedianMs(3, [&] {
    build->click();
    Paint(code);
  });
  const QString page = windows.Form2->CodeText();
  const double floorMs = FloorMs(page, QTextOption::WrapAnywhere);

  std::printf("Inputs: %d characters without a space in Title and Description\n", size);
  std::printf("%-52s %9.1f ms\n", "Floor: fresh box, setPlainText of the page, paint", floorMs);
  Report("Build, code window painted", buildMs, floorMs);
  Report("Keystroke in the long line of the code area", KeystrokeMs(code, 100), floorMs);
  Report("Keystroke in the Description box", KeystrokeMs(description, 100), floorMs);

  // What the layout avoids: the toolkit's default wrapping on a far shorter
  // unbroken line.
  const int small = std::min(size, 100000);
  std::printf("%-52s %9.1f ms\n", "Default word wrapping, 100 KB unbroken (for contrast)",
              FloorMs(QString(small, QLatin1Char('x')), QTextOption::WrapAtWordBoundaryOrAnywhere));
  return 0;
}
