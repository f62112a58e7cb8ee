#include "KeptPicture.h"

#include <QHash>
#include <QImageReader>
#include <QtDebug>

namespace {

QHash<QString, QImage>& Kept() {
  static QHash<QString, QImage> pictures;
  return pictures;
}

int decodes = 0;

QImage Decode(const QString& resource) {
  ++decodes;
  QImageReader reader(resource);
  QImage picture = reader.read();
  if (picture.isNull()) {
    qWarning("Cannot decode the picture %s: %s", qUtf8Printable(resource),
             qUtf8Printable(reader.errorString()));
  }
  return picture;
}

}  // namespace

const QImage& KeptPicture(const QString& resource) {
  auto kept = Kept().constFind(resource);
  if (kept == Kept().cend()) kept = Kept().insert(resource, Decode(resource));
  return *kept;
}

int KeptPictureDecodes() { return decodes; }
