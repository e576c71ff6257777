// The chord collection in tests/data: players' voicings with their names, five keys of twelve.
#pragma once

#include <string>
#include <vector>

#include "voicings/playability.h"

namespace fretwise::test {

struct CollectionVoicing {
  std::string symbol;           // key and suffix as a chord symbol ("C", "C#m7", "Ebm/B")
  voicings::Frets frets{};      // absolute, string 6 first
  std::vector<int> midis = {};  // the sounding pitches
};

std::vector<CollectionVoicing> LoadCollection();

}  // namespace fretwise::test
