// The finder's answer: each voicing complete (frets, fingers, barres, pitches, names, score), so
// that whatever shows it (the tool's text and JSON, chord boxes, the window) only formats it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "chords/chord_symbol.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicings {

// One voicing as a player reads it. Per-string values run from the highest-numbered string (string
// 6 of a guitar, string 4 of a ukulele) to string 1, the order players read frets in, one per
// string of the tuning.
struct Answer {
  std::vector<int> frets;     // kMuted, 0 (open or at the capo) or the fret, counted from the capo
  std::vector<int> fingers;   // 0 for an open or muted string, else 1 (index) to 4 (little)
  std::vector<Barre> barres;  // the lowest fret's first; string numbers as players count them
  std::vector<int> pitches;   // MIDI numbers of the sounding strings, in the order of the strings
  // Every name of the sounding pitches, best first, one per written name; empty when none fits.
  std::vector<chords::ChordSymbol> names;
  // With a capo, the best name of the shape as fingered without one (A at capo 2 is a G shape).
  std::optional<chords::ChordSymbol> shape;
  int score = 0;               // lower is easier; see Score
  std::uint32_t namesKey = 0;  // NamesKey of the pitches: answers with the same key share names
};

// The voicing completed: its fingers, pitches on the tuning (at the capo), and names.
Answer AnswerOf(const Voicing& voicing, const SearchOptions& options);

// The voicings of VoicingsOfChord and VoicingsOfPitches, easiest first, the first `max` (all when
// empty) completed; the others are neither fingered nor named.
std::vector<Answer> AnswersOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                                   std::optional<int> max = std::nullopt);
std::vector<Answer> AnswersOfPitches(std::span<const int> midis, const SearchOptions& options,
                                     std::optional<int> max = std::nullopt);

// What a voicing's names depend on: its pitch classes and the lowest one (MIDI numbers, from 0).
// Voicings with the same key have the same names, so that a caller may format each list once.
std::uint32_t NamesKey(std::span<const int> pitches);

// The answers of AnswersOfChord and AnswersOfPitches, each completed in turn into one answer that
// `each` reads before the next: for a caller that writes answers out and keeps none (thousands of
// answers kept would each hold their own memory).
using EachAnswer = std::function<void(const Answer&)>;
void EachAnswerOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                       std::optional<int> max, const EachAnswer& each);
void EachAnswerOfPitches(std::span<const int> midis, const SearchOptions& options,
                         std::optional<int> max, const EachAnswer& each);

}  // namespace fretwise::voicings
