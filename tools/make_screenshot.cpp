// Draws the window as a player sees it after ticking a C major chord and showing its notes, for
// the software centre's listing; with --finder, the chord finder's window showing Am7 with its
// first voicing selected, for the README. Runs headless at build time:
// make_screenshot [--finder] <file.png>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <iostream>

#include "app/commands.h"
#include "app/finder_window.h"
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
  const bool finder = argc == 3 && std::string_view(argv[1]) == "--finder";
  if (argc != 2 && !finder) {
    std::cerr << "usage: make_screenshot [--finder] <file.png>\n";
    return 2;
  }
  const char* file = argv[argc - 1];
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
  QWidget* shown = &window;
  if (finder) {
    app.OnCommand(fretwise::app::kFindChord);
    fretwise::app::FinderWindow& finderWindow = *app.finder();
    finderWindow.field().setText("Am7");
    QMetaObject::invokeMethod(&finderWindow.field(), "returnPressed");
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);  // selects, without a sound
    QCoreApplication::sendEvent(&finderWindow.grid(), &home);
    QCoreApplication::processEvents();
    shown = &finderWindow;
  }
  if (!shown->grab().save(file, "PNG")) {
    std::cerr << "make_screenshot: cannot write " << file << "\n";
    return 1;
  }
  return 0;
}
