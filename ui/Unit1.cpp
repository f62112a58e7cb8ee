#include "Unit1.h"

#include "app/Actions.h"
#include "page/DoorwayPage.h"
#include "ui/Unit2.h"
#include "ui/Utf8Text.h"
#include "ui/WindowLook.h"
#include "ui_Unit1.h"

namespace {
std::string PageValue(const QString& text) { return EncodeUtf8(text).toStdString(); }
}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
  ui->setupUi(this);
  ApplyWindowLook(this);
  ConnectClick(ui->Button1, this, &TForm1::Button1Click);
  ConnectClick(ui->Button2, this, &TForm1::Button2Click);
}

TForm1::~TForm1() = default;

void TForm1::SetCodeWindow(TForm2* codeWindow) { codeWindow_ = codeWindow; }

void TForm1::Button1Click() {
  codeWindow_->ClearCode();
  const TDoorwayPageInputs inputs{PageValue(ui->Edit1->text()), PageValue(ui->Edit2->text()),
                                  PageValue(ui->Edit3->text()), ui->Memo1->Utf8Text().toStdString(),
                                  PageValue(windowTitle())};
  {
    const auto update = codeWindow_->CodeUpdate();
    for (const std::string_view line : BuildDoorwayPage(inputs)) codeWindow_->AddCodeLine(line);
  }
  codeWindow_->ShowCodeWindow();
}

void TForm1::Button2Click() { close(); }
