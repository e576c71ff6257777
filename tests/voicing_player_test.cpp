// A voicing played against a sound layer that logs what it is asked: which files, in which order,
// how long after the stroke's start each string sounds, and what a failure leaves sounding.
#include "playback/voicing_player.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recorders.h"

namespace fretwise::playback {
namespace {

constexpr int x = kMutedString;
using std::chrono::milliseconds;

// The calls of the log joined by "; ", with the sets' folder and extension dropped.
std::string Calls(const test::CallLog& log) {
  std::string calls;
  for (std::string call : log) {
    for (const std::string_view cut : {"instruments/", ".flac"})
      if (const auto at = call.find(cut); at != std::string::npos) call.erase(at, cut.size());
    calls += (calls.empty() ? "" : "; ") + call;
  }
  return calls;
}

TEST(VoicingPlayer, SoundsEachStringsNoteInTheStrokesOrderAndTiming) {
  const struct {
    const char* name;
    std::vector<int> pitches;  // highest-numbered string first
    Instrument instrument;
    Strum strum;
    std::string calls;  // asked of the sound layer
  } rows[] = {
      {"a light downstroke by default",
       {x, 48, 52, 55, 60, 64},
       Instrument::kSteelGuitar,
       {},
       "Open steel-guitar/C3; Open steel-guitar/E3; Open steel-guitar/G3; Open steel-guitar/C4; "
       "Open steel-guitar/E4; BeginChord; Play 1 +0; Play 2 +15; Play 3 +30; Play 4 +45; "
       "Play 5 +60; EndChord"},
      {"an upstroke starts at string 1; a muted string within it takes its turn",
       {x, 48, 52, x, 60, 64},
       Instrument::kNylonGuitar,
       {Stroke::kUp, milliseconds(40)},
       "Open nylon-guitar/E4; Open nylon-guitar/C4; Open nylon-guitar/E3; Open nylon-guitar/C3; "
       "BeginChord; Play 1 +0; Play 2 +40; Play 3 +120; Play 4 +160; EndChord"},
      {"a re-entrant ukulele's block chord",
       {67, 60, 64, 69},
       Instrument::kUkulele,
       kBlockChord,
       "Open nylon-guitar/G4; Open nylon-guitar/C4; Open nylon-guitar/E4; Open nylon-guitar/A4; "
       "BeginChord; Play 1 +0; Play 2 +0; Play 3 +0; Play 4 +0; EndChord"},
      {"a strum slower than 100 ms is taken as 100",
       {23, 28},
       Instrument::kBass,
       {Stroke::kDown, milliseconds(250)},
       "Open bass/B0; Open bass/E1; BeginChord; Play 1 +0; Play 2 +100; EndChord"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    test::CallLog log;
    test::FakeSound sound(log);
    VoicingPlayer player(sound);
    EXPECT_EQ(player.Play(row.pitches, row.instrument, row.strum), 0u);
    EXPECT_EQ(Calls(log), row.calls);
    EXPECT_EQ(sound.Audible().size(), row.pitches.size() - std::ranges::count(row.pitches, x));
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
    EXPECT_EQ(sound.open.size(), 6u);
    EXPECT_EQ(sound.open.begin()->first, 6u) << "the first voicing's five devices are closed";
    log.clear();
    sound.failOpen["instruments/steel-guitar/C4.flac"] = 7;
    EXPECT_EQ(player.ErrorText(player.Play(am, Instrument::kMandolin)), "無い");
    EXPECT_EQ(Calls(log),
              "Close 6; Close 7; Close 8; Close 9; Close 10; Close 11; Open steel-guitar/A2; "
              "Open steel-guitar/E3; Open steel-guitar/A3; Open steel-guitar/C4; BeginChord; "
              "Close 12; Close 13; Close 14; EndChord");
    EXPECT_TRUE(sound.open.empty());
    ASSERT_EQ(player.Play(e, Instrument::kNylonGuitar), 0u);
  }
  EXPECT_TRUE(sound.open.empty());
  EXPECT_EQ(InstrumentOfPreset("bass5"), Instrument::kBass);
  EXPECT_EQ(InstrumentOfPreset("Bass"), std::nullopt);
}

}  // namespace
}  // namespace fretwise::playback
