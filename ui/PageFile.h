#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// The page file could not be created: the message names the absolute path
// and the system's description of why.
class EFCreateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page's bytes could not all be written.
class EWriteError : public std::runtime_error {
 public:
  EWriteError() : std::runtime_error("Stream write error") {}
};

// Writes the bytes as the whole content of the file at `path`, replacing a
// file that is there without a question.
//
// The bytes go to a new file beside the target, which replaces the target
// only once every byte is written and flushed to disk: after any failure the
// old file is intact and no temporary file is left behind. A symbolic link
// is written through and kept; a replaced file keeps its permissions. A
// device, pipe or socket is written into directly.
void WritePageFile(const QString& path, const QByteArray& bytes);

// A system error description as messages show it: trailing full stops,
// spaces and control characters removed; empty when none fits in 255
// characters.
QString ErrorDescription(QString description);
