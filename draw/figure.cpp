#include "draw/figure.h"

#include <type_traits>
#include <utility>

namespace fretwise {

void Place(Figure& onto, const Figure& figure, Point at, double scale) {
  const auto move = [&](Point p) { return Point{at.x + p.x * scale, at.y + p.y * scale}; };
  onto.shapes.reserve(onto.shapes.size() + figure.shapes.size());
  for (Shape shape : figure.shapes) {
    std::visit(
        [&](auto& s) {
          using S = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<S, Line>) {
            s.from = move(s.from), s.to = move(s.to), s.width *= scale;
          } else if constexpr (std::is_same_v<S, Disc>) {
            s.centre = move(s.centre), s.radius *= scale, s.ring *= scale;
          } else if constexpr (std::is_same_v<S, Bar>) {
            s.from = move(s.from), s.to = move(s.to), s.radius *= scale;
          } else {
            s.at = move(s.at), s.size *= scale, s.maxWidth *= scale;
          }
        },
        shape);
    onto.shapes.push_back(std::move(shape));
  }
}

}  // namespace fretwise
