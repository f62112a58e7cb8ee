#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Minimizing the main window minimizes the whole program: a companion window
// that is shown disappears with it and comes back when the main window is
// restored.
class TMinimizeTogether : public QObject {
  Q_OBJECT

 public:
  TMinimizeTogether(QWidget* mainWindow, QWidget* companion);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> companion_;
  bool hiddenWithMainWindow_ = false;
};
