#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The whole content of a file, or "<missing>" where it cannot be read, so a
// comparison with expected bytes shows what went wrong.
QByteArray ReadFile(const QString& path);

// Creates or replaces a file with the bytes; false if any step failed.
bool WriteFile(const QString& path, const QByteArray& bytes);

// Every entry of a folder, hidden ones included, so that leftovers show.
QStringList FolderEntries(const QString& folder);
