#pragma once

#include <QString>
#include <exception>

// The text the error box shows for a failure's message: a full stop is added
// when the last character sorts after ".", so messages read as sentences
// without doubling their own punctuation.
QString ErrorBoxText(const QString& message);

// The message of a failure: "Out of memory" for an exhausted memory, the
// exception's own UTF-8 text otherwise.
QString ExceptionMessage(const std::exception_ptr& failure);
