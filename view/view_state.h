// Everything the view keeps, in one place: the selected-note list, the candidate cursor and the
// sound-device records.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fingering/fret_table.h"
#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "sound/sound_layer.h"

namespace fretwise {
// One play sounds at most this many notes; a seventh is refused.
inline constexpr int kMaxPlayNotes = 6;
inline constexpr int kErrorTextCapacity = 200;

struct ViewState {
  // Sound-file paths of the collected notes, entry n for note n, lowest note first. Entries at or
  // beyond m_noteCount keep paths of earlier passes and are never read.
  std::array<std::string, kSlotCount> m_soundFiles{};
  // Tokens of the first six collected notes; cells at or beyond m_noteCount are empty.
  std::array<TokenCell, kTokenCells> m_noteTokens{};
  // The candidate cursor: the next window starts at fret m_windowIndex * kWindowSteps[m_stepIndex].
  std::int32_t m_windowIndex = 0;
  std::int32_t m_stepIndex = 0;
  std::array<MciOpenRecord, kMaxPlayNotes> m_mciOpen{};
  // One table shared by every view; it never changes. Kept as the view's fret note table by name:
  // the search reads its integer form, kFretCodes.
  static constexpr const FretNoteTable& m_fretNotes = kFretNotes;
  SoundResult m_mciError = 0;
  std::array<char, kErrorTextCapacity> m_mciErrorText{};
  // Counts every collected note, up to 48, even past the six token cells.
  std::int32_t m_noteCount = 0;
  std::int32_t m_openDeviceCount = 0;
  // Non-zero while the last play's devices are open. Kept beside the count, which a close leaves
  // as it is: only the flag tells the destructor and the next play whether to close.
  std::int32_t m_devicesOpen = 0;
};

}  // namespace fretwise
