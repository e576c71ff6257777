#include "voicings/shape_table.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>

namespace fretwise::voicings {

ShapeTable::ShapeTable(int strings, int span)
    : strings_(strings), span_(span), made_(MadeShapesFor(strings, span)) {
  if (!made_.shapes.empty()) return;
  // calloc: a large block comes from the system as zero pages, touched only where written.
  const auto count = std::size_t(ShapeCount(strings, span));
  shapes_ = static_cast<Shape*>(std::calloc(count, sizeof(Shape)));
  fingerings_ = static_cast<Fingering*>(std::calloc(count, sizeof(Fingering)));
  if (!shapes_ || !fingerings_) throw std::bad_alloc();
}

ShapeTable::~ShapeTable() {
  std::free(shapes_);
  std::free(fingerings_);
}

const Shape& ShapeTable::WorkOut(int index, const Frets& frets, int position, Shape& aside,
                                 Fingering& asideFingering) {
  aside = ShapeAtPosition(frets, position, strings_, span_, asideFingering);
  std::atomic_ref state(shapes_[index].state);
  std::uint8_t unknown = kUnknown;
  if (!state.compare_exchange_strong(unknown, kWriting, std::memory_order_acquire)) return aside;
  // Not the state: readers load it as an atomic.
  std::memcpy(static_cast<void*>(&shapes_[index]), &aside, offsetof(Shape, state));
  fingerings_[index] = asideFingering;
  state.store(kKnown, std::memory_order_release);
  return shapes_[index];
}

ShapeTable* ShapesFor(int strings, int span) {
  if (strings < kFewestStrings || strings > kMostStrings || span < kFewestSpan ||
      span > kMostSpan || ShapeCount(strings, span) > kMostShapes)
    return nullptr;
  constexpr int kSpans = kMostSpan - kFewestSpan + 1;
  constexpr int kTables = (kMostStrings - kFewestStrings + 1) * kSpans;
  static std::array<std::once_flag, kTables> made;
  static std::array<std::unique_ptr<ShapeTable>, kTables> tables;
  const int at = (strings - kFewestStrings) * kSpans + span - kFewestSpan;
  std::call_once(made[at], [&] { tables[at] = std::make_unique<ShapeTable>(strings, span); });
  return tables[at].get();
}

}  // namespace fretwise::voicings
