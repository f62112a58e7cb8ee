// Build end to end, from the click until the Html code window has painted,
// beside the toolkit's floor: a fresh plain-text box of the code area's size
// and font that is given the same page text in one go and paints it.
//
// Run with QT_QPA_PLATFORM=offscreen. With arguments `build SIZE` or
// `floor SIZE` it runs that side once at SIZE bytes per box, and with
// `setup SIZE` neither, for profiling: under callgrind, whose counts do not
// depend on the load, a side costs its count less the setup's.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstring>

#include "BenchSupport.h"
#include "page/DoorwayPage.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

namespace {

struct TBuildScene {
  TWindows windows = CreateWindows();
  TMemo* code = windows.Form2->findChild<TMemo*>("Memo2");

  explicit TBuildScene(int size) {
    windows.Form1->show();
    const QString text = Words(size);
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
      windows.Form1->findChild<QLineEdit*>(name)->setText(text);
    }
    windows.Form1->findChild<TMemo*>("Memo1")->setPlainText(text);
  }

  void Build() {
    windows.Form1->findChild<QPushButton*>("Button1")->click();
    windows.Form2->repaint();
  }

  // The page text a Build makes of the inputs, without building it here.
  QString Page() const {
    QString description = windows.Form1->findChild<TMemo*>("Memo1")->Text();
    const auto text = [this](const char* name) {
      return windows.Form1->findChild<QLineEdit*>(name)->text().toStdString();
    };
    return QString::fromStdString(JoinPageText(BuildDoorwayPage(
        {text("Edit1"), text("Edit2"), text("Edit3"), description.toStdString(), "Rivurido"})));
  }

  void Floor(const QString& page) const {
    QPlainTextEdit box;
    box.setFont(code->font());
    box.resize(code->size());
    box.show();
    box.setPlainText(page);
    box.repaint();
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 3) {
    TBuildScene scene(std::atoi(argv[2]));
    const QString page = scene.Page();
    if (std::strcmp(argv[1], "build") == 0) scene.Build();
    if (std::strcmp(argv[1], "floor") == 0) scene.Floor(page);
    return 0;
  }

  std::printf("%-10s %12s %12s %8s %12s\n", "per box", "Build ms", "floor ms", "ratio",
              "Build ms/MB");
  for (const int size : {1 << 10, 100 << 10, 1 << 20, 4 << 20}) {
    TBuildScene scene(size);
    const int runs = size > (1 << 20) ? 3 : 7;
    const double buildMs = MedianMs(runs, [&] { scene.Build(); });
    const QString page = scene.Page();
    const double floorMs = MedianMs(runs, [&] { scene.Floor(page); });
    const double pageMb = static_cast<double>(page.size()) / (1 << 20);
    std::printf("%-10s %12.1f %12.1f %8.2f %12.1f\n",
                qPrintable(QStringLiteral("%1 KB").arg(size >> 10)), buildMs, floorMs,
                buildMs / floorMs, buildMs / pageMb);
  }
  return 0;
}
