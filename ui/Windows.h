#pragma once

#include <memory>

#include "ui/Unit1.h"
#include "ui/Unit2.h"

// Both windows of the program. They live until the program ends; the Html
// code window is only ever hidden and shown again.
struct TWindows {
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<TForm2> Form2;
};

// Creates the page details window first (it is the main window), then the
// Html code window, hidden, and ties them together. Nothing is shown yet.
TWindows CreateWindows();
