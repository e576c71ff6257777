// Fretwise: the window.
#include <QApplication>
#include <iostream>

#include "app/fretwise_app.h"
#include "app/lazy_sound_layer.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // The sound layer outlives the application, whose view closes its sounds on the way out.
  fretwise::app::LazySoundLayer sound(fretwise::app::LoadSdlSoundLayer);
  fretwise::app::QtFileDialogs dialogs;
  fretwise::app::CFretwiseApp theApp(sound, dialogs);

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (!theApp.InitInstance(arguments)) {
    std::cerr << "Fretwise: " << theApp.startupError().toStdString() << "\n";
    return 1;
  }
  return QApplication::exec();
}
