#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text boxes hold UTF-16, in which a pasted lone surrogate (half of a pair)
// can stand; UTF-8 has no form for it. Rivurido writes U+FFFD REPLACEMENT
// CHARACTER (EF BF BD) for each one, the character that marks an unknown
// character everywhere else, rather than the "?" of QString::toUtf8(), which
// would put an ordinary character into the page that the user never typed.

// The UTF-8 bytes of a text, each lone surrogate as U+FFFD.
QByteArray EncodeUtf8(QStringView text);

// The text with each lone surrogate replaced by U+FFFD.
QString WithoutLoneSurrogates(const QString& text);
