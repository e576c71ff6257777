// What the hand does for every shape of one position: the search looks each voicing up here
// instead of fingering it anew. The common hands' tables (up to six strings at the default span)
// are made when the tool is built, by the code that works shapes out; for the others a shape is
// worked out the first time a search meets it (a seven-string's 279,936 shapes would take a run's
// whole start to work out at once).
#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "voicings/playability.h"
#include "voicings/ranking.h"

namespace fretwise::voicings {

// A shape gives each string a code: kShapeMuted, kShapeOpen, or kShapeFretted + k for fret
// window + k (k from 0 to span - 1). The codes of the strings are the digits of the shape's index
// in base span + 2, the highest-numbered string's the most significant.
inline constexpr int kShapeMuted = 0;
inline constexpr int kShapeOpen = 1;
inline constexpr int kShapeFretted = 2;

// What the walk reads at each voicing, kept small so that the table stays in the cache.
struct Shape {
  // Its share of the score (fingers, barres, stretch, muted and open strings) in each band of the
  // highest fret (see FretBand).
  std::array<std::int16_t, kFretBands> points{};
  std::int8_t highest = -1;  // k of the highest fretted string, -1 when none is fretted
  std::int8_t silent = 0;    // muted strings
  // Bit s (0 for the highest-numbered string): muted, and after a sounding string in string order.
  std::uint8_t mutedAboveBass = 0;
  std::uint8_t mutedBelowBass = 0;  // the same before the first sounding string
  bool playable = false;
  std::int8_t fingers = 0;  // the fingering's count and barre count
  std::int8_t barres = 0;
  // Whether the table's entry is worked out yet (read and written as an atomic), last so that the
  // rest is copied without it.
  std::uint8_t state = 0;
};

// The hand on a made shape as players are taught it (TaughtFingering and FingerNumbers), barre
// frets counted from 1 for the lowest fretted fret. `everywhere` says that it is the same at every
// position up the neck (a lone note by open strings takes its own fret's finger).
struct TaughtHand {
  Fingering taught;
  Frets fingers{};
  bool everywhere = false;
};

// A table made when the tool was built: every shape in index order, its hand, and the hand taught.
struct MadeShapes {
  std::span<const Shape> shapes;
  std::span<const Fingering> fingerings;
  std::span<const TaughtHand> taught;
};
// Empty for a hand whose table is not made.
MadeShapes MadeShapesFor(int strings, int span);

// Every shape for a number of strings and a span, in memory that is zero until a shape is worked
// out (untouched pages cost nothing); searches on several threads share it.
class ShapeTable {
 public:
  ShapeTable(int strings, int span);
  ~ShapeTable();
  ShapeTable(const ShapeTable&) = delete;
  ShapeTable& operator=(const ShapeTable&) = delete;

  // The shape of `frets`, whose lowest fretted fret is `position` and whose index is `index`:
  // looked up, or worked out into the table (or into `aside` while another thread writes it).
  const Shape& At(int index, const Frets& frets, int position, Shape& aside,
                  Fingering& asideFingering) {
    if (!made_.shapes.empty()) return made_.shapes[std::size_t(index)];
    Shape& shape = shapes_[index];
    if (std::atomic_ref(shape.state).load(std::memory_order_acquire) == kKnown) return shape;
    return WorkOut(index, frets, position, aside, asideFingering);
  }
  // The hand on a shape worked out by At, barre frets counted from 1 for the window's lowest fret;
  // nothing when another thread had it in hand.
  const Fingering* FingeringOf(int index) const {
    if (!made_.fingerings.empty()) return &made_.fingerings[std::size_t(index)];
    const bool known = std::atomic_ref(shapes_[index].state).load(std::memory_order_acquire) ==
                       kKnown;
    return known ? &fingerings_[index] : nullptr;
  }
  // Whether the tool was built with the taught hands of this table's shapes.
  bool Taught() const { return !made_.taught.empty(); }
  // The taught hand on a made shape, where it holds at every position; else nothing.
  const TaughtHand* TaughtOf(int index) const {
    if (made_.taught.empty() || !made_.taught[std::size_t(index)].everywhere) return nullptr;
    return &made_.taught[std::size_t(index)];
  }

 private:
  static constexpr std::uint8_t kUnknown = 0, kWriting = 1, kKnown = 2;
  const Shape& WorkOut(int index, const Frets& frets, int position, Shape& aside,
                       Fingering& asideFingering);

  int strings_, span_;
  MadeShapes made_;
  // Worked out as met, where no table was made.
  Shape* shapes_ = nullptr;
  Fingering* fingerings_ = nullptr;
};

// How many shapes a hand of `strings` strings and `span` frets has: a code per string.
constexpr int ShapeCount(int strings, int span) {
  int count = 1;
  for (int s = 0; s < strings; ++s) count *= span + kShapeFretted;
  return count;
}

// The table for a number of strings and a span (kFewestSpan to kMostSpan), made on first use;
// nothing where it would pass kMostShapes, and the search works each shape out as it meets it.
inline constexpr int kMostShapes = 1 << 20;
ShapeTable* ShapesFor(int strings, int span);

// The frets of the shape at `index`, with the window starting at fret 1.
Frets FretsOfShape(int index, int strings, int span);
// One shape of the table, worked out from its frets with the window starting at fret 1.
Shape ShapeOf(const Frets& frets, int strings, int span, Fingering& fingering);
// The same from frets whose lowest fretted fret is `position`.
Shape ShapeAtPosition(Frets frets, int position, int strings, int span, Fingering& fingering);

}  // namespace fretwise::voicings
