// The window as `fretwise` starts it, 音符を表示 and 再生 pressed on C2 E2 G2, until it is ended.
#include <QApplication>
#include <QCheckBox>

#include "app/commands.h"
#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "sdl/sdl_sound_layer.h"

int main(int argc, char** argv) {
  using namespace fretwise;
  QApplication qt(argc, argv);
  SdlSoundLayer sound;
  app::QtFileDialogs dialogs;
  app::CFretwiseApp theApp(sound, dialogs);
  if (!theApp.InitInstance({})) return 1;
  for (auto* box : theApp.view()->findChildren<QCheckBox*>())
    for (int slot : {16, 22, 26})
      if (box->property("controlId").toInt() == kSlots[slot].controlId) box->setChecked(true);
  theApp.OnCommand(app::kShowNotes), theApp.OnCommand(app::kPlay);
  return QApplication::exec();
}
