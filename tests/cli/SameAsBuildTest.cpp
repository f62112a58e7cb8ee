#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/Files.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

namespace {

// What one run of rivurido-page wrote to standard output.
struct TRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

TRun RunCommand(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(RIVURIDO_PAGE_PROGRAM, arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(-1);
  const bool exited = process.exitStatus() == QProcess::NormalExit;
  return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

}  // namespace

// rivurido-page against the real windows: for the same inputs it writes,
// to standard output and through -o, exactly the page text that Build puts
// into the code area, which is also what Save to file writes.
class SameAsBuildTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windows = CreateWindows();
    windows.Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
  }
  void cleanup() { windows = {}; }

  void theCommandWritesThePageThatBuildShows_data() {
    // What is typed into the four boxes (LF for Enter in the description),
    // and the command line for the same page. "{file}" in it names a file
    // holding `description`; standard input holds the same bytes.
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("description");

    QTest::newRow("no options, empty boxes") << ""
                                             << ""
                                             << ""
                                             << "" << QStringList{} << QByteArray();
    QTest::newRow("ordinary") << "Cheap flights"
                              << "http://example.com/"
                              << "flights, cheap"
                              << "Fly for less.\nEvery day."
                              << QStringList{"--title",       "Cheap flights",
                                             "--url",         "http://example.com/",
                                             "--keywords",    "flights, cheap",
                                             "--description", "Fly for less.\nEvery day."}
                              << QByteArray();
    QTest::newRow("markup, quotes and spaces, with =")
        << "  a\"b&c<d>  "
        << "\"><"
        << "&amp;"
        << "   "
        << QStringList{"--title=  a\"b&c<d>  ", "--url=\"><", "--keywords=&amp;",
                       "--description=   "}
        << QByteArray();
    QTest::newRow("values that look like options")
        << "-o"
        << "--help"
        << "-"
        << "--version" << QStringList{"--title",    "-o", "--url",         "--help",
                                      "--keywords", "-",  "--description", "--version"}
        << QByteArray();
    QTest::newRow("unicode") << QString("Café\u00A0中文") << QString("http://例え.jp")
                             << QString("naïve") << QString("ü\nß\u05D0")
                             << QStringList{"--title",       QString("Café\u00A0中文"),
                                            "--url",         QString("http://例え.jp"),
                                            "--keywords",    QString("naïve"),
                                            "--description", QString("ü\r\nß\u05D0")}
                             << QByteArray();
    QTest::newRow("inline line breaks of every kind")
        << ""
        << ""
        << ""
        << "a\nb\nc\nd\n\ne\n\n"
        << QStringList{"--description", "a\rb\r\nc\nd\n\re\r\r\n"} << QByteArray();
    QTest::newRow("description file with every kind of line break")
        << "T"
        << ""
        << ""
        << "one\ntwo\nthree\nfour\n\nfive\n\n"
        << QStringList{"--title", "T", "--description-file", "{file}"}
        << QByteArray("one\rtwo\r\nthree\nfour\n\rfive\r\r\n");
    QTest::newRow("description on standard input, breaks at the start only")
        << ""
        << ""
        << ""
        << "\n\nstarts with breaks" << QStringList{"--description-file", "-"}
        << QByteArray("\r\n\rstarts with breaks");
    QTest::newRow("empty description file")
        << ""
        << ""
        << ""
        << "" << QStringList{"--description-file", "{file}"} << QByteArray();
    QTest::newRow("long values") << QString(40000, 'x') << QString(3000, 'u') << QString(2000, 'k')
                                 << QString(4000, 'd') + "\n\nend"
                                 << QStringList{"--title",
                                                QString(40000, 'x'),
                                                "--url",
                                                QString(3000, 'u'),
                                                "--keywords",
                                                QString(2000, 'k'),
                                                "--description-file",
                                                "{file}"}
                                 << QByteArray(4000, 'd') + "\n\nend";
  }

  void theCommandWritesThePageThatBuildShows() {
    QFETCH(QString, title);
    QFETCH(QString, url);
    QFETCH(QString, keywords);
    QFETCH(QString, typed);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, description);
    Edit("Edit1")->setText(title);
    Edit("Edit2")->setText(url);
    Edit("Edit3")->setText(keywords);
    windows.Form1->findChild<TMemo*>("Memo1")->setPlainText(typed);
    QTest::mouseClick(windows.Form1->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    const QByteArray shown = windows.Form2->CodeText().toUtf8();
    QCOMPARE(windows.Form2->PageFileBytes(), shown);

    const QString descriptionFile = folder.filePath("description.txt");
    QFile file(descriptionFile);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(description) == description.size());
    file.close();
    arguments.replaceInStrings("{file}", descriptionFile);

    const TRun toOutput = RunCommand(arguments, description);
    QCOMPARE(toOutput.err, QByteArray());
    QCOMPARE(toOutput.status, 0);
    QCOMPARE(toOutput.out, shown);

    const QString page = folder.filePath("page.html");
    const TRun toFile = RunCommand(arguments + QStringList{"-o", page}, description);
    QCOMPARE(toFile.err, QByteArray());
    QCOMPARE(toFile.status, 0);
    QCOMPARE(toFile.out, QByteArray());
    QCOMPARE(ReadFile(page), shown);
  }

 private:
  QLineEdit* Edit(const char* name) { return windows.Form1->findChild<QLineEdit*>(name); }

  QTemporaryDir folder;
  TWindows windows;
};

QTEST_MAIN(SameAsBuildTest)
#include "SameAsBuildTest.moc"
