// How hard a voicing is: the order the finder lists them in.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "pitch/pitch.h"
#include "voicings/playability.h"

namespace fretwise::voicings {

// What the score weighs, for one voicing.
struct Traits {
  int fingers = 0;
  int barres = 0;
  int stretch = 0;     // highest minus lowest fretted fret
  int position = 0;    // lowest fretted fret, 0 when none
  int innerMutes = 0;  // muted strings between sounding ones
  // Inner muted strings with only open strings beside them: no fretting finger lies there to
  // damp them (x 2 0 x 0 2).
  int undamped = 0;
  int silent = 0;   // muted strings
  int open = 0;     // open strings
  int highest = 0;  // highest fret
  bool bassNotRoot = false;
  int omitted = 0;   // chord tones left out, in halves: 2 each, weighed as below
  int fillable = 0;  // muted strings above the bass that could sound a wanted note in reach
  // Muted strings below the bass that could sound the root for free: open (x x 2 1 0 0 is no E
  // chord a player starts with, with the open low E beside it), or at the lowest fret where the
  // index already lies across two strings or more (x x 3 2 1 1 before 1 3 3 2 1 1). A root anywhere
  // else asks for another finger or another shape, and costs nothing: x x 3 2 1 0's low F would
  // turn the fingertip at fret 1 into a barre over a muted string.
  int rootBelow = 0;
  int thin = 0;  // strings short of a full sound: four, or one more than a power chord's two
  // The lowest fret's notes on both sides of an open string and a higher note: no barre holds them,
  // and a second finger on that fret reaches round the others (x 2 0 4 0 2 for Bm). The same when a
  // barre holds one side: a finger beside the barre's end on its own fret (2 0 2 2 2 2 for F#m7,
  // where 2 4 2 2 2 2 is the barre players learn).
  bool splitLowest = false;
  // All four fingers down over three frets or more with an open string between them: no finger has
  // room to arch clear of it (x 3 1 0 1 3 is no Cm to start with; x 3 2 3 1 0 for C7, its open
  // string outside, x 2 1 2 0 2 for B7, over two frets, and x 3 3 0 1 1 for Csus4, the index
  // across two strings, are).
  bool archedOpen = false;
  // Barres above the lowest fret over four strings or more: a finger other than the index bent
  // back flat (x 3 5 5 5 5 is no C6 before x 3 2 2 1 0; x 1 3 3 3 1 bars three).
  int highBarres = 0;
  // Strings that sound the pitch of the string beside them (x 2 0 4 0 2's B3 twice), a finger for
  // no new note; counted by the search, the shapes knowing no pitches.
  int unisons = 0;
  // The two lowest notes closer than the ear tells apart down there (see LowNotes), and a fourth
  // right above a root in the bass (see LowNotes); counted by the search from the pitches.
  bool muddyBass = false;
  bool fourthOverRoot = false;
};

namespace points {

// Points, fitted so that the voicings players write down rank near the top.
constexpr int kPerFinger = 4;
constexpr int kPerBarre = 7;
constexpr int kPerFretOfStretch = 5;
// One finger per fret covers three frets; a fourth makes the little finger stretch (x 4 2 1 2 0
// is no C#m before the barre x 4 6 6 5 4).
constexpr int kWideStretch = 6;
inline constexpr int kWideFrom = 3;  // frets of stretch
constexpr int kPerFretOfPosition = 1;
constexpr int kPerFretAbove11 = 10;  // the same shapes sound an octave lower below fret 12
constexpr int kPerInnerMute = 12;
constexpr int kPerUndamped = 8;
constexpr int kPerSilentString = 1;
constexpr int kPerFillableString = 7;
constexpr int kPerRootBelow = 6;
constexpr int kPerThinString = 15;
constexpr int kPerOpenString = 4;
constexpr int kPerOpenStringAtTheNut = 2;   // the hand at the nut: see kOpenPosition
constexpr int kPerOpenStringUpTheNeck = 9;  // an open string beside frets 5 and up
constexpr int kBassNotRoot = 24;
constexpr int kPerOmittedHalf = 3;  // 6 per chord tone left out
constexpr int kSplitLowest = 8;
constexpr int kPerUnison = 8;
constexpr int kArchedOpen = 4;
constexpr int kPerHighBarre = 5;
constexpr int kMuddyBass = 7;
constexpr int kFourthOverRoot = 5;

// What a chord tone left out weighs, in halves of a tone: the fifth that a chord of four tones or
// more lets players leave out next to nothing (C7 as x 3 2 3 1 0); the third, which says major or
// minor, three tones and a half: x x 0 2 1 0 is no D9 to start with, nor x 0 2 0 0 0, one finger
// and open strings, an A9 (x 0 2 4 2 3 is); the root, on a tuning whose strings rise, five tones:
// the guitar's chord is heard from its root.
constexpr int kOmittedFifth = 1;
constexpr int kOmittedThird = 7;
constexpr int kOmittedRoot = 10;
constexpr int kOmittedTone = 2;
// Above the weight of the tones any voicing leaves out.
inline constexpr int kMostOmitted = 24;

}  // namespace points

// From this highest fret up, an open string costs more: the hand has left it behind.
inline constexpr int kUpTheNeck = 5;
// Up to this highest fret the hand sits at the nut, one finger per fret, where open strings are
// played: there they cost less.
inline constexpr int kOpenPosition = 3;

// The bands of the highest fret that open strings cost differently in, and a highest fret in each.
inline constexpr int kFretBands = 3;
inline constexpr std::array<int, kFretBands> kBandHighest = {0, kOpenPosition + 1, kUpTheNeck};
constexpr int FretBand(int highest) { return (highest > kOpenPosition) + (highest >= kUpTheNeck); }

// The lowest pitch at which each interval (in semitones) between the two lowest notes stops
// sounding muddy on a guitar: a second below E3 or Eb3, a minor third at C3 or lower (x 3 0 3 3 0
// for C9, 2 0 2 2 2 2 for F#m7, 3 1 0 0 3 3 for Gm and x 3 0 0 3 0 for Cadd9 all blur their
// bass; the chord books' x 3 2 3 3 3, 2 4 2 2 2 2, 3 5 5 3 3 3 and x 3 2 0 3 0 keep it clear). A
// major third is let through: G as 3 2 0 0 0 3 is the first chord most players learn.
inline constexpr std::array<int, 4> kClearFrom = {0, 52, 51, 49};

// The traits of the two lowest pitches, `bass` and the next one up (none when every string sounds
// the bass's pitch); `rootBass` when the bass is the chord's root. A fourth right above the root
// sounds as the root of another chord over its fifth: sus4 chords keep their fifth there
// (0 2 2 2 0 0 for Esus4 before 0 0 2 2 0 0, x 0 2 2 3 0 for Asus4 before x 0 0 2 3 0).
constexpr void LowNotes(Traits& t, int bass, int next, bool rootBass) {
  const int interval = next - bass;
  t.muddyBass = interval > 0 && interval < int(kClearFrom.size()) && bass < kClearFrom[interval];
  t.fourthOverRoot = rootBass && interval == 5;
}

// `root` is the pitch class the bass should have, or -1 when any will do.
Traits TraitsOf(const Frets& frets, const Fingering& fingering, const Tuning& tuning, int root);

// Lower is easier: points for each finger, barre, fret of stretch (more over four frets) and of
// position, for muted strings (more between sounding strings, and more when a wanted note was in
// reach), for fewer than four strings sounding, open strings (more up the neck), a bass that is not
// the root, each chord tone left out (weighed as above), a lowest fret split round an open string,
// each string that sounds the pitch of the string beside it, four fingers arched over an open
// string, a barre above the index's, and the two lowest notes (see LowNotes). See the README for
// the weights. The score is a sum of points per trait, and the open strings' points depend on the
// highest fret: the search adds up the shape's points and those of each other trait apart.
constexpr int Score(const Traits& t) {
  using namespace points;
  return kPerFinger * t.fingers + kPerBarre * t.barres + kPerFretOfStretch * t.stretch +
         (t.stretch >= kWideFrom ? kWideStretch : 0) + kPerFretOfPosition * t.position +
         kPerFretAbove11 * std::max(0, t.position - 11) + kPerInnerMute * t.innerMutes +
         kPerUndamped * t.undamped + kPerSilentString * t.silent + kPerFillableString * t.fillable +
         kPerRootBelow * t.rootBelow + kPerThinString * t.thin +
         (t.highest <= kOpenPosition ? kPerOpenStringAtTheNut : kPerOpenString) * t.open +
         (t.highest >= kUpTheNeck ? kPerOpenStringUpTheNeck * t.open : 0) +
         (t.bassNotRoot ? kBassNotRoot : 0) + kPerOmittedHalf * t.omitted +
         (t.splitLowest ? kSplitLowest : 0) + kPerUnison * t.unisons +
         (t.archedOpen ? kArchedOpen : 0) + kPerHighBarre * t.highBarres +
         (t.muddyBass ? kMuddyBass : 0) + (t.fourthOverRoot ? kFourthOverRoot : 0);
}

// The points of the two lowest pitches, `next` the bass itself when the bass sounds alone (see
// LowNotes).
constexpr int LowNotesPoints(int bass, int next, bool rootBass) {
  Traits low;
  LowNotes(low, bass, next, rootBass);
  return Score(low);
}

// Whether the lowest fret holds two strings or more with no open string between them: the index
// lies across them, and a barre may reach one more.
inline bool IndexAcross(const Frets& frets, int strings, int lowest) {
  int first = -1, last = -1;
  for (int s = 0; s < strings; ++s)
    if (frets[s] == lowest) last = s, first = first < 0 ? s : first;
  for (int s = first + 1; s < last; ++s)
    if (frets[s] == 0) return false;
  return last > first;
}

// The step from each string's open pitch to the next one's, a byte each, for Unisons.
constexpr std::uint64_t StringSteps(const Tuning& tuning) {
  std::uint64_t steps = 0;
  for (int s = 1; s < tuning.size(); ++s)
    steps |= std::uint64_t(std::uint8_t(tuning[s] - tuning[s - 1])) << (8 * s);
  return steps;
}

// The strings that sound the pitch of the string beside them, all at once, a byte a string: the
// search counts them at each voicing it lists. A string's fret plus the step from the string
// before it is that string's fret when the two sound one pitch; a muted string's byte has its
// high bit set.
inline int Unisons(const Frets& frets, std::uint64_t steps) {
  static_assert(std::endian::native == std::endian::little && sizeof(Frets) == 8);
  constexpr std::uint64_t kHigh = 0x8080808080808080, kLow = ~kHigh;
  std::uint64_t here;
  std::memcpy(&here, frets.data(), sizeof here);
  const std::uint64_t before = here << 8;
  const std::uint64_t reached = ((here & kLow) + (steps & kLow)) ^ ((here ^ steps) & kHigh);
  const std::uint64_t differ = reached ^ before;
  const std::uint64_t same = ~(((differ & kLow) + kLow) | differ) & kHigh;
  const std::uint64_t sounding = ~(here | before) & kHigh & ~std::uint64_t(0xFF);
  // Each byte's high bit moved to its low bit, and the bytes summed into the top byte by one
  // multiplication: std::popcount is a library call on processors without the instruction.
  return int(((same & sounding) >> 7) * 0x0101010101010101u >> 56);
}

// Above every score: each trait at its worst.
inline constexpr int kWorstScore = Score({.fingers = kMostFingers,
                                          .barres = kMostStrings / 2,
                                          .stretch = kMostSpan,
                                          .position = kMostFrets,
                                          .innerMutes = kMostStrings,
                                          .undamped = kMostStrings,
                                          .silent = kMostStrings,
                                          .open = kMostStrings,
                                          .highest = kMostFrets,
                                          .bassNotRoot = true,
                                          .omitted = points::kMostOmitted,
                                          .fillable = kMostStrings,
                                          .rootBelow = kMostStrings,
                                          .thin = kMostStrings,
                                          .splitLowest = true,
                                          .archedOpen = true,
                                          .highBarres = kMostStrings / 2,
                                          .unisons = kMostStrings,
                                          .muddyBass = true,
                                          .fourthOverRoot = true});

}  // namespace fretwise::voicings
