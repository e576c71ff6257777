// A voicing played against a sound layer that logs what it is asked: which files, in which order,
// how long after the stroke's start each string sounds, and what a failure leaves sounding.
#include "playback/voicing_player.h"

#include <gtest/gtest.h>

#include "support/recorders.h"

namespace fretwise::playback {
namespace {

constexpr int x = kMutedString;
using std::chrono::milliseconds;

TEST(VoicingPlayer, SoundsEachStringsNoteInTheStrokesOrderAndTiming) {
  const struct {
    const char* name;
    std::vector<int> pitches;  // highest-numbered string first
    Instrument instrument;
    Strum strum;
    std::string calls;  // asked of the sound layer
  } rows[] = {
      // clang-format off
      {"a light downstroke by default", {x, 48, 52, 55, 60, 64}, Instrument::kSteelGuitar, {},
       "Open steel-guitar/C3; Open steel-guitar/E3; Open steel-guitar/G3; Open steel-guitar/C4; "
       "Open steel-guitar/E4; BeginChord; Play 1 +0; Play 2 +15; Play 3 +30; Play 4 +45; "
       "Play 5 +60; EndChord"},
      {"an upstroke starts at string 1; a muted string within it takes its turn",
       {x, 48, 52, x, 60, 64}, Instrument::kNylonGuitar, {Stroke::kUp, milliseconds(40)},
       "Open nylon-guitar/E4; Open nylon-guitar/C4; Open nylon-guitar/E3; Open nylon-guitar/C3; "
       "BeginChord; Play 1 +0; Play 2 +40; Play 3 +120; Play 4 +160; EndChord"},
      {"a re-entrant ukulele's block chord", {67, 60, 64, 69}, Instrument::kUkulele, kBlockChord,
       "Open nylon-guitar/G4; Open nylon-guitar/C4; Open nylon-guitar/E4; Open nylon-guitar/A4; "
       "BeginChord; Play 1 +0; Play 2 +0; Play 3 +0; Play 4 +0; EndChord"},
      {"250 ms is taken as 100", {23, 28}, Instrument::kBass, {Stroke::kDown, milliseconds(250)},
       "Open bass/B0; Open bass/E1; BeginChord; Play 1 +0; Play 2 +100; EndChord"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    test::CallLog log;
    test::FakeSound sound(log);
    VoicingPlayer player(sound);
    EXPECT_EQ(player.Play(row.pitches, row.instrument, row.strum), 0u);
    EXPECT_EQ(test::Joined(log, {"instruments/", ".flac"}), row.calls);
  }
}

// A play silences the voicing before it; a missing note fails the voicing whole; the player
// releases its devices when it stops or goes.
TEST(VoicingPlayer, SoundsOneVoicingAtATimeAndAVoicingWholeOrNotAtAll) {
  test::CallLog log;
  test::FakeSound sound(log);
  sound.texts[7] = "無い";
  {
    VoicingPlayer player(sound);
    const std::vector<int> am{x, 45, 52, 57, 60, 64}, e{40, 47, 52, 56, 59, 64};
    ASSERT_EQ(player.Play(am, Instrument::kSteelGuitar), 0u);
    ASSERT_EQ(player.Play(e, Instrument::kSteelGuitar, kBlockChord), 0u);
    log.clear();
    sound.failOpen["instruments/steel-guitar/C4.flac"] = 7;
    EXPECT_EQ(player.ErrorText(player.Play(am, Instrument::kMandolin)), "無い");
    EXPECT_EQ(test::Joined(log, {"instruments/", ".flac"}),
              "Close 6; Close 7; Close 8; Close 9; Close 10; Close 11; Open steel-guitar/A2; "
              "Open steel-guitar/E3; Open steel-guitar/A3; Open steel-guitar/C4; BeginChord; "
              "Close 12; Close 13; Close 14; EndChord");
    ASSERT_EQ(player.Play(e, Instrument::kNylonGuitar), 0u);
    sound.failClose[20] = 9;
    EXPECT_EQ(player.Stop(), 9u) << "the first failure, after every close";
    ASSERT_EQ(player.Play(am, Instrument::kNylonGuitar), 0u);
  }
  EXPECT_EQ(sound.open.size(), 1u) << "all but the device that failed to close";
}

}  // namespace
}  // namespace fretwise::playback
