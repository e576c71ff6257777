// A whole Fretwise window on the real SDL sound layer, started in a temporary folder that holds a
// copy of the built sound set (so that a test may break its files), with every modal box answered
// as soon as it opens.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "playback/sdl_sound_layer.h"
#include "support/app_rig.h"

namespace fretwise::test {

// Passes every command on, and keeps the devices that are open.
class DeviceWatch final : public SoundLayer {
 public:
  explicit DeviceWatch(SoundLayer& layer) : layer_(layer) {}
  SoundResult Open(MciOpenRecord& record) override {
    const SoundResult result = layer_.Open(record);
    if (result == 0) open.insert(record.deviceId);
    return result;
  }
  SoundResult Play(DeviceId device) override { return layer_.Play(device); }
  SoundResult Close(DeviceId device) override {
    const SoundResult result = layer_.Close(device);
    if (result == 0) open.erase(device);
    return result;
  }
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override {
    layer_.GetErrorText(code, buffer, capacity);
  }
  void BeginChord() override { layer_.BeginChord(); }
  void EndChord() override { layer_.EndChord(); }
  std::set<DeviceId> open;

 private:
  SoundLayer& layer_;
};

// Answers each modal box (message or dialog) from inside its own loop, noting the message boxes'
// texts and how many boxes were open at once. An optional action runs just before the answer.
class BoxAnswerer final : public QObject {
 public:
  BoxAnswerer() { qApp->installEventFilter(this); }
  ~BoxAnswerer() override { qApp->removeEventFilter(this); }
  std::vector<std::string> texts;
  int open = 0, mostOpen = 0;
  std::function<void()> beforeAnswer;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class RealSoundRig : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Start();
  // The file a sound-file path of the view names, in the copy of the sound set.
  QString SoundFile(const std::string& soundFilePath) const;
  app::CMainFrame& frame() { return *app_->m_pMainWnd; }
  app::CFretwiseView& view() { return *app_->view(); }
  const ViewState& state() { return view().core().state(); }
  QCheckBox* Box(int slot) { return boxBySlot_[slot]; }
  QPushButton* Button(int command) { return buttonByCommand_.at(command); }
  // Lets the queued events run: the view draws anew after a show, resize or expose.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  QTemporaryDir folder_;
  QString startedIn_;
  SdlSoundLayer layer_;
  DeviceWatch sound_{layer_};
  AnsweringDialogs dialogs_;
  std::unique_ptr<BoxAnswerer> boxes_;
  std::unique_ptr<app::CFretwiseApp> app_;
  std::array<QCheckBox*, kSlotCount> boxBySlot_{};
  std::map<int, QPushButton*> buttonByCommand_;
};

}  // namespace fretwise::test
