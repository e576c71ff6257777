#include "cli/chord_boxes.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"
#include "voicingbox/voicing_box.h"

namespace fretwise::cli {
namespace {

// The name of exactly these pitches, as the text report gives a voicing's first.
std::string NameOfPitches(const std::vector<int>& pitches) {
  const std::vector<chords::ChordSymbol> names = chords::DistinctNames(pitches);
  if (!names.empty()) return chords::SymbolText(names.front());
  std::string joined;
  for (const int midi : pitches) joined += (joined.empty() ? "" : "-") + PitchName(midi);
  return joined;
}

chordbox::ChordBox SymbolBox(const std::string& name, const FinderQuery& query) {
  std::vector<voicings::Voicing> found;
  if (const auto symbol = chords::ParseChordSymbol(name))
    found = voicings::VoicingsOfChord(*symbol, query.search);
  if (!found.empty())
    return voicingbox::BoxOf(found.front(), name, query.search.tuning, query.leftHanded,
                             query.search.capo);
  return EmptyBox(name, query);
}

}  // namespace

chordbox::ChordBox EmptyBox(const std::string& name, const FinderQuery& query) {
  chordbox::ChordBox empty;
  empty.name = name;
  empty.leftHanded = query.leftHanded;
  return empty;
}

Listed ListVoicings(const FinderQuery& query) {
  Listed listed;
  if (query.mode == FinderMode::kChord) {
    listed.name = query.chordName;
    listed.voicings = voicings::VoicingsOfChord(query.chord, query.search);
  } else {
    listed.voicings = voicings::VoicingsOfPitches(query.pitches, query.search);
    // Each voicing sounds exactly these pitches, so all have the same name: that of the set.
    std::vector<int> sorted = query.pitches;
    std::ranges::sort(sorted);
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    listed.name = NameOfPitches(sorted);
  }
  if (query.max && std::size_t(*query.max) < listed.voicings.size())
    listed.voicings.resize(*query.max);
  return listed;
}

std::vector<chordbox::ChordBox> BoxesOf(const Listed& listed, const FinderQuery& query) {
  std::vector<chordbox::ChordBox> boxes;
  for (const voicings::Voicing& voicing : listed.voicings)
    boxes.push_back(voicingbox::BoxOf(voicing, listed.name, query.search.tuning, query.leftHanded,
                                      query.search.capo));
  return boxes;
}

std::vector<chordbox::ChordBox> SheetBoxes(const FinderQuery& query, const chordpro::Song* song) {
  std::vector<chordbox::ChordBox> boxes;
  if (!song) {
    for (const std::string& symbol : query.sheet.symbols) boxes.push_back(SymbolBox(symbol, query));
    return boxes;
  }
  for (const chordpro::SongChord& chord : song->chords) {
    if (!chord.shape) {
      boxes.push_back(SymbolBox(chord.name, query));
      continue;
    }
    chordbox::ChordBox box = *chord.shape;
    box.leftHanded = query.leftHanded;
    // A shape for as many strings as the tuning has is read on it.
    if (box.strings == query.search.tuning.size())
      box.tuning = voicingbox::TuningNames(query.search.tuning);
    boxes.push_back(std::move(box));
  }
  return boxes;
}

std::vector<int> StringPitches(const voicings::Voicing& voicing,
                               const voicings::SearchOptions& search) {
  std::vector<int> pitches;
  for (int s = 0; s < search.tuning.size(); ++s) {
    pitches.push_back(voicing.frets[s] == voicings::kMuted
                          ? playback::kMutedString
                          : search.tuning[s] + search.capo + voicing.frets[s]);
  }
  return pitches;
}

playback::Instrument InstrumentOf(const FinderQuery& query) {
  return playback::InstrumentOfPreset(query.tuningName.empty() ? "standard" : query.tuningName)
      .value_or(playback::Instrument::kSteelGuitar);
}

}  // namespace fretwise::cli
