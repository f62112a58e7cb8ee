#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// Runs a Qt Test class with HOME and XDG_CONFIG_HOME in a scratch folder: the
// file dialog keeps its history in the user's settings, and tests that drive
// it must neither read nor leave any.
template <typename Test>
int RunWithScratchHome(int argc, char** argv) {
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName("Rivurido");
  Test test;
  return QTest::qExec(&test, argc, argv);
}
