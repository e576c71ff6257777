// Recording stand-ins for the ports a view draws, asks and speaks through.
#pragma once

#include <string>
#include <vector>

#include "fingering/diagram_painter.h"
#include "notes/message_box.h"
#include "notes/view_core.h"
#include "staff/staff_painter.h"

namespace fretwise::test {

// One shared log, so the order across painters and messages can be checked.
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
  void ClearFretboardArea() override {
    log_.push_back("ClearFretboardArea");
    ++clears;
  }
  void DrawTuningLetter(char letter) override {
    log_.push_back(std::string("DrawTuningLetter ") + letter);
  }
  void DrawFretboardDiagram(const StringCells& cells, int highestFret) override {
    log_.push_back("DrawFretboardDiagram");
    shown.push_back({cells, highestFret});
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
  }
  std::vector<std::string> texts;

 private:
  CallLog& log_;
};

// A sound layer that must not be reached.
class UnusedSound final : public SoundLayer {
 public:
  SoundResult Open(MciOpenRecord&) override { return ++calls, 1; }
  SoundResult Play(DeviceId) override { return ++calls, 1; }
  SoundResult Close(DeviceId) override { return ++calls, 1; }
  void GetErrorText(SoundResult, char* buffer, std::size_t) override { buffer[0] = '\0'; }
  int calls = 0;
};

// A view with recording ports and a TickSet for its boxes.
struct ViewRig {
  explicit ViewRig(TickSet initial = {}) : ticks(initial) {}
  CallLog log;
  TickSet ticks;
  LoggingStaff staff{log};
  LoggingDiagram diagram{log};
  LoggingMessages messages{log};
  UnusedSound sound;
  ViewCore view{{ticks, staff, diagram, messages, sound}};
  const ViewState& state() const { return view.state(); }
};

inline std::vector<std::string> Cells(const StringCells& cells) {
  std::vector<std::string> out;
  for (const StringCell& cell : cells) out.emplace_back(CellText(cell));
  return out;
}

}  // namespace fretwise::test
