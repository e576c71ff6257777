// When an exhausted fingering pass shows "これ以上候補はありません". Every paint runs the whole
// show-notes pass, and closing the message uncovers the window and so paints it: a pass started by
// a paint therefore shows the message only once for the same ticked boxes between two commands,
// and never while a message box is already open. A command always shows it.
#pragma once

#include <cstdint>
#include <set>

#include "view/slot_buttons.h"

namespace fretwise {

// Bit k is slot k (0..63) ticked.
using TickMask = std::uint64_t;
static_assert(kSlotCount <= 64);

TickMask TickedSlots(const SlotButtons& slots);

enum class PassOrigin {
  kCommand,            // show notes, next candidate
  kPaint,              // a repaint with no message box open
  kPaintUnderMessage,  // a repaint delivered by an open message box's own loop
};

class ExhaustionRule {
 public:
  // Show notes, next candidate, clear, New and Open: whatever was shown before is forgotten.
  void OnCommand() { shownForPaint_.clear(); }
  // Asked once per exhausted pass; true when that pass shows the message.
  bool ShouldShow(PassOrigin origin, TickMask ticked) {
    if (origin == PassOrigin::kPaintUnderMessage) return false;
    const bool first = shownForPaint_.insert(ticked).second;
    return origin == PassOrigin::kCommand || first;
  }

 private:
  std::set<TickMask> shownForPaint_;  // ticked boxes the message was shown for since the command
};

}  // namespace fretwise
