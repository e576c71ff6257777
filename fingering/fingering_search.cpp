#include "fingering/fingering_search.h"

#include <algorithm>

#include "fingering/fret_table.h"

namespace fretwise {

WindowMatch SearchWindow(const std::array<TokenCell, kTokenCells>& tokens, int start) {
  WindowMatch match;
  match.cells.fill(kUnusedCell);
  for (const TokenCell& token : tokens) {
    const int code = TokenCode(token.data());
    if (code == kNoToken) continue;
    [&] {
      for (int s = 0; s < kStringCount; ++s) {
        for (int f = start; f < start + kWindowWidth; ++f) {
          if (kFretCodes[s][f] != code) continue;
          match.cells[s] = FrettedCell(s + 1, f);
          match.highestFret = std::max(match.highestFret, f);
          return;
        }
      }
    }();
  }
  return match;
}

}  // namespace fretwise
