#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// What a modal message box showed before the test closed it.
struct TShownBox {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttonCount = 0;
  bool applicationModal = false;
};

// Runs an action that opens a modal message box, records the box and presses
// its OK button the way a user would. Returns what was shown.
TShownBox CaptureMessageBox(const std::function<void()>& action);
