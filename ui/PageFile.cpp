#include "PageFile.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

QString SystemDescription(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

[[noreturn]] void ThrowCreateError(const QString& path, const QString& description) {
  const QString message =
      QStringLiteral("Cannot create file \"%1\". %2")
          .arg(QFileInfo(path).absoluteFilePath(), ErrorDescription(description));
  throw EFCreateError(message.toStdString());
}

// The reasons the save file refuses a target before trying to create
// anything, told in the system's words rather than its own.
void CheckTarget(const QString& path) {
  const QFileInfo target(path);
  if (target.isDir()) ThrowCreateError(path, SystemDescription(EISDIR));
  if (target.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0) {
    ThrowCreateError(path, SystemDescription(errno));
  }
}

// A device, pipe or socket has no content to keep, and replacing it with a
// new file would put a plain file where, say, /dev/null was: the bytes go
// straight into it, as into any stream.
bool IsDeviceOrPipe(const QString& path) {
  const QFileInfo target(path);
  return target.exists() && !target.isFile() && !target.isDir();
}

void WriteStraightInto(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    ThrowCreateError(path, file.errorString());
  }
  if (file.write(bytes) != bytes.size()) throw EWriteError();
}

}  // namespace

QString ErrorDescription(QString description) {
  constexpr int LongestDescription = 255;
  while (!description.isEmpty() &&
         (description.back() == u'.' || description.back().unicode() <= u' ')) {
    description.chop(1);
  }
  return description.size() > LongestDescription ? QString() : description;
}

void WritePageFile(const QString& path, const QByteArray& bytes) {
  CheckTarget(path);
  if (IsDeviceOrPipe(path)) return WriteStraightInto(path, bytes);
  QSaveFile file(path);
  // Unbuffered, so that a short write shows at once in write() itself.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    ThrowCreateError(path, file.errorString());
  }
  // The flush is checked on its own: commit() can report success after a
  // failed flush and would then replace the target with an empty file.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    file.cancelWriting();
    throw EWriteError();
  }
  if (!file.commit()) throw EWriteError();
}
