#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;

// What the save dialog proposed when it opened.
struct TDialogSeen {
  bool shown = false;
  QString name;
  QString folder;
  QRect frame;
};

// Clicks a Save to file button and, in the real file dialog that opens,
// types each entry in turn into the file name box (an empty entry keeps what
// is there) and presses Enter after each; with no entries it presses Escape.
// `afterDialog` runs once the dialog has closed, before the file is written.
TDialogSeen DriveSaveDialog(QAbstractButton* saveButton, const QStringList& entries,
                            const std::function<void()>& afterDialog = {});
