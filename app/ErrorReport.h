#pragma once

#include <QString>
#include <exception>

#include "app/FailureText.h"

// The kind of a failure, as a readable type name ("std::bad_alloc").
QString ExceptionKind(const std::exception_ptr& failure);

class QWidget;

// Shows the error box: the message as ErrorBoxText gives it, the application
// name as caption, the error icon and one OK button, modal to the whole
// program, centred on the screen of `window`. Afterwards `window` is active
// again and `focus` has the focus.
void ShowErrorBox(const QString& message, QWidget* window, QWidget* focus);

// The one way a failed action reaches the user, given the window and the
// control that had the focus when the action began. Never throws.
void ReportException(const std::exception_ptr& failure, QWidget* window, QWidget* focus) noexcept;

// The same for a failure whose action is not known: the focus as it is now.
void ReportException(const std::exception_ptr& failure) noexcept;

// A failure before the windows could start: a box captioned
// "Application Error" naming the kind of failure and its message.
void ReportStartupFailure(const std::exception_ptr& failure) noexcept;
