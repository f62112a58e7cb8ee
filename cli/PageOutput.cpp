#include "PageOutput.h"

#include <QFile>
#include <cstdio>

#include "ui/PageFile.h"

void WriteToStandardOutput(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0) {
    throw EWriteError();
  }
}

void WritePage(std::string_view page, const std::optional<std::string>& file) {
  if (!file) return WriteToStandardOutput(page);
  WritePageFile(QFile::decodeName(QByteArray::fromStdString(*file)),
                QByteArray(page.data(), qsizetype(page.size())));
}
