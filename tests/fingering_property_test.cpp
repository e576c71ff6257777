// Every chord of one to four notes (none of the low C, C#, D, D# that retune string 6), walked to
// the end of its candidates: what the diagram shows must sound exactly the chord, each note from
// the sound file of the string that plays it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fingering/candidate_list.h"
#include "notes/note_token.h"

namespace fretwise {
namespace {

// Open-string pitches as token codes (C2 = 0), string 1 first: the instrument, independent of the
// fret table.
constexpr std::array<int, 6> kOpenCodes = {28, 23, 19, 14, 9, 4};

// Why the candidate does not sound the chord (token codes, ascending), or nothing.
std::string Fault(const Candidate& c, const std::vector<int>& chord) {
  std::vector<int> sounded;
  std::vector<std::string> files;  // lowest string first
  for (int s = 5; s >= 0; --s) {
    const StringCell& cell = c.cells[s];
    if (cell[0] == 'N') continue;
    const int fret = (cell[1] == ' ' ? 0 : cell[1] - '0') * 10 + (cell[2] - '0');
    if (cell[0] != char('1' + s) || fret > 23) return "malformed cell";
    sounded.push_back(kOpenCodes[s] + fret);
    files.push_back(std::string(1, cell[0]) + "\\");
  }
  std::sort(sounded.begin(), sounded.end());
  if (sounded != chord) return "the strings do not sound the chord";
  for (std::size_t n = 0; n < chord.size(); ++n)
    if (c.soundFiles[n] != files[n] + TokenText(chord[n]) + ".wav")
      return "path " + c.soundFiles[n];
  return {};
}

TEST(FingeringProperty, EveryCandidateSoundsExactlyTheChord) {
  std::vector<int> slots(kScanOrder.begin() + 4, kScanOrder.end());  // C4 to D4_SRP retune
  int chords = 0;
  std::vector<int> picked;
  std::function<void(std::size_t)> choose = [&](std::size_t from) {
    if (!picked.empty()) {
      TickSet ticks;
      std::vector<int> chord;
      for (int slot : picked) ticks.Tick(slot), chord.push_back(TokenCode(kSlots[slot].token));
      std::sort(chord.begin(), chord.end());
      ++chords;
      const CandidateList list = ListCandidates(ticks, 1000);
      ASSERT_TRUE(list.message.has_value()) << testing::PrintToString(picked);
      for (const Candidate& c : list.candidates) {
        const std::string fault = c.tuning ? "retuned" : Fault(c, chord);
        ASSERT_TRUE(fault.empty()) << fault << " for slots " << testing::PrintToString(picked);
      }
    }
    if (picked.size() == 4) return;
    for (std::size_t i = from; i < slots.size(); ++i) {
      picked.push_back(slots[i]);
      choose(i + 1);
      picked.pop_back();
    }
  };
  choose(0);
  EXPECT_EQ(chords, 44 + 946 + 13244 + 135751);
}

}  // namespace
}  // namespace fretwise
