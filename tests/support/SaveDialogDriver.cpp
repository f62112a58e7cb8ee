#include "SaveDialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

TDialogSeen DriveSaveDialog(QAbstractButton* saveButton, const QStringList& entries,
                            const std::function<void()>& afterDialog) {
  TDialogSeen seen;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    poll.stop();
    // The name box must have the focus, as it has for a user typing: the
    // dialog then lets the typed name replace any selection in its list.
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    seen = {true, edit->text(), dialog->directory().absolutePath(), dialog->frameGeometry()};
    if (entries.isEmpty()) QTest::keyClick(edit, Qt::Key_Escape);
    for (const QString& entry : entries) {
      // Set as pasted: typing key by key would bring up the completer,
      // whose inline completions depend on when the folder listing arrives.
      if (!entry.isEmpty()) edit->setText(entry);
      QTest::keyClick(edit, Qt::Key_Return);
    }
    if (dialog->isVisible()) {
      dialog->reject();
      QFAIL(qPrintable("The dialog did not take " + entries.join(", ")));
    }
    if (afterDialog) afterDialog();
  });
  poll.start();
  QTest::mouseClick(saveButton, Qt::LeftButton);
  return seen;
}
