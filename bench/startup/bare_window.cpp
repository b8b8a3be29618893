#include <QApplication>
#include <QLabel>
#include <QWidget>

// The yardstick for the calculator's start-up: a window of the same size with one label.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(525, 513);
  QLabel label(QStringLiteral("Varnok"), &window);
  window.show();
  return QApplication::exec();
}
