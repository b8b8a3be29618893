#include <QApplication>

#include "calculator_window.hpp"

// Opens the calculator; closing its window ends the program.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  varnok::window::CalculatorWindow window;
  window.show();
  return QApplication::exec();
}
