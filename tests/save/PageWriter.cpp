// Saves the large page marked 'n' over the file named on the command line,
// as Save to file does, so that a test can kill it while it saves. It says
// "saving" on its output just before the save and "saved" right after it.

#include <cstdio>
#include <exception>

#include "LargePage.h"
#include "ui/PageFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: page_writer FILE\n", stderr);
    return 2;
  }
  const QByteArray page = LargePage('n');
  std::fputs("saving\n", stdout);
  std::fflush(stdout);
  try {
    WritePageFile(QString::fromLocal8Bit(argv[1]), page);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::fputs("saved\n", stdout);
  std::fflush(stdout);
  return 0;
}
