// Draws the window as a player sees it after ticking a C major chord and showing its notes, for
// the software centre's listing. Runs headless at build time: make_screenshot <file.png>
#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <iostream>

#include "app/commands.h"
#include "app/fretwise_app.h"
#include "app/main_frame.h"
#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "view/null_ports.h"

namespace {

class NoDialogs final : public fretwise::app::FileDialogs {
 public:
  QString OpenFileName(QWidget*) override { return {}; }
  QString SaveFileName(QWidget*) override { return {}; }
};

QAbstractButton* Control(QWidget& window, int controlId) {
  for (auto* button : window.findChildren<QAbstractButton*>()) {
    if (button->property("controlId").toInt() == controlId) return button;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: make_screenshot <file.png>\n";
    return 2;
  }
  // The recent-file list is read at start-up; keep the builder's own settings out of it.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

  fretwise::NullSound sound;
  NoDialogs dialogs;
  fretwise::app::CFretwiseApp app(sound, dialogs);
  if (!app.InitInstance({})) return 1;
  QWidget& window = *app.m_pMainWnd;
  for (const char* note : {"C3", "E3", "G3", "C4", "E4"}) {
    const int slot = fretwise::SlotOfCode(*fretwise::ParseScientificPitch(note));
    if (QAbstractButton* box = Control(window, fretwise::kSlots[slot].controlId)) box->click();
  }
  if (QAbstractButton* show = Control(window, fretwise::app::kShowNotes)) show->click();
  QCoreApplication::processEvents();
  if (!window.grab().save(argv[1], "PNG")) {
    std::cerr << "make_screenshot: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
