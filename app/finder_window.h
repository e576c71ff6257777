// The chord finder's window beside the main one: a chord-symbol field with the reason beside it
// when the text is not a chord, the search's settings, the chord's names, its voicings as a grid
// of chord boxes, and the buttons that send a voicing to the panel and save boxes as a sheet. It
// only passes the player's actions to the finder's core and shows what the core holds.
#pragma once

#include <QWidget>
#include <memory>

#include "app/box_grid.h"
#include "finder/finder_core.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace fretwise::app {

class CheckBoxSlots;
class FileDialogs;

class FinderWindow final : public QWidget {
  Q_OBJECT

 public:
  // A window of its own that closes with mainWindow; the panel's boxes, the sound layer and the
  // dialogs must outlive it.
  FinderWindow(QWidget* mainWindow, CheckBoxSlots& panel, SoundLayer& sound, FileDialogs& dialogs);
  ~FinderWindow() override;

  // Shows the window beside the main one the first time, else raises it; the focus goes to the
  // field with its text selected.
  void OpenOrRaise();
  // A tick or untick in the panel: while the window is shown, it shows exactly the ticked notes.
  void OnPanelTick();

  const finder::FinderCore& core() const { return core_; }
  BoxGrid& grid() { return *grid_; }
  QLineEdit& field() { return *field_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void Enter();
  void SettingsChanged();
  void SaveSheet();
  // Shows what the core holds; a new list is laid out from the top.
  void Refresh(bool newList);

  std::unique_ptr<finder::Panel> panel_;
  finder::FinderCore core_;
  FileDialogs& dialogs_;
  QWidget* mainWindow_;
  bool placed_ = false;
  QLineEdit* field_ = nullptr;
  QLabel* reason_ = nullptr;
  QComboBox* preset_ = nullptr;
  QSpinBox* capo_ = nullptr;
  QSpinBox* span_ = nullptr;
  QCheckBox* leftHanded_ = nullptr;
  QComboBox* stroke_ = nullptr;
  QSpinBox* strum_ = nullptr;
  QLabel* names_ = nullptr;
  BoxGrid* grid_ = nullptr;
  QPushButton* toPanel_ = nullptr;
  QPushButton* save_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace fretwise::app
