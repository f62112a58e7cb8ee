#include "Startup.h"

#include <exception>

#include "Application.h"
#include "ErrorReport.h"
#include "ui/DeviceScaling.h"
#include "ui/Windows.h"

int RunProgram(int& argc, char** argv) {
  PreferTextHeightScaling();
  TApplication application(argc, argv);
  TWindows windows;
  try {
    QCoreApplication::setApplicationName(QStringLiteral("Rivurido"));
    windows = CreateWindows();
    windows.Form1->show();
  } catch (...) {
    ReportStartupFailure(std::current_exception());
    return 1;
  }
  return TApplication::exec();
}
