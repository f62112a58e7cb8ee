#include "Startup.h"

#include <exception>
#include <memory>

#include "Application.h"
#include "ErrorReport.h"
#include "ui/MinimizeTogether.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

int RunProgram(int& argc, char** argv) {
  TApplication application(argc, argv);
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<TForm2> Form2;
  try {
    QCoreApplication::setApplicationName(QStringLiteral("Rivurido"));
    Form1 = std::make_unique<TForm1>();
    Form2 = std::make_unique<TForm2>();
    Form1->SetCodeWindow(Form2.get());
    new TMinimizeTogether(Form1.get(), Form2.get());
    Form1->show();
  } catch (...) {
    ReportStartupFailure(std::current_exception());
    return 1;
  }
  return TApplication::exec();
}
