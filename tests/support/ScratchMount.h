#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted for one test, so that failures root cannot bypass (a
// full or read-only filesystem) can be made. Mounting needs the privilege to
// mount; IsMounted() says whether it worked.
class TScratchMount {
 public:
  explicit TScratchMount(int kilobytes);
  ~TScratchMount();
  TScratchMount(const TScratchMount&) = delete;
  TScratchMount& operator=(const TScratchMount&) = delete;

  bool IsMounted() const { return mounted_; }
  QString Path() const { return folder_.path(); }

  // Fills the filesystem to the last byte with one file named `name`.
  void Fill(const QString& name);
  void MakeReadOnly();

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
};
