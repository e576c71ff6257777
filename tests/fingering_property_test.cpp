// Every chord of one to four notes but the low C to D# (which retune string 6): each candidate must
// sound exactly the chord, each note from the sound file of the string that plays it.
#include <gtest/gtest.h>

#include <algorithm>

#include "notes/note_token.h"
#include "view/candidate_list.h"

namespace fretwise {
namespace {

// Open strings' token codes (C2 = 0), string 1 first: the instrument, not the fret table.
constexpr std::array<int, 6> kOpenCodes = {28, 23, 19, 14, 9, 4};

// What a candidate sounds, ascending, and each note's file, the strings taken lowest first.
std::pair<std::vector<int>, std::vector<std::string>> Sounded(const Candidate& c) {
  std::vector<int> codes;
  std::vector<std::string> files;
  std::string strings;
  for (int s = 5; s >= 0; --s)
    if (const StringCell& cell = c.cells[s]; cell.used())
      codes.push_back(kOpenCodes[s] + cell.fret), strings += std::to_string(cell.string);
  std::ranges::sort(codes);
  for (std::size_t n = 0; n < codes.size() && codes[n] < kTokenCount; ++n)
    files.push_back(strings[n] + ("\\" + TokenText(codes[n])) + ".wav");
  return {codes, files};
}

TEST(FingeringProperty, EveryCandidateSoundsExactlyTheChord) {
  std::vector<int> chord;  // token codes, ascending as the scan order; C4 to D4_SRP (0-3) retune
  auto choose = [&](auto& self, int from) -> void {
    for (int code = from; code < kTokenCount && chord.size() < 4; ++code, chord.pop_back()) {
      TickSet ticks;
      for (chord.push_back(code); int c : chord) ticks.Tick(SlotOfCode(c));
      const CandidateList list = ListCandidates(ticks, 1000);
      ASSERT_TRUE(list.message.has_value()) << testing::PrintToString(chord);
      for (const Candidate& c : list.candidates)
        ASSERT_EQ(std::pair(c.tuning, Sounded(c)), std::pair('\0', std::pair(chord, c.soundFiles)));
      self(self, code + 1);
    }
  };
  choose(choose, 4);
}

}  // namespace
}  // namespace fretwise
