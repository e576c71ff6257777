// The window as `fretwise` starts it, with 音符を表示 and 再生 pressed once on C2 E2 G2 when the
// first argument is "play"; it says "ready" on stdout once that is done, and then runs until it is
// ended. The signal tests end it as a logout or `kill` would.
#include <QApplication>
#include <QCheckBox>
#include <iostream>
#include <string_view>

#include "app/commands.h"
#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "playback/sdl_sound_layer.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  fretwise::SdlSoundLayer sound;
  fretwise::app::QtFileDialogs dialogs;
  fretwise::app::CFretwiseApp theApp(sound, dialogs);
  if (!theApp.InitInstance({})) return 1;
  if (argc > 1 && std::string_view(argv[1]) == "play") {
    for (auto* box : theApp.view()->findChildren<QCheckBox*>()) {
      const int id = box->property("controlId").toInt();
      for (int slot : {16, 22, 26})
        box->setChecked(box->isChecked() || id == fretwise::kSlots[slot].controlId);
    }
    theApp.view()->OnCmdMsg(fretwise::app::kShowNotes);
    theApp.view()->OnCmdMsg(fretwise::app::kPlay);
  }
  std::cout << "ready" << std::endl;
  return QApplication::exec();
}
