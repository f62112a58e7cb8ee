#pragma once

#include <QObject>
#include <QString>

// The save dialog of the Html code window: the settings it is run with and
// the file name it remembers for the rest of the run.
class TSaveDialog : public QObject {
  Q_OBJECT

 public:
  explicit TSaveDialog(QObject* owner);

  // Description and pattern pairs, separated by vertical bars.
  QString Filter = QStringLiteral("Html|*.html");
  int FilterIndex = 1;
  // Added, without its leading point, to a confirmed name that has none.
  QString DefaultExt = QStringLiteral(".html");
  // The name proposed; after a confirmed dialog, the full path chosen.
  QString FileName = QStringLiteral("doorpage");
  QString InitialDir;
  QString Title;
  bool EnableSizing = true;

  // Runs the dialog modally. Returns true when the user confirmed a file;
  // otherwise nothing has changed.
  bool Execute();
};
