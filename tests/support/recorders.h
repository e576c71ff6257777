// Recording stand-ins for the ports a view draws, asks and speaks through.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "notes/message_box.h"
#include "notes/null_ports.h"
#include "notes/view_core.h"

namespace fretwise::test {

// One shared log, so the order across painters, messages and sounds can be checked.
using CallLog = std::vector<std::string>;

class LoggingStaff final : public StaffPainter {
 public:
  explicit LoggingStaff(CallLog& log) : log_(log) {}
  void PrepareStaff() override { log_.push_back("PrepareStaff"); }
  void DrawSlot(int slot) override { log_.push_back("DrawSlot " + std::to_string(slot)); }
  void EndStaff() override { log_.push_back("EndStaff"); }

 private:
  CallLog& log_;
};

struct Shown {
  StringCells cells;
  int highestFret;
};

class LoggingDiagram final : public DiagramPainter {
 public:
  explicit LoggingDiagram(CallLog& log) : log_(log) {}
  void BeginFingeringPass() override { log_.push_back("BeginFingeringPass"); }
  void ClearFretboardArea() override { log_.push_back("ClearFretboardArea"), ++clears; }
  void DrawTuningLetter(char letter) override { log_.push_back(std::string("Tuning ") + letter); }
  void DrawFretboardDiagram(const StringCells& cells, int highestFret) override {
    log_.push_back("DrawFretboardDiagram"), shown.push_back({cells, highestFret});
  }
  void EndFingeringPass() override { log_.push_back("EndFingeringPass"); }

  int clears = 0;
  std::vector<Shown> shown;

 private:
  CallLog& log_;
};

class LoggingMessages final : public MessageBox {
 public:
  explicit LoggingMessages(CallLog& log) : log_(log) {}
  void Show(std::string_view text) override {
    log_.push_back("Message " + std::string(text));
    texts.emplace_back(text);
    if (whileShown) whileShown();
  }
  std::vector<std::string> texts;
  // Runs while a message is up, as the message box's own loop would run a paint.
  std::function<void()> whileShown;

 private:
  CallLog& log_;
};

// A sound layer that logs each command. Devices get IDs 1, 2, ... in the order they open; a
// command fails with the code set for its file (failOpen) or its device (failPlay, failClose).
// Error texts are copied byte by byte, as a layer that knows nothing of UTF-8 would.
class FakeSound final : public SoundLayer {
 public:
  explicit FakeSound(CallLog& log) : log_(log) {}
  SoundResult Open(MciOpenRecord& record) override {
    log_.push_back("Open " + record.elementName);
    if (record.deviceType != kWaveformAudioDevice) return kNotOpen;
    if (const auto f = failOpen.find(record.elementName); f != failOpen.end()) return f->second;
    record.deviceId = nextDevice_++;
    open[record.deviceId] = record.elementName;
    return 0;
  }
  SoundResult Play(DeviceId device) override {
    log_.push_back("Play " + std::to_string(device));
    if (const auto f = failPlay.find(device); f != failPlay.end()) return f->second;
    return open.contains(device) ? started.push_back(device), 0 : kNotOpen;
  }
  SoundResult Close(DeviceId device) override {
    log_.push_back("Close " + std::to_string(device));
    if (const auto f = failClose.find(device); f != failClose.end()) return f->second;
    return open.erase(device) == 0 ? kNotOpen : 0;
  }
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override {
    const std::string& text = texts[code];
    std::memcpy(buffer, text.data(), std::min(text.size(), capacity));
    if (text.size() < capacity) buffer[text.size()] = '\0';
  }
  void BeginChord() override { log_.push_back("BeginChord"); }
  void EndChord() override { log_.push_back("EndChord"); }

  // The files of the devices that are open and were started: what can still be heard.
  std::vector<std::string> Audible() const {
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

 private:
  CallLog& log_;
  DeviceId nextDevice_ = 1;
};

// A view with recording ports and a TickSet for its boxes.
struct ViewRig {
  explicit ViewRig(TickSet initial = {}) : ticks(initial) {}
  CallLog log;
  TickSet ticks;
  LoggingStaff staff{log};
  LoggingDiagram diagram{log};
  LoggingMessages messages{log};
  NullSound sound;
  ViewCore view{{ticks, staff, diagram, messages, sound}};
  const ViewState& state() const { return view.state(); }
};

inline std::vector<std::string> Cells(const StringCells& cells) {
  std::vector<std::string> out;
  for (const StringCell& cell : cells) out.emplace_back(CellText(cell));
  return out;
}

}  // namespace fretwise::test
