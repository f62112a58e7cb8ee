// The toolkit's floor for start-up: a bare program that shows one empty
// window of the page details window's size and ends after its first paint.
// With the argument `text` the window shows one line of text, which makes
// the toolkit load its font database as any window with text must.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

class TBareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TBareWindow window;
  window.resize(347, 219);  // the page details window with its border band
  if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
    (new QLabel(QStringLiteral("Title"), &window))->move(45, 17);
  }
  window.show();
  return QApplication::exec();
}
