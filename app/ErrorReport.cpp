#include "ErrorReport.h"

#include <cxxabi.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ModalFocus.h"

namespace {

// A message box that centres itself on the screen of the window that was
// active when it opened, rather than on the screen under the mouse.
class TCentredMessageBox : public QMessageBox {
 public:
  TCentredMessageBox(Icon icon, const QString& title, const QString& text, QScreen* screen)
      : QMessageBox(icon, title, text, QMessageBox::Ok), screen_(screen) {
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (screen_ && !event->spontaneous()) {
      QRect area = screen_->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }

 private:
  QPointer<QScreen> screen_;
};

void ShowModalBox(const QString& title, const QString& text, QMessageBox::Icon icon,
                  QWidget* window, QWidget* focus) {
  const TModalFocus restore(window, focus);
  QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
  TCentredMessageBox box(icon, title, text, screen);
  box.exec();
}

QString Demangled(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> readable(
      abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
  return QString::fromUtf8(status == 0 && readable ? readable.get() : name);
}

}  // namespace

QString ExceptionKind(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (...) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type ? Demangled(type->name()) : QStringLiteral("unknown");
  }
}

void ShowErrorBox(const QString& message, QWidget* window, QWidget* focus) {
  ShowModalBox(QCoreApplication::applicationName(), ErrorBoxText(message), QMessageBox::Critical,
               window, focus);
}

void ReportException(const std::exception_ptr& failure) noexcept {
  ReportException(failure, QApplication::activeWindow(), QApplication::focusWidget());
}

void ReportException(const std::exception_ptr& failure, QWidget* window, QWidget* focus) noexcept {
  try {
    ShowErrorBox(ExceptionMessage(failure), window, focus);
  } catch (...) {
    // Not even the box could be shown (memory is gone); say it where we can.
    std::fputs("Rivurido: a failure could not be shown\n", stderr);
  }
}

void ReportStartupFailure(const std::exception_ptr& failure) noexcept {
  try {
    const QString text = QStringLiteral("Exception %1.\n\n%2")
                             .arg(ExceptionKind(failure), ErrorBoxText(ExceptionMessage(failure)));
    ShowModalBox(QStringLiteral("Application Error"), text, QMessageBox::Critical,
                 QApplication::activeWindow(), QApplication::focusWidget());
  } catch (...) {
    std::fputs("Rivurido: start-up failed\n", stderr);
  }
}
