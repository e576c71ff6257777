// The smallest Qt window, one button: what the window's start-up is weighed against.
#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QPushButton button("\u518D\u751F");
  button.show();
  return QApplication::exec();
}
