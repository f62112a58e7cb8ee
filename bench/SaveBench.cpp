// Saving a 10 MB page through Save to file's writing path (the code area's
// text as UTF-8, written beside the target, flushed, synced and renamed over
// it) beside the floor: the same bytes written to a new file with plain
// system calls, synced and renamed over the target.
//
// Run with QT_QPA_PLATFORM=offscreen. Writes in the current folder.

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "ui/PageFile.h"
#include "ui/Unit2.h"

namespace {

void WriteSyncRename(const QByteArray& bytes, const QString& target) {
  const QByteArray temporary = QFile::encodeName(target + ".new");
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  for (qsizetype written = 0; written < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
    if (n <= 0) std::abort();
    written += n;
  }
  ::fdatasync(fd);
  ::close(fd);
  ::rename(temporary.constData(), QFile::encodeName(target).constData());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TForm2 form;
  const std::string line = Words(1 << 20).toStdString();
  for (int i = 0; i < 10; ++i) form.AddCodeLine(line);

  QTemporaryDir folder(QDir::current().filePath("save-bench-XXXXXX"));
  const QString target = folder.filePath("page.html");
  const QByteArray bytes = form.PageFileBytes();
  WriteSyncRename(bytes, target);  // the target exists for both sides

  // Interleaved, so that the disk's write-back of one side's file does not
  // fall on the other side alone.
  std::vector<double> save, floor;
  for (int i = 0; i < 9; ++i) {
    save.push_back(MedianMs(1, [&] { WritePageFile(target, form.PageFileBytes()); }));
    floor.push_back(MedianMs(1, [&] { WriteSyncRename(bytes, target); }));
  }
  std::sort(save.begin(), save.end());
  std::sort(floor.begin(), floor.end());
  const double saveMs = save[save.size() / 2];
  const double floorMs = floor[floor.size() / 2];
  std::printf("%-40s %9.1f ms\n", "Save to file's writing path, 10 MB", saveMs);
  std::printf("%-40s %9.1f ms\n", "floor: write, sync, rename", floorMs);
  std::printf("%-40s %9.2f\n", "ratio", saveMs / floorMs);
  return 0;
}
