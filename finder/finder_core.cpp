#include "finder/finder_core.h"

#include <algorithm>
#include <utility>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "pitch/pitch.h"
#include "voicingbox/voicing_box.h"

namespace fretwise::finder {
namespace {

constexpr std::string_view kTitleSuffix = " - Fretwise";
constexpr std::string_view kNothingShown = "ｺｰﾄﾞ検索";

}  // namespace

bool FinderCore::Enter(std::string_view text) {
  ReadQuery read = ReadFinderText(text);
  reason_ = std::move(read.reason);
  if (!read.query) return false;
  Show(std::move(*read.query));
  return true;
}

void FinderCore::ShowTicked() {
  std::vector<int> midis;
  for (const int slot : kScanOrder)
    if (panel_.IsTicked(slot)) midis.push_back(kLowestMidi + TokenCode(kSlots[slot].token));
  reason_.clear();
  if (midis.empty()) {
    query_.reset(), names_.clear(), fieldText_.clear();
    Search();
    return;
  }
  Show(ExactPitches(std::move(midis)));
}

void FinderCore::Show(FinderQuery query) {
  names_ = NamesOf(query);
  fieldText_ = FieldText(query);
  query_ = std::move(query);
  Search();
}

void FinderCore::Change(const FinderSettings& settings) {
  const FinderSettings before = std::exchange(settings_, settings);
  settings_.preset = std::clamp(settings_.preset, 0, int(voicings::kPresets.size()) - 1);
  settings_.capo = std::clamp(settings_.capo, 0, voicings::kHighestCapo);
  settings_.span = std::clamp(settings_.span, voicings::kFewestSpan, voicings::kMostSpan);
  if (before.preset != settings_.preset || before.capo != settings_.capo ||
      before.span != settings_.span) {
    Search();
  }
}

const voicings::Preset& FinderCore::preset() const { return voicings::kPresets[settings_.preset]; }

voicings::SearchOptions FinderCore::Options() const {
  return {.tuning = preset().tuning, .span = settings_.span, .frets = preset().frets,
          .capo = settings_.capo};
}

void FinderCore::Search() {
  selected_.clear();
  current_.reset();
  voicings_.clear();
  status_.clear();
  if (!query_) return;
  voicings_ = query_->chord ? voicings::VoicingsOfChord(*query_->chord, Options())
                            : voicings::VoicingsOfPitches(query_->pitches, Options());
  status_ = voicings_.empty() ? "押さえられる形はありません" : std::to_string(count()) + " 通り";
}

chordbox::ChordBox FinderCore::BoxAt(int index) const {
  return voicingbox::BoxOf(voicings_.at(std::size_t(index)),
                           names_.empty() ? std::string() : names_.front(), preset().tuning,
                           settings_.leftHanded, settings_.capo);
}

chordbox::ChordBox FinderCore::TallestBox() const {
  // As many rows as the span, or the fewest a box shows: frets 1 and span, under the capo.
  voicings::Voicing reach;
  reach.frets.fill(0);
  reach.frets.front() = 1;
  reach.frets[std::size_t(preset().tuning.size() - 1)] = std::int8_t(settings_.span);
  return voicingbox::BoxOf(reach, "", preset().tuning, false, settings_.capo);
}

std::vector<int> FinderCore::PitchesAt(int index) const {
  const voicings::Tuning& tuning = preset().tuning;
  const voicings::Frets& frets = voicings_.at(std::size_t(index)).frets;
  std::vector<int> pitches;
  for (int s = 0; s < tuning.size(); ++s)  // an open string sounds at the capo
    pitches.push_back(frets[s] == voicings::kMuted ? playback::kMutedString
                                                   : tuning[s] + settings_.capo + frets[s]);
  return pitches;
}

void FinderCore::Click(int index, bool add) {
  if (index < 0 || index >= count()) return;
  current_ = index;
  if (!add) selected_.clear();
  if (add && selected_.erase(index)) return;
  selected_.insert(index);
  Play(index);
}

void FinderCore::Move(int by) {
  if (count() == 0) return;
  const int to = current_ ? std::clamp(*current_ + by, 0, count() - 1) : 0;
  current_ = to;
  selected_ = {to};
}

void FinderCore::Replay() {
  if (current_) Play(*current_);
}

void FinderCore::Play(int index) {
  const auto instrument =
      playback::InstrumentOfPreset(preset().name).value_or(playback::Instrument::kSteelGuitar);
  const SoundResult result = player_.Play(PitchesAt(index), instrument, settings_.strum);
  if (result != 0) {
    status_ = player_.ErrorText(result);
  } else if (!voicings_.empty()) {
    status_ = std::to_string(count()) + " 通り";
  }
}

void FinderCore::SendToPanel() {
  if (!current_) return;
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (HasCheckBox(slot)) panel_.SetTicked(slot, false);
  std::string outside;
  for (const int midi : PitchesAt(*current_)) {
    if (midi == playback::kMutedString) continue;
    const int code = midi - kLowestMidi;
    if (code >= 0 && code < kTokenCount) {
      panel_.SetTicked(SlotOfCode(code), true);
    } else {
      outside += " " + PitchName(midi);
    }
  }
  status_ = outside.empty() ? "パネルに付けました"
                            : "パネルの音域 (C2〜B5) の外の音は付けていません:" + outside;
}

std::vector<chordbox::ChordBox> FinderCore::SelectedBoxes() const {
  std::vector<chordbox::ChordBox> boxes;
  for (const int index : selected_) boxes.push_back(BoxAt(index));
  return boxes;
}

void FinderCore::Saved(const std::string& path, const std::string& error) {
  status_ = error.empty() ? path + " に保存しました" : path + " に保存できません: " + error;
}

std::string FinderCore::Title() const {
  const std::string shown = !names_.empty() ? names_.front()
                            : query_        ? fieldText_
                                            : std::string(kNothingShown);
  return shown + std::string(kTitleSuffix);
}

}  // namespace fretwise::finder
