#include "Unit2.h"

#include "app/Actions.h"
#include "ui/PageFile.h"
#include "ui/SaveDialog.h"
#include "ui/ToolWindow.h"
#include "ui/Utf8Text.h"
#include "ui/WindowLook.h"
#include "ui_Unit2.h"

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm2>()), SaveDialog1(new TSaveDialog(this)) {
  ui->setupUi(this);
  SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
  ApplyWindowLook(this);
  MakeToolWindow(this);
  // Closing the code window never ends the program; only the main window does.
  setAttribute(Qt::WA_QuitOnClose, false);
  ConnectClick(ui->Button1, this, &TForm2::Button1Click);
  ConnectClick(ui->Button2, this, &TForm2::Button2Click);
  ConnectClick(ui->Button3, this, &TForm2::Button3Click);
}

TForm2::~TForm2() = default;

void TForm2::ClearCode() { ui->Memo2->clear(); }

void TForm2::AddCodeLine(std::string_view line) { ui->Memo2->AppendLine(line); }

TMemo::TAppendBatch TForm2::CodeUpdate() { return TMemo::TAppendBatch(*ui->Memo2); }

void TForm2::ShowCodeWindow() {
  show();
  raise();
  activateWindow();
}

QString TForm2::CodeText() const { return ui->Memo2->Text(); }

QByteArray TForm2::PageFileBytes() const { return ui->Memo2->Utf8Text(); }

void TForm2::Button1Click() {
  TMemo* memo = ui->Memo2;
  memo->setFocus(Qt::OtherFocusReason);
  memo->selectAll();
  memo->ensureCursorVisible();
}

void TForm2::Button2Click() {
  if (!SaveDialog1->Execute()) return;
  WritePageFile(SaveDialog1->FileName, PageFileBytes());
}

void TForm2::Button3Click() {
  close();
  ClearCode();
}
