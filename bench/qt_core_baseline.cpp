// The smallest Qt Core program, built like fretwise-chord: what a text run is weighed against.
#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::cout << QCoreApplication::arguments().size() << "\n";
  return 0;
}
