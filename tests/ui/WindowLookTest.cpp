#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <cmath>

#include "ui/Windows.h"

// Both windows as the shared look makes them at the text size of the screen.
// The test runs at several logical resolutions (see tests/CMakeLists.txt), so
// that the window font measures 13 pixels and more.
class WindowLookTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windows = CreateWindows();
    windows.Form1->show();
    windows.Form2->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows.Form2.get()));
  }
  void cleanup() {
    windows = {};
    QApplication::setPalette(QPalette());
  }

  void clientAreaGrowsWithTheTextHeight_data() { Windows(); }
  void clientAreaGrowsWithTheTextHeight() {
    QFETCH(QString, window);
    QWidget* form = Form(window);
    const int h = TextHeight(form);
    // Client sizes for each text height of the window font, at 12 to 16.
    const QMap<int, QSize> details{{13, {337, 209}}, {14, {363, 225}}, {16, {415, 257}}};
    const QMap<int, QSize> code{{13, {625, 281}}, {14, {673, 303}}, {16, {769, 346}}};
    const QMap<int, QSize>& sizes = window == "details" ? details : code;
    QVERIFY2(sizes.contains(h), qPrintable(QString("no figures for text height %1").arg(h)));

    const QSize band(10, 10);
    QCOMPARE(form->size(), sizes[h] + band);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    for (const char* cover : {"Image1", "Bevel1"}) {
      QCOMPARE(form->findChild<QWidget*>(cover)->geometry(), QRect(QPoint(5, 5), sizes[h]));
    }
  }

  void controlsStandAtTheirScaledPlaces_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("design");
    const QList<std::pair<const char*, QRect>> details{
        {"Label1", {40, 12, 20, 13}},    {"Label2", {16, 76, 46, 13}},
        {"Label3", {8, 108, 53, 13}},    {"Label4", {28, 44, 35, 13}},
        {"Edit1", {80, 8, 241, 21}},     {"Edit2", {80, 40, 241, 21}},
        {"Edit3", {80, 72, 241, 21}},    {"Memo1", {80, 104, 241, 65}},
        {"Button1", {168, 176, 75, 25}}, {"Button2", {248, 176, 75, 25}}};
    const QList<std::pair<const char*, QRect>> code{{"Memo2", {8, 8, 609, 225}},
                                                    {"Button1", {96, 248, 137, 25}},
                                                    {"Button2", {248, 248, 137, 25}},
                                                    {"Button3", {400, 248, 137, 25}}};
    for (const auto& [name, design] : details) {
      QTest::addRow("details %s", name) << "details" << name << design;
    }
    for (const auto& [name, design] : code) {
      QTest::addRow("code %s", name) << "code" << name << design;
    }
  }
  void controlsStandAtTheirScaledPlaces() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QRect, design);
    QWidget* form = Form(window);
    const int h = TextHeight(form);
    const auto scaled = [h](int edge) { return int(std::lround(edge * h / 13.0)); };
    const QPoint origin(scaled(design.x()) + 5, scaled(design.y()) + 5);
    QSize size(scaled(design.x() + design.width()) - scaled(design.x()),
               scaled(design.y() + design.height()) - scaled(design.y()));

    QWidget* control = form->findChild<QWidget*>(name);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      size = QSize(QFontMetrics(form->font()).horizontalAdvance(label->text()), h);
    } else if (qobject_cast<QLineEdit*>(control)) {
      size.setHeight(h + 8);
    }
    QCOMPARE(control->geometry(), QRect(origin, size));
    QCOMPARE(control->font(), form->font());
  }

  void backdropFrameAndBandShowWhereNoControlIs_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("ownColours");
    for (const char* window : {"details", "code"}) {
      QTest::addRow("%s, desktop colours", window) << window << false;
      QTest::addRow("%s, colours changed while shown", window) << window << true;
    }
  }
  void backdropFrameAndBandShowWhereNoControlIs() {
    QFETCH(QString, window);
    QFETCH(bool, ownColours);
    QWidget* form = Form(window);
    QPalette colours = form->palette();
    if (ownColours) {
      form->grab();  // painted once in the old colours
      colours.setColor(QPalette::Button, QColor(10, 200, 30));
      colours.setColor(QPalette::Light, QColor(250, 240, 0));
      colours.setColor(QPalette::Dark, QColor(120, 0, 130));
      QApplication::setPalette(colours);
      QCoreApplication::processEvents();  // how the desktop's change arrives
    }
    const QImage shown = form->grab().toImage();
    const QImage picture(window == "details" ? ":/pictures/details-backdrop.jpg"
                                             : ":/pictures/code-backdrop.jpg");
    const QRect client = form->rect().adjusted(5, 5, -5, -5);
    const int w = client.width();
    const int h = client.height();

    QRegion controls;
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->objectName() != "Image1" && control->objectName() != "Bevel1") {
        controls += control->geometry();
      }
    }

    for (int y = 0; y < form->height(); ++y) {
      for (int x = 0; x < form->width(); ++x) {
        const QPoint p(x - 5, y - 5);  // in the client area
        QColor expected;
        if (!client.contains(x, y)) {
          expected = colours.color(QPalette::Button);
        } else if (controls.contains(QPoint(x, y))) {
          continue;
        } else if (OnShadowLine(p, w, h)) {
          expected = colours.color(QPalette::Dark);
        } else if (OnHighlightLine(p, w, h)) {
          expected = colours.color(QPalette::Light);
        } else if (picture.rect().contains(p)) {
          expected = picture.pixelColor(p);
        } else {
          expected = colours.color(QPalette::Button);
        }
        if (shown.pixelColor(x, y).rgb() != expected.rgb()) {
          QFAIL(qPrintable(QString("pixel %1,%2 of the window is %3, not %4")
                               .arg(x)
                               .arg(y)
                               .arg(shown.pixelColor(x, y).name(), expected.name())));
        }
      }
    }
  }

  void labelCaptionsLieOnThePictureWithNoBackground() {
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 200));
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
    QWidget* form = windows.Form1.get();
    const QImage shown = form->grab().toImage();
    const QImage picture(":/pictures/details-backdrop.jpg");

    for (QLabel* label : form->findChildren<QLabel*>()) {
      int onPicture = 0;
      int inTextColour = 0;
      int inButtonTextColour = 0;
      const QRect box = label->geometry();
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          const QColor colour = shown.pixelColor(x, y);
          onPicture += colour.rgb() == picture.pixelColor(x - 5, y - 5).rgb();
          // Smoothed glyph edges mix the text colour with the picture's grey.
          inTextColour += colour.red() - colour.green() > 80;
          inButtonTextColour += colour.blue() - colour.green() > 80;
        }
      }
      QVERIFY2(onPicture > box.width() * box.height() / 2, qPrintable(label->text()));
      QVERIFY2(inTextColour > 0, qPrintable(label->text()));
      QVERIFY2(inButtonTextColour == 0, qPrintable(label->text()));
    }
  }

  void workingControlsHideTheBackdropCompletely_data() { Windows(); }
  void workingControlsHideTheBackdropCompletely() {
    QFETCH(QString, window);
    QWidget* form = Form(window);
    const QImage shown = form->grab().toImage();
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->focusPolicy() == Qt::NoFocus) continue;
      // Drawn on its own, a control shows its own background wherever it
      // would let the window beneath show through.
      const QImage alone = control->grab().toImage().convertToFormat(shown.format());
      QCOMPARE(shown.copy(control->geometry()), alone);
    }
  }

  void maximizeLeavesTheSizeUnchanged_data() { Windows(); }
  void maximizeLeavesTheSizeUnchanged() {
    QFETCH(QString, window);
    QWidget* form = Form(window);
    const QRect before = form->geometry();
    form->showMaximized();
    QCoreApplication::processEvents();
    QCOMPARE(form->geometry(), before);
    QVERIFY(!form->isMaximized());
  }

 private:
  static void Windows() {
    QTest::addColumn<QString>("window");
    QTest::newRow("details") << "details";
    QTest::newRow("code") << "code";
  }

  QWidget* Form(const QString& window) {
    return window == "details" ? static_cast<QWidget*>(windows.Form1.get())
                               : static_cast<QWidget*>(windows.Form2.get());
  }

  // The text height that the window font measures on this screen.
  static int TextHeight(const QWidget* form) { return QFontMetrics(form->font()).height(); }

  // The etched frame of a w x h client area: a shadow outline from (0, 0)
  // to (w - 2, h - 2) over a highlight outline from (1, 1) to (w - 1, h - 1).
  static bool OnShadowLine(QPoint p, int w, int h) {
    const bool within = p.x() <= w - 2 && p.y() <= h - 2;
    return within && (p.x() == 0 || p.y() == 0 || p.x() == w - 2 || p.y() == h - 2);
  }
  static bool OnHighlightLine(QPoint p, int w, int h) {
    const bool within = p.x() >= 1 && p.y() >= 1;
    return within && (p.x() == 1 || p.y() == 1 || p.x() == w - 1 || p.y() == h - 1);
  }

  TWindows windows;
};

QTEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"
