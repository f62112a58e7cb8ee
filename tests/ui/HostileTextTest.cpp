#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string_view>

#include "page/DoorwayPage.h"
#include "support/Files.h"
#include "support/MessageBoxCapture.h"
#include "support/SaveDialogDriver.h"
#include "support/ScratchHome.h"
#include "ui/Memo.h"
#include "ui/Windows.h"

namespace {

using namespace std::string_view_literals;

// Text that may hold NUL characters.
QString Text(std::u16string_view text) { return QString::fromUtf16(text.data(), text.size()); }

// Page text as the code area holds it: every kind of line break (CR LF, a
// lone CR or LF, U+2029 PARAGRAPH SEPARATOR) is a CR LF there.
QByteArray WithCrLfBreaks(QByteArray text) {
  text.replace("\r\n", "\n").replace('\r', '\n').replace("\xe2\x80\xa9", "\n");
  return text.replace("\n", "\r\n");
}

struct THostileText {
  QString text;
  QByteArray utf8;  // as it goes into the page: each lone surrogate as U+FFFD
};

THostileText ControlCharacters() {
  const std::string_view utf8 =
      "\0\x01\x08\t\x0B\x0C\x1B\x1F\x7F\xC2\x85\xE2\x80\x8B\xEF\xBB\xBF\xEF\xBF\xBC\xEF\xBF\xBF"sv;
  return {Text(u"\0\x01\x08\t\x0B\x0C\x1B\x1F\x7F\u0085\u200B\uFEFF\uFFFC\uFFFF"sv),
          QByteArray(utf8.data(), utf8.size())};
}

THostileText LineBreaks() {
  return {Text(u"a\rb\nc\r\nd\u2028e\u2029f"sv), QByteArray("a\rb\nc\r\nd\xE2\x80\xA8"
                                                            "e\xE2\x80\xA9"
                                                            "f")};
}

THostileText LoneSurrogates() {
  const char16_t text[] = {0xDC00, u'x', 0xD800, u'y', 0xD83D, 0xDE00, u'z', 0xD83D};
  return {QString::fromUtf16(text, std::size(text)),
          QByteArray("\xEF\xBF\xBDx\xEF\xBF\xBDy\xF0\x9F\x98\x80z\xEF\xBF\xBD")};
}

THostileText RightToLeftAndCombining() {
  QString text = Text(
      u"\u202Eabc\u202C \u05E9\u05DC\u05D5\u05DD \u0627\u0644\u0633\u0644\u0627\u0645 \u2067x\u2069 e"sv);
  QByteArray utf8 =
      "\xE2\x80\xAE"
      "abc\xE2\x80\xAC \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xA7\xD9\x84\xD8\xB3\xD9\x84\xD8\xA7"
      "\xD9\x85 \xE2\x81\xA7x\xE2\x81\xA9 e";
  // A pile of combining marks on one letter.
  for (int i = 0; i < 64; ++i) {
    text += QChar(0x0301 + i % 16);
    utf8 += QString(QChar(0x0301 + i % 16)).toUtf8();
  }
  return {text, utf8};
}

// Ten megabytes of all of the above, pasted at once.
THostileText TenMegabytes() {
  THostileText chunk;
  for (const THostileText& part :
       {ControlCharacters(), LineBreaks(), LoneSurrogates(), RightToLeftAndCombining()}) {
    chunk.text += part.text + u' ';
    chunk.utf8 += part.utf8 + ' ';
  }
  const int copies = (10 << 20) / chunk.utf8.size();
  return {chunk.text.repeated(copies), chunk.utf8.repeated(copies)};
}

}  // namespace

// Hostile text pasted from the clipboard into every box of both windows,
// through the real widgets: nothing crashes or hangs, Build and Save to file
// go on working, and the saved file is exactly the UTF-8 of what the code
// area shows.
class HostileTextTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windows = CreateWindows();
    windows.Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(windows.Form1.get()));
  }

  void cleanup() { windows = {}; }

  void pastedTextIsSavedExactlyAsTheCodeAreaShowsIt_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("utf8");
    const std::pair<const char*, THostileText> texts[] = {
        {"control characters", ControlCharacters()},
        {"line breaks", LineBreaks()},
        {"lone surrogates", LoneSurrogates()},
        {"right-to-left and combining", RightToLeftAndCombining()},
        {"10 MB", TenMegabytes()},
    };
    for (const char* box : {"Edit1", "Edit2", "Edit3", "Memo1", "Memo2"}) {
      for (const auto& [name, hostile] : texts) {
        QTest::addRow("%s, %s", box, name) << box << hostile.text << hostile.utf8;
      }
    }
  }

  void pastedTextIsSavedExactlyAsTheCodeAreaShowsIt() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QByteArray, utf8);
    QByteArray expected;
    if (box == "Memo2") {
      Build();
      auto* code = windows.Form2->findChild<TMemo*>("Memo2");
      code->moveCursor(QTextCursor::End);
      Paste(code, text);
      expected = WithCrLfBreaks(QByteArray::fromStdString(JoinPageText(Page({}))) + utf8);
    } else {
      QWidget* input = windows.Form1->findChild<QWidget*>(box);
      Paste(input, text);
      if (auto* edit = qobject_cast<QLineEdit*>(input)) {
        QVERIFY(edit->text() == text);  // the single-line boxes keep a paste whole
      }
      Build();
      TDoorwayPageInputs inputs;
      std::string& field = box == "Edit1"   ? inputs.Title
                           : box == "Edit2" ? inputs.SiteUrl
                           : box == "Edit3" ? inputs.Keywords
                                            : inputs.Description;
      field = utf8.toStdString();
      expected = WithCrLfBreaks(QByteArray::fromStdString(JoinPageText(Page(inputs))));
    }
    const QString shown = windows.Form2->CodeText();
    QVERIFY(shown == QString::fromUtf8(expected));

    const QString path = folder.filePath("page.html");
    const TShownBox error = CaptureMessageBox([&] { DriveSaveDialog(SaveButton(), {path}); });
    QVERIFY2(!error.shown, qPrintable(error.text));
    const QByteArray saved = ReadFile(path);
    QVERIFY(saved == expected);
    QVERIFY(saved == shown.toUtf8());
  }

 private:
  static TDoorwayPageLines Page(TDoorwayPageInputs inputs) {
    inputs.FooterName = "Rivurido";
    return BuildDoorwayPage(inputs);
  }

  void Paste(QWidget* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  }

  void Build() {
    QTest::mouseClick(windows.Form1->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(windows.Form2.get()));
  }

  QPushButton* SaveButton() { return windows.Form2->findChild<QPushButton*>("Button2"); }

  QTemporaryDir folder;
  TWindows windows;
};

int main(int argc, char** argv) { return RunWithScratchHome<HostileTextTest>(argc, argv); }

#include "HostileTextTest.moc"
