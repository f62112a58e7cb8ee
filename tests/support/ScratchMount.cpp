#include "ScratchMount.h"

#include <sys/mount.h>

#include <QByteArray>
#include <QFile>

TScratchMount::TScratchMount(int kilobytes) {
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  mounted_ =
      ::mount("tmpfs", QFile::encodeName(Path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

TScratchMount::~TScratchMount() {
  if (mounted_) ::umount2(QFile::encodeName(Path()).constData(), MNT_DETACH);
}

void TScratchMount::Fill(const QString& name) {
  QFile filler(Path() + u'/' + name);
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
  const QByteArray block(4096, 'f');
  while (filler.write(block) == block.size()) {
  }
  for (const QByteArray byte(1, 'f'); filler.write(byte) == 1;) {
  }
}

void TScratchMount::MakeReadOnly() {
  ::mount("tmpfs", QFile::encodeName(Path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
}
