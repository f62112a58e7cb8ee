#include "Application.h"

#include "ErrorReport.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Lets a Wayland desktop find the program's desktop entry, and with it its icon.
  setDesktopFileName(QStringLiteral(RIVURIDO_APP_ID));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportException(std::current_exception());
    return false;
  }
}
