// The finder window's logic, free of any window system: the chord shown (by symbol, or exactly the
// panel's ticked notes), its voicings as chord boxes with the search's settings, the selection, and
// what a click, a key or a button does with it. The window draws what this holds and passes on the
// player's actions.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "chordbox/chord_box.h"
#include "finder/finder_query.h"
#include "playback/voicing_player.h"
#include "sound/sound_layer.h"
#include "voicings/voicing_search.h"

namespace fretwise::finder {

// The panel's check boxes by slot index (notes/slot_table.h), as the finder reads and sets them.
class Panel {
 public:
  virtual ~Panel() = default;
  // A natural slot has no box: it reads as not ticked and setting it does nothing.
  virtual bool IsTicked(int slot) const = 0;
  virtual void SetTicked(int slot, bool ticked) = 0;
};

struct FinderSettings {
  int preset = 0;  // index into voicings::kPresets
  int capo = 0;    // 0 for none, up to voicings::kHighestCapo
  int span = voicings::kDefaultSpan;
  bool leftHanded = false;
  playback::Strum strum;  // a light downstroke
  friend bool operator==(const FinderSettings&, const FinderSettings&) = default;
};

class FinderCore {
 public:
  // The panel and the sound layer must outlive the finder.
  FinderCore(Panel& panel, SoundLayer& sound) : panel_(panel), sound_(sound), player_(sound) {}

  // An empty chord, so that a sound layer made on first use is made now rather than at the first
  // click, which would wait for it.
  void PrepareSound() {
    sound_.BeginChord();
    sound_.EndChord();
  }

  // The field's text on Return: shows its chord and gives true, or leaves the chord shown and
  // gives false with the reason.
  bool Enter(std::string_view text);
  // Shows exactly the notes ticked in the panel (none: nothing).
  void ShowTicked();
  // Searches the chord shown again when the preset, capo or span change.
  void Change(const FinderSettings& settings);

  int count() const { return static_cast<int>(voicings_.size()); }
  // The voicing at index as a chord box named after the chord shown; frets from the capo.
  chordbox::ChordBox BoxAt(int index) const;
  // A box as tall as any that the settings give, which sizes the places of a grid of them.
  chordbox::ChordBox TallestBox() const;
  // Its MIDI pitches, the highest-numbered string first, playback::kMutedString for a muted one.
  std::vector<int> PitchesAt(int index) const;

  // Selects the voicing (with `add`, adds it to the selection or takes it out) and plays it.
  void Click(int index, bool add = false);
  // Moves the selection by `by` voicings, within the list, without a sound.
  void Move(int by);
  // Plays the voicing last selected again.
  void Replay();
  // Silences the voicing played last (the window closes).
  void Silence() { player_.Stop(); }
  // Ticks exactly the selected voicing's pitches that the panel has; tells of those it has not.
  void SendToPanel();
  // The selected voicings' boxes in list order, for a sheet.
  std::vector<chordbox::ChordBox> SelectedBoxes() const;
  // After a sheet was written (empty error) or not.
  void Saved(const std::string& path, const std::string& error);

  std::optional<int> current() const { return current_; }
  bool IsSelected(int index) const { return selected_.contains(index); }
  bool HasSelection() const { return !selected_.empty(); }
  const FinderSettings& settings() const { return settings_; }
  const playback::VoicingPlayer& player() const { return player_; }
  // The window's title: the chord shown first ("Am7 - Fretwise").
  std::string Title() const;
  const std::vector<std::string>& names() const { return names_; }
  const std::string& fieldText() const { return fieldText_; }
  const std::string& reason() const { return reason_; }  // beside the field
  const std::string& status() const { return status_; }  // a count, a sound's failure, a save

 private:
  void Show(FinderQuery query);
  void Search();
  void Play(int index);
  const voicings::Preset& preset() const;
  voicings::SearchOptions Options() const;

  Panel& panel_;
  SoundLayer& sound_;
  playback::VoicingPlayer player_;
  FinderSettings settings_;
  std::optional<FinderQuery> query_;
  std::vector<voicings::Voicing> voicings_;
  std::vector<std::string> names_;
  std::string fieldText_, reason_, status_;
  std::set<int> selected_;
  std::optional<int> current_;
};

}  // namespace fretwise::finder
