#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm1;
}
class TForm2;

// The page details window, the program's main window: four page inputs and
// the Build and Close buttons.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The Html code window that Build fills; created after this window.
  void SetCodeWindow(TForm2* codeWindow);

  void Button1Click();  // Build
  void Button2Click();  // Close

 private:
  std::unique_ptr<Ui::TForm1> ui;
  TForm2* codeWindow_ = nullptr;
};
