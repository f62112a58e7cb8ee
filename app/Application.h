#pragma once

#include <QApplication>

// The application object: it reports a failure that escapes one of our own
// event handlers in the error box and goes on, as it does for clicks, and
// names the program's desktop entry.
class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
