#include "MessageBoxCapture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

TShownBox CaptureMessageBox(const std::function<void()>& action) {
  TShownBox shown;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    poll.stop();
    shown.shown = true;
    shown.title = box->windowTitle();
    shown.text = box->text();
    shown.icon = box->icon();
    shown.buttonCount = static_cast<int>(box->buttons().size());
    shown.applicationModal = box->windowModality() == Qt::ApplicationModal;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      box->close();
    }
  });
  poll.start();
  action();
  poll.stop();
  return shown;
}
