#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string_view>

#include "ui/Memo.h"

namespace Ui {
class TForm2;
}
class TSaveDialog;

// The Html code window: shows the page that Build made in an editable code
// area. Closing it only hides it; it lives as long as the program.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  // What Build uses: empty the code area, append lines (each followed by
  // CR LF), then bring the window to the front.
  void ClearCode();
  void AddCodeLine(std::string_view line);
  void ShowCodeWindow();

  // Lines added while the returned update lives are laid out together when
  // it ends: a Build lays its page out once, not line by line.
  [[nodiscard]] TMemo::TAppendBatch CodeUpdate();

  // The code area's current text with every line break as CR LF.
  QString CodeText() const;

  // What Save to file writes: the code area's current text as UTF-8.
  QByteArray PageFileBytes() const;

  void Button1Click();  // Select All
  void Button2Click();  // Save to file
  void Button3Click();  // Close

 private:
  std::unique_ptr<Ui::TForm2> ui;
  TSaveDialog* SaveDialog1;
};
