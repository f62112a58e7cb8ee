#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <exception>
#include <utility>

#include "ErrorReport.h"

// Runs one action of the program. A failure ends the action and is shown in
// the error box; it never unwinds into the toolkit, whose frames are not
// built to be unwound through.
template <typename Action>
void RunAction(Action&& action) noexcept {
  // The focus as the action found it; the error box gives it back, even when
  // the window system has not yet reactivated the window after a dialog.
  const QPointer<QWidget> window = QApplication::activeWindow();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  try {
    std::forward<Action>(action)();
  } catch (...) {
    ReportException(std::current_exception(), window, focus);
  }
}

// Connects a button's click to a form's click handler, run as an action.
template <typename Form>
void ConnectClick(QAbstractButton* button, Form* form, void (Form::*handler)()) {
  QObject::connect(button, &QAbstractButton::clicked, form,
                   [form, handler] { RunAction([&] { (form->*handler)(); }); });
}
