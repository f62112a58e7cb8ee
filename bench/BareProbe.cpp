// The toolkit's floor for start-up: a bare program that shows one empty
// window of the page details window's size and ends after its first paint.

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class TEmptyWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TEmptyWindow window;
  window.resize(argc > 2 ? QSize(std::atoi(argv[1]), std::atoi(argv[2])) : QSize(347, 219));
  window.show();
  return QApplication::exec();
}
