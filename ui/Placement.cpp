#include "Placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "FrameExtents.h"

QPoint CentredOnDesktop(const QRect& desktop, const QSize& frame) {
  return {desktop.left() + std::max(0, (desktop.width() - frame.width()) / 2),
          desktop.top() + std::max(0, (desktop.height() - frame.height()) / 2)};
}

QRect MonitorOf(const QRect& frame, const QList<QRect>& monitors) {
  QRect best = monitors.value(0);
  qint64 bestArea = 0;
  for (const QRect& monitor : monitors) {
    const QRect common = monitor.intersected(frame);
    const qint64 area = qint64(common.width()) * common.height();
    if (area > bestArea) {
      best = monitor;
      bestArea = area;
    }
  }
  return best;
}

QPoint MovedOntoMonitor(const QRect& frame, const QRect& from, const QRect& to) {
  const QPoint moved = to.topLeft() + (frame.topLeft() - from.topLeft());
  return {std::max(to.left(), std::min(moved.x(), to.left() + to.width() - frame.width())),
          std::max(to.top(), std::min(moved.y(), to.top() + to.height() - frame.height()))};
}

namespace {

QList<QRect> Monitors() {
  QList<QRect> monitors;
  for (const QScreen* screen : QGuiApplication::screens()) monitors.append(screen->geometry());
  return monitors;
}

// A window's frame, and moving the frame's top-left corner. The toolkit knows
// a frame only once its native window has been shown, and closing a window
// gives its native window up; so the frame is taken from FrameExtents, and
// the window is placed by its client area.
QRect Frame(QWidget* window, const QMargins& extents) {
  return window->geometry().marginsAdded(extents);
}
void MoveFrame(QWidget* window, const QMargins& extents, QPoint topLeft) {
  window->setGeometry(QRect(topLeft + QPoint(extents.left(), extents.top()), window->size()));
}

class TPlacement : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The show event comes after the native window has been made and before
    // it is shown, so the window appears in its place at once.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      auto* window = static_cast<QWidget*>(watched);
      if (shownBefore_) {
        KeepWithActiveWindow(window);
      } else {
        shownBefore_ = true;
        CentreOnDesktop(window);
      }
    }
    return false;
  }

 private:
  static void CentreOnDesktop(QWidget* window) {
    const QMargins extents = FrameExtents(window);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    MoveFrame(window, extents, CentredOnDesktop(desktop, Frame(window, extents).size()));
  }

  static void KeepWithActiveWindow(QWidget* window) {
    const QWidget* active = QApplication::activeWindow();
    if (!active || active == window) return;
    const QMargins extents = FrameExtents(window);
    const QRect frame = Frame(window, extents);
    const QList<QRect> monitors = Monitors();
    const QRect from = MonitorOf(frame, monitors);
    const QRect to = MonitorOf(active->frameGeometry(), monitors);
    if (from != to) MoveFrame(window, extents, MovedOntoMonitor(frame, from, to));
  }

  bool shownBefore_ = false;
};

}  // namespace

void PlaceWhenShown(QWidget* window) { window->installEventFilter(new TPlacement(window)); }
