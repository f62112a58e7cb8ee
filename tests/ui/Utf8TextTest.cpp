#include <QTest>

#include "ui/Utf8Text.h"

// The bytes a page is saved as.
class Utf8TextTest : public QObject {
  Q_OBJECT

 private slots:
  void eachLoneSurrogateIsWrittenAsTheReplacementCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("utf8");
    const auto text = [](std::initializer_list<char16_t> units) {
      return QString::fromUtf16(units.begin(), units.size());
    };
    QTest::newRow("pair") << text({0xD83D, 0xDE00}) << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("low half first") << text({0xDC00, u'a'})
                                    << QByteArray(
                                           "\xEF\xBF\xBD"
                                           "a");
    QTest::newRow("high half inside") << text({u'a', 0xD800, u'b'})
                                      << QByteArray(
                                             "a\xEF\xBF\xBD"
                                             "b");
    QTest::newRow("high half last") << text({u'a', 0xD83D}) << QByteArray("a\xEF\xBF\xBD");
    QTest::newRow("two high halves")
        << text({0xD800, 0xD800}) << QByteArray("\xEF\xBF\xBD\xEF\xBF\xBD");
  }

  void eachLoneSurrogateIsWrittenAsTheReplacementCharacter() {
    QFETCH(QString, text);
    QFETCH(QByteArray, utf8);
    QCOMPARE(EncodeUtf8(text), utf8);
    QCOMPARE(WithoutLoneSurrogates(text), QString::fromUtf8(utf8));
  }
};

QTEST_GUILESS_MAIN(Utf8TextTest)
#include "Utf8TextTest.moc"
