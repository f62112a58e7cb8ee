#include "SaveDialog.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QScreen>

#include "app/ModalFocus.h"

namespace {

// "Html|*.html" in the toolkit's form: "Html (*.html)".
QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
  }
  return filters;
}

// Puts the dialog, once it has set itself up, in the middle of the active
// window's monitor from left to right and a third of the way down.
class TDialogPlacement : public QObject {
 public:
  TDialogPlacement(QWidget* dialog, QScreen* screen) : QObject(dialog), screen_(screen) {
    dialog->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && screen_) {
      auto* dialog = static_cast<QWidget*>(watched);
      const QRect monitor = screen_->geometry();
      const QSize size = dialog->frameGeometry().size();
      dialog->move(monitor.left() + (monitor.width() - size.width()) / 2,
                   monitor.top() + (monitor.height() - size.height()) / 3);
    }
    return false;
  }

 private:
  QScreen* screen_;
};

}  // namespace

TSaveDialog::TSaveDialog(QObject* owner) : QObject(owner) {}

bool TSaveDialog::Execute() {
  const TModalFocus focus;
  QWidget* owner = focus.Window();
  QFileDialog dialog(owner);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An existing file is replaced without a question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(Filter);
  dialog.setNameFilters(filters);
  if (FilterIndex >= 1 && FilterIndex <= filters.size()) {
    dialog.selectNameFilter(filters[FilterIndex - 1]);
  }
  dialog.setDefaultSuffix(DefaultExt.startsWith(u'.') ? DefaultExt.mid(1) : DefaultExt);
  if (!InitialDir.isEmpty()) dialog.setDirectory(InitialDir);
  if (!Title.isEmpty()) dialog.setWindowTitle(Title);
  dialog.setSizeGripEnabled(EnableSizing);
  dialog.selectFile(FileName);
  new TDialogPlacement(&dialog, owner ? owner->screen() : QGuiApplication::primaryScreen());

  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().constFirst();
  FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return true;
}
