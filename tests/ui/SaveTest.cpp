#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "support/FailingAllocator.h"
#include "support/Files.h"
#include "support/MessageBoxCapture.h"
#include "support/SaveDialogDriver.h"
#include "support/ScratchHome.h"
#include "support/ScratchMount.h"
#include "ui/Memo.h"
#include "ui/SaveDialog.h"
#include "ui/Unit2.h"

// Save to file through the real file dialog, with outcomes checked on disk.
class SaveTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // Every test saves in a folder of its own. The folders stay until the
    // end, because the file dialog starts where the previous one ended.
    folder = std::make_unique<QTemporaryDir>(runFolder.filePath("test-XXXXXX"));
    folder->setAutoRemove(false);
    QDir::setCurrent(folder->path());
    form = std::make_unique<TForm2>();
    form->ShowCodeWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }

  void cleanup() {
    form.reset();
    QDir::setCurrent(QDir::tempPath());
    folder.reset();
  }

  void savesExactlyTheCodeAreaText_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF and UTF-8")
        << QStringList{"<HTML>", "Café 中文", ""}
        << QByteArray("<HTML>\r\nCaf\xc3\xa9 \xe4\xb8\xad\xe6\x96\x87\r\n\r\n");
    QTest::newRow("no-break space kept") << QStringList{QString("a\u00A0b")}
                                         << QByteArray(
                                                "a\xc2\xa0"
                                                "b\r\n");
    QTest::newRow("empty area, empty file") << QStringList{} << QByteArray();
  }

  void savesExactlyTheCodeAreaText() {
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    for (const QString& line : lines) form->AddCodeLine(line.toStdString());
    const QString path = folder->filePath("page.html");
    Save(path);
    QCOMPARE(ReadFile(path), bytes);
    QCOMPARE(FolderEntries(folder->path()), QStringList{"page.html"});
  }

  void savesTheTextAsEdited() {
    form->AddCodeLine("<HTML>");
    TMemo* code = form->findChild<TMemo*>("Memo2");
    code->setFocus();
    code->moveCursor(QTextCursor::End);
    QTest::keyClicks(code, "edited");
    QTest::keyClick(code, Qt::Key_Return);
    const QString path = folder->filePath("page.html");
    Save(path);
    QCOMPARE(ReadFile(path), QByteArray("<HTML>\r\nedited\r\n"));
  }

  void replacesALongerFileAndKeepsItsPermissions() {
    const QString path = folder->filePath("page.html");
    QVERIFY(WriteFile(path, QByteArray(10000, 'o')));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    form->AddCodeLine("short");
    Save(path);
    QCOMPARE(ReadFile(path), QByteArray("short\r\n"));
    // The user bits mirror the owner's for the running user; compare the rest.
    const auto modeBits = ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    QCOMPARE(QFile::permissions(path) & modeBits,
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
  }

  void savesUnderTheLongestNameTheFolderAllows() {
    form->AddCodeLine("x");
    const QString path = folder->filePath(QString(250, 'n') + ".html");
    Save(path);
    QCOMPARE(ReadFile(path), QByteArray("x\r\n"));
  }

  void savingThroughASymbolicLinkWritesItsTargetAndKeepsTheLink() {
    const QString target = folder->filePath("real.html");
    const QString link = folder->filePath("link.html");
    QVERIFY(WriteFile(target, "old"));
    QVERIFY(QFile::link(target, link));
    form->AddCodeLine("new");
    Save(link);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(ReadFile(target), QByteArray("new\r\n"));
  }

  void proposesDoorpageFirstThenTheLastConfirmedPath() {
    form->AddCodeLine("x");
    // Go to the folder, then confirm the proposed name as it stands.
    const TDialogSeen first = RunSaveDialog({folder->path(), "doorpage"});
    QCOMPARE(first.name, QString("doorpage"));
    const QString completed = folder->filePath("doorpage.html");
    QCOMPARE(Dialog()->FileName, completed);
    QCOMPARE(ReadFile(completed), QByteArray("x\r\n"));

    const TDialogSeen second = RunSaveDialog({});  // cancel
    QCOMPARE(second.name, QString("doorpage.html"));
    QCOMPARE(QDir(second.folder), QDir(folder->path()));
    QCOMPARE(Dialog()->FileName, completed);

    QVERIFY(QDir(folder->path()).mkdir("other"));
    const QString other = folder->filePath("other/page.html");
    RunSaveDialog({other});
    QCOMPARE(Dialog()->FileName, other);
    const TDialogSeen third = RunSaveDialog({});
    QCOMPARE(third.name, QString("page.html"));
    QCOMPARE(QDir(third.folder), QDir(folder->filePath("other")));
  }

  void cancellingWritesNothingAndShowsNothing() {
    form->AddCodeLine("x");
    const TShownBox box = CaptureMessageBox([&] { RunSaveDialog({}); });
    QVERIFY(!box.shown);
    QCOMPARE(FolderEntries(folder->path()), QStringList{});
    QCOMPARE(Dialog()->FileName, QString("doorpage"));
    QTRY_COMPARE(QApplication::focusWidget(), SaveButton());
  }

  void dialogStandsCentredAThirdOfTheWayDown() {
    const TDialogSeen seen = RunSaveDialog({});
    const QRect monitor = form->screen()->geometry();
    QCOMPARE(seen.frame.left(), monitor.left() + (monitor.width() - seen.frame.width()) / 2);
    QCOMPARE(seen.frame.top(), monitor.top() + (monitor.height() - seen.frame.height()) / 3);
  }

  // Every failure keeps the old file byte for byte, leaves nothing behind,
  // shows its message and leaves the window as it was.
  void failuresNeverLoseTheOldFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");  // %1: the chosen path
    QTest::newRow("missing folder") << "missing folder"
                                    << "Cannot create file \"%1\". No such file or directory.";
    QTest::newRow("folder removed after the dialog")
        << "folder removed"
        << "Cannot create file \"%1\". No such file or directory.";
    QTest::newRow("folder as target") << "folder as target"
                                      << "Cannot create file \"%1\". Is a directory.";
    QTest::newRow("name too long") << "name too long"
                                   << "Cannot create file \"%1\". File name too long.";
    QTest::newRow("read-only filesystem") << "read-only filesystem"
                                          << "Cannot create file \"%1\". Read-only file system.";
    // A small page fits the write buffer, so its failure shows only when the
    // buffer is flushed; a large one fails in the write itself.
    QTest::newRow("full filesystem, small page") << "full filesystem"
                                                 << "Stream write error.";
    QTest::newRow("full filesystem, large page") << "full filesystem"
                                                 << "Stream write error.";
  }

  void failuresNeverLoseTheOldFile() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QByteArray oldBytes = "the old page";
    TScratchMount mount(64);
    QString base = folder->path();
    QString path = base + "/page.html";
    std::function<void()> betweenDialogAndWrite;

    if (kind == "missing folder") {
      path = base + "/missing/page.html";
    } else if (kind == "folder removed") {
      // The folder is there while the dialog runs and gone when the file is
      // written; it must not come back.
      base = folder->filePath("gone");
      path = base + "/page.html";
      QVERIFY(QDir().mkdir(base));
      betweenDialogAndWrite = [base] { QDir(base).removeRecursively(); };
    } else if (kind == "folder as target") {
      betweenDialogAndWrite = [path] { QDir().mkdir(path); };
    } else if (kind == "name too long") {
      // The dialog refuses an over-long file name itself, but not a path
      // through an over-long folder name.
      path = base + u'/' + QString(300, 'n') + "/page.html";
    } else {
      if (!mount.IsMounted()) QSKIP("Mounting a tmpfs is not permitted here");
      base = mount.Path();
      path = base + "/page.html";
      QVERIFY(WriteFile(path, oldBytes));
      if (kind == "read-only filesystem") mount.MakeReadOnly();
      if (kind == "full filesystem") mount.Fill("filler");
    }
    const bool hadOldFile = QFileInfo(path).isFile();
    const QStringList entriesBefore = FolderEntries(base);
    const bool largePage = QByteArray(QTest::currentDataTag()).contains("large");
    for (int i = 0; i < (largePage ? 500 : 3); ++i) form->AddCodeLine(std::string(80, 'p'));
    const QString textBefore = form->CodeText();

    const TShownBox box =
        CaptureMessageBox([&] { RunSaveDialog({path}, std::move(betweenDialogAndWrite)); });

    QVERIFY(box.shown);
    QCOMPARE(box.text, message.contains("%1") ? message.arg(path) : message);
    if (hadOldFile) QCOMPARE(ReadFile(path), oldBytes);
    if (kind != "folder as target") QCOMPARE(FolderEntries(base), entriesBefore);
    if (kind == "folder removed") QVERIFY(!QFileInfo::exists(base));
    QCOMPARE(Dialog()->FileName, path);
    QCOMPARE(form->CodeText(), textBefore);
    QVERIFY(form->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), SaveButton());
  }

  // Memory runs out for the page's text while saving: the error box says so,
  // the old file stays, and the next save works.
  void outOfMemoryKeepsTheOldFileAndTheNextSaveWorks() {
    const QString path = folder->filePath("page.html");
    QVERIFY(WriteFile(path, "the old page"));
    // Many short lines: only the few on screen are laid out, so the first
    // large request for memory is the save's own.
    const std::string line(60, 'p');
    {
      const auto update = form->CodeUpdate();
      for (int i = 0; i < 20000; ++i) form->AddCodeLine(line);
    }

    TShownBox box;
    {
      TAllocationFailure noLargeBlocks(1 << 20);
      box = CaptureMessageBox([&] { RunSaveDialog({path}); });
      QVERIFY(noLargeBlocks.Happened());
    }
    QCOMPARE(box.text, QString("Out of memory."));
    QCOMPARE(ReadFile(path), QByteArray("the old page"));
    QCOMPARE(FolderEntries(folder->path()), QStringList{"page.html"});
    QTRY_COMPARE(QApplication::focusWidget(), SaveButton());

    Save(path);
    QCOMPARE(ReadFile(path), QByteArray::fromStdString(line + "\r\n").repeated(20000));
  }

 private:
  TSaveDialog* Dialog() { return form->findChild<TSaveDialog*>("SaveDialog1"); }
  QPushButton* SaveButton() { return form->findChild<QPushButton*>("Button2"); }

  void Save(const QString& path) {
    const TShownBox box = CaptureMessageBox([&] { RunSaveDialog({path}); });
    QVERIFY2(!box.shown, qPrintable(box.text));
  }

  TDialogSeen RunSaveDialog(const QStringList& entries, std::function<void()> afterDialog = {}) {
    return DriveSaveDialog(SaveButton(), entries, afterDialog);
  }

  QTemporaryDir runFolder;
  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<TForm2> form;
};

int main(int argc, char** argv) { return RunWithScratchHome<SaveTest>(argc, argv); }

#include "SaveTest.moc"
