#include <QIcon>
#include <QTest>

#include "ui/KeptPicture.h"
#include "ui/Windows.h"

// The pictures compiled into the program: the two backdrops and the icon.
class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  // Must run first: it counts every decoding since the program started.
  void eachBackdropIsDecodedOnceAtItsFirstPainting() {
    TWindows windows = CreateWindows();
    QCOMPARE(KeptPictureDecodes(), 0);

    windows.Form1->show();
    windows.Form1->grab();
    QCOMPARE(KeptPictureDecodes(), 1);
    windows.Form1->repaint();
    windows.Form1->hide();
    windows.Form1->show();
    windows.Form1->grab();
    QCOMPARE(KeptPictureDecodes(), 1);

    windows.Form2->ShowCodeWindow();
    windows.Form2->grab();
    windows.Form2->close();
    windows.Form2->ShowCodeWindow();
    windows.Form2->grab();
    QCOMPARE(KeptPictureDecodes(), 2);

    TWindows again = CreateWindows();
    again.Form1->grab();
    again.Form2->grab();
    QCOMPARE(KeptPictureDecodes(), 2);
  }

  void backdropsDecodeAtFullSize() {
    QCOMPARE(KeptPicture(":/pictures/details-backdrop.jpg").size(), QSize(400, 248));
    QCOMPARE(KeptPicture(":/pictures/code-backdrop.jpg").size(), QSize(650, 310));
  }

  void detailsWindowCarriesTheIcon() {
    TWindows windows = CreateWindows();
    const QPixmap icon = windows.Form1->windowIcon().pixmap(32, 32);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(32, 32));
  }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
