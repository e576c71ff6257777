// Recording stand-ins for the ports a view draws, asks and speaks through.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "view/view_core.h"

namespace fretwise::test {

using CallLog = std::vector<std::string>;

// The items joined by "; ", with each of the cuts (folders, extensions) dropped wherever it is.
inline std::string Joined(const std::vector<std::string>& items,
                          std::initializer_list<std::string_view> cuts) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : "; ") + item;
  for (const std::string_view cut : cuts)
    for (std::size_t at; (at = out.find(cut)) != std::string::npos;) out.erase(at, cut.size());
  return out;
}

// The staff and diagram painters and the message box on one log, for the order across them.
struct Recorder final : StaffPainter, DiagramPainter, MessageBox {
  explicit Recorder(CallLog& log) : log(log) {}
  void PrepareStaff() override { log.push_back("PrepareStaff"); }
  void DrawSlot(int slot) override { log.push_back("DrawSlot " + std::to_string(slot)); }
  void EndStaff() override { log.push_back("EndStaff"); }
  void BeginFingeringPass() override { log.push_back("BeginFingeringPass"); }
  void ClearFretboardArea() override { log.push_back("ClearFretboardArea"); }
  void DrawTuningLetter(char letter) override { log.push_back(std::string("Tuning ") + letter); }
  void DrawFretboardDiagram(const StringCells& c, int h) override { shown.emplace_back(c, h); }
  void EndFingeringPass() override { log.push_back("EndFingeringPass"); }
  void Show(std::string_view text) override {
    log.push_back("Message " + std::string(text)), texts.emplace_back(text);
    if (whileShown) whileShown();
  }
  CallLog& log;
  std::vector<std::pair<StringCells, int>> shown;  // each diagram's cells and highest fret
  std::vector<std::string> texts;
  std::function<void()> whileShown;  // runs while a message is up, as the box's loop may paint
};

// Logs each command; devices get IDs 1, 2, ...; fails as set; copies error texts byte by byte.
struct FakeSound final : SoundLayer {
  explicit FakeSound(CallLog& log) : log_(log) {}
  SoundResult Open(MciOpenRecord& record) override {
    log_.push_back("Open " + record.elementName);
    if (record.deviceType != kWaveformAudioDevice) return kNotOpen;
    if (const auto f = failOpen.find(record.elementName); f != failOpen.end()) return f->second;
    return open[record.deviceId = nextDevice_++] = record.elementName, 0;
  }
  SoundResult Play(DeviceId device) override {
    log_.push_back("Play " + std::to_string(device));
    if (const auto f = failPlay.find(device); f != failPlay.end()) return f->second;
    return open.contains(device) ? started.push_back(device), 0 : kNotOpen;
  }
  SoundResult PlayDelayed(DeviceId device, std::chrono::milliseconds delay) override {
    const SoundResult result = Play(device);
    return log_.back() += " +" + std::to_string(delay.count()), result;
  }
  SoundResult Close(DeviceId device) override {
    log_.push_back("Close " + std::to_string(device));
    if (const auto f = failClose.find(device); f != failClose.end()) return f->second;
    return open.erase(device) == 0 ? kNotOpen : 0;
  }
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override {
    const std::string& text = texts[code];
    text.copy(buffer, capacity);
    if (text.size() < capacity) buffer[text.size()] = '\0';
  }
  void BeginChord() override { log_.push_back("BeginChord"); }
  void EndChord() override { log_.push_back("EndChord"); }
  std::vector<std::string> Audible() const {  // the files of the open devices that were started
    std::vector<std::string> files;
    for (DeviceId device : started)
      if (open.contains(device)) files.push_back(open.at(device));
    return files;
  }
  static constexpr SoundResult kNotOpen = 91;
  std::map<std::string, SoundResult> failOpen;
  std::map<DeviceId, SoundResult> failPlay, failClose;
  std::map<SoundResult, std::string> texts;
  std::map<DeviceId, std::string> open;  // open devices and their files
  std::vector<DeviceId> started;         // devices started, in order
  CallLog& log_;
  DeviceId nextDevice_ = 1;
};

// A view with recording ports and a TickSet for its boxes; `view` may be destroyed and made again.
struct ViewRig {
  explicit ViewRig(TickSet initial = {}) : ticks(initial) { Make(); }
  void Make() { view.emplace(ViewPorts{ticks, rec, rec, rec, sound}); }
  const ViewState& state() const { return view->state(); }
  CallLog log;
  TickSet ticks;
  Recorder rec{log};
  FakeSound sound{log};
  std::optional<ViewCore> view;
};

}  // namespace fretwise::test
