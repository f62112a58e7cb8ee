#include "Windows.h"

#include "ui/MinimizeTogether.h"

TWindows CreateWindows() {
  TWindows windows;
  windows.Form1 = std::make_unique<TForm1>();
  windows.Form2 = std::make_unique<TForm2>();
  windows.Form1->SetCodeWindow(windows.Form2.get());
  new TMinimizeTogether(windows.Form1.get(), windows.Form2.get());
  return windows;
}
