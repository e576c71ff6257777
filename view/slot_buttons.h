// The ticked state of the note slots. The window keeps it in its check boxes; the command-line
// tool and the tests keep it in a TickSet.
#pragma once

#include <bitset>
#include <initializer_list>

#include "notes/slot_table.h"

namespace fretwise {

class SlotButtons {
 public:
  virtual ~SlotButtons() = default;
  // Slot index 0..63. A natural slot has no box: it reads as not ticked and unticking it does
  // nothing.
  virtual bool IsTicked(int slot) const = 0;
  virtual void Untick(int slot) = 0;
};

class TickSet final : public SlotButtons {
 public:
  TickSet() = default;
  TickSet(std::initializer_list<int> ticked) {
    for (int slot : ticked) Tick(slot);
  }
  // Ticking a natural slot, like clicking where it would be, leaves it unticked.
  void Tick(int slot) {
    if (HasCheckBox(slot)) ticked_.set(slot);
  }
  bool IsTicked(int slot) const override { return HasCheckBox(slot) && ticked_.test(slot); }
  void Untick(int slot) override {
    if (HasCheckBox(slot)) ticked_.reset(slot);
  }
  int Count() const { return int(ticked_.count()); }

 private:
  std::bitset<kSlotCount> ticked_;
};

}  // namespace fretwise
