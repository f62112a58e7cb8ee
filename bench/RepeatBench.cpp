// Repeated use in one process: 1,000 Builds with 100 KB in every box and 100
// saves of the page. The peak memory after the first Build must stay within
// 5 % to the end: nothing may pile up from one Build or save to the next.
//
// Run with QT_QPA_PLATFORM=offscreen. Writes in the current folder.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "ui/Memo.h"
#include "ui/PageFile.h"
#include "ui/Windows.h"

namespace {

// The process's peak resident memory so far, in kilobytes.
long PeakKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TWindows windows = CreateWindows();
  windows.Form1->show();
  const QString text = Words(100 << 10);
  for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
    windows.Form1->findChild<QLineEdit*>(name)->setText(text);
  }
  windows.Form1->findChild<TMemo*>("Memo1")->setPlainText(text);
  auto* build = windows.Form1->findChild<QPushButton*>("Button1");
  QTemporaryDir folder(QDir::current().filePath("repeat-bench-XXXXXX"));
  const QString target = folder.filePath("page.html");

  build->click();
  windows.Form2->repaint();
  const long afterFirst = PeakKb();
  for (int i = 1; i < 1000; ++i) {
    build->click();
    windows.Form2->repaint();
    if (i % 10 == 0) WritePageFile(target, windows.Form2->PageFileBytes());
    QCoreApplication::processEvents();
  }
  const long atEnd = PeakKb();
  std::printf("%-40s %9ld KB\n", "peak memory after the first Build", afterFirst);
  std::printf("%-40s %9ld KB\n", "peak memory after 1,000 Builds", atEnd);
  std::printf("%-40s %9.1f %%\n", "growth", 100.0 * (atEnd - afterFirst) / afterFirst);
  return 0;
}
