// Writes the program's backdrop pictures into the folder given as the only
// argument (creating it if needed). The output is the same byte for byte on
// every run, so the committed pictures can be checked against a fresh run.
#include <exception>
#include <filesystem>
#include <iostream>

#include "BackdropJpeg.h"
#include "Backdrops.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const TBackdrop& backdrop : Backdrops()) {
      WriteBackdropJpeg(PaintStreaks(backdrop.Style), BackdropQuality, folder / backdrop.FileName);
    }
  } catch (const std::exception& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
