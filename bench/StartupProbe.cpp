// The real program, ending as soon as its page details window has painted
// for the first time: what start-up costs a user before the window shows.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "app/Startup.h"

namespace {

class TQuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("Form1")) {
      // Quits once this paint has been handled.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

void WatchForFirstPaint() { qApp->installEventFilter(new TQuitAfterFirstPaint); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

int main(int argc, char** argv) { return RunProgram(argc, argv); }
