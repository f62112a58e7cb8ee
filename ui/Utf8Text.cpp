#include "Utf8Text.h"

#include <QStringEncoder>

QByteArray EncodeUtf8(QStringView text) {
  // Stateless, so that a high surrogate at the very end is written out too
  // instead of being kept back for a low surrogate that never comes.
  QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  return encoder.encode(text);
}

QString WithoutLoneSurrogates(const QString& text) {
  if (text.isValidUtf16()) return text;
  return QString::fromUtf8(EncodeUtf8(text));
}
