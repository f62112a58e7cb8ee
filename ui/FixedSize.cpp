#include "FixedSize.h"

#include <QEvent>
#include <QWidget>

namespace {

// Window systems honour a fixed size in the normal state only, and some
// resize a maximized window whatever its size limits; so such a state is
// given up as soon as it is entered.
class TFixedSize : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange) {
      auto* window = static_cast<QWidget*>(watched);
      constexpr Qt::WindowStates Resizing = Qt::WindowMaximized | Qt::WindowFullScreen;
      if (window->windowState() & Resizing)
        window->setWindowState(window->windowState() & ~Resizing);
    }
    return false;
  }
};

}  // namespace

void KeepSizeFixed(QWidget* window) {
  window->setFixedSize(window->size());
  window->installEventFilter(new TFixedSize(window));
}
