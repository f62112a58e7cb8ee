#include "Utf8.h"

#include <QStringDecoder>

bool IsUtf8(std::string_view bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return !decoder.hasError();
}
