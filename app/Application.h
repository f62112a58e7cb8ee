#pragma once

#include <QApplication>

// The application object: it reports a failure that escapes an event handler
// in the error box and goes on, as it does for clicks. Our own controls stop
// their failures themselves (GuardedEvents.h); what reaches this point comes
// from inside the toolkit's own controls and has already been unwound
// through frames that could not clean up, so this is the last resort only.
// It also names the program's desktop entry.
class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
