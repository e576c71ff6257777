// Ports that draw nothing, for views that run without a window: the command-line tool and the
// benchmarks.
#pragma once

#include "fretboard/diagram_painter.h"
#include "sound/sound_layer.h"
#include "staff/staff_painter.h"

namespace fretwise {

class NullStaff final : public StaffPainter {
 public:
  void PrepareStaff() override {}
  void DrawSlot(int) override {}
  void EndStaff() override {}
};

class NullDiagram final : public DiagramPainter {
 public:
  void BeginFingeringPass() override {}
  void ClearFretboardArea() override {}
  void DrawTuningLetter(char) override {}
  void DrawFretboardDiagram(const StringCells&, int) override {}
  void EndFingeringPass() override {}
};

// Sounds nothing: every command fails, with no text.
class NullSound final : public SoundLayer {
 public:
  SoundResult Open(MciOpenRecord&) override { return 1; }
  SoundResult Play(DeviceId) override { return 1; }
  SoundResult Close(DeviceId) override { return 1; }
  void GetErrorText(SoundResult, char* buffer, std::size_t capacity) override {
    if (capacity > 0) buffer[0] = '\0';
  }
};

}  // namespace fretwise
