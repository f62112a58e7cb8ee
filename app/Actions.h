#pragma once

#include <QAbstractButton>
#include <exception>
#include <utility>

#include "ErrorReport.h"

// Runs one action of the program. A failure ends the action and is shown in
// the error box; it never unwinds into the toolkit, whose frames are not
// built to be unwound through.
template <typename Action>
void RunAction(Action&& action) noexcept {
  try {
    std::forward<Action>(action)();
  } catch (...) {
    ReportException(std::current_exception());
  }
}

// Connects a button's click to a form's click handler, run as an action.
template <typename Form>
void ConnectClick(QAbstractButton* button, Form* form, void (Form::*handler)()) {
  QObject::connect(button, &QAbstractButton::clicked, form,
                   [form, handler] { RunAction([&] { (form->*handler)(); }); });
}
