#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "LargePage.h"
#include "support/Files.h"
#include "support/ScratchMount.h"

namespace {

// How many saves are killed; RIVURIDO_KILL_RUNS asks for more.
int Runs() {
  bool given = false;
  const int runs = qEnvironmentVariableIntValue("RIVURIDO_KILL_RUNS", &given);
  return given && runs > 0 ? runs : 200;
}

}  // namespace

// A save killed at a random moment, over and over: the target is always the
// old page or the new one, whole, and no part of a page is left beside it.
class KillDuringSaveTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A filesystem of known kind, not whatever the temporary folder lies on.
    if (mount.IsMounted()) {
      folder = mount.Path();
    } else {
      QVERIFY(scratch.isValid());
      folder = scratch.path();
    }
    target = folder + "/page.html";
    oldPage = LargePage('o');
    newPage = LargePage('n');
  }

  void killedAtAnyMomentLeavesTheOldPageOrTheNewWhole() {
    const std::chrono::microseconds saveTime = TypicalSaveTime();
    const int runs = Runs();
    int killedWhileSaving = 0;
    int killedJustBeforeTheRename = 0;
    for (int run = 0; run < runs; ++run) {
      QVERIFY(WriteFile(target, oldPage));
      QProcess writer;
      StartSaving(writer);
      // Anywhere in the save, and now and then just after it.
      const auto delay = std::chrono::microseconds(
          QRandomGenerator::global()->bounded(qint64{saveTime.count() * 5 / 4 + 1}));
      std::this_thread::sleep_for(delay);
      writer.kill();
      QVERIFY(writer.waitForFinished(30000));
      if (writer.exitStatus() == QProcess::NormalExit) {
        QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
      }
      if (writer.readAllStandardOutput() != "saved\n") ++killedWhileSaving;

      const QByteArray onDisk = ReadFile(target);
      QVERIFY2(onDisk == oldPage || onDisk == newPage,
               qPrintable(QString("run %1: the target is neither page whole").arg(run)));
      QStringList others = FolderEntries(folder);
      others.removeOne("page.html");
      if (others.isEmpty()) continue;
      // The one moment no save can close: the finished page has just been
      // given a name of its own beside the target, to be renamed over it,
      // because the system cannot put a file without a name in place of one
      // with a name. Killed there, the target is still the old page and the
      // new one lies complete beside it; any other leftover is a fault.
      const QString other = folder + u'/' + others.constFirst();
      QVERIFY2(others.size() == 1 && others.constFirst().startsWith("page.html.") &&
                   onDisk == oldPage && ReadFile(other) == newPage,
               qPrintable(QString("run %1 left: %2").arg(run).arg(others.join(", "))));
      ++killedJustBeforeTheRename;
      QVERIFY(QFile::remove(other));
    }
    qInfo(
        "%d saves: %d killed while saving, %d of them just before the final rename, %d "
        "finished before the kill",
        runs, killedWhileSaving, killedJustBeforeTheRename, runs - killedWhileSaving);
    // The test means something only if most kills land inside a save.
    QVERIFY(killedWhileSaving >= runs / 2);
  }

 private:
  void StartSaving(QProcess& writer) {
    writer.start(QStringLiteral(RIVURIDO_PAGE_WRITER), {target});
    QVERIFY(writer.waitForStarted(30000));
    QVERIFY(writer.waitForReadyRead(30000));
    QCOMPARE(writer.readLine(), QByteArray("saving\n"));
  }

  // The middle of a few saves left to finish, timed from "saving" to
  // "saved": the span the kills are spread over.
  std::chrono::microseconds TypicalSaveTime() {
    std::vector<qint64> times;
    for (int i = 0; i < 5; ++i) {
      if (!WriteFile(target, oldPage)) return {};
      QProcess writer;
      StartSaving(writer);
      QElapsedTimer timer;
      timer.start();
      writer.waitForReadyRead(30000);
      times.push_back(timer.nsecsElapsed() / 1000);
      writer.waitForFinished(30000);
      if (ReadFile(target) != newPage) return {};
    }
    std::sort(times.begin(), times.end());
    return std::chrono::microseconds(times[times.size() / 2]);
  }

  // Old page, new page and the save's own copy, with room to spare.
  TScratchMount mount{48 * 1024};
  QTemporaryDir scratch;
  QString folder;
  QString target;
  QByteArray oldPage;
  QByteArray newPage;
};

QTEST_GUILESS_MAIN(KillDuringSaveTest)
#include "KillDuringSaveTest.moc"
