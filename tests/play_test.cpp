// The play command against a sound layer that logs what it is asked: which files open, in what
// order, what is shown when a command fails and what can still be heard afterwards.
#include <gtest/gtest.h>

#include <optional>

#include "support/recorders.h"

namespace fretwise {
namespace {

using test::CallLog;

// Panel slots of chords whose first fingering is known.
const TickSet kCMajor{16, 22, 26};             // C4 E4 G4 on strings 4, 3, 2
const TickSet kOpenC{32, 38, 42, 16, 22};      // C3 E3 G3 C4 E4 on strings 5 to 1
const TickSet kOpenE{54, 63, 38, 43, 47, 22};  // E2 B2 E3 G#3 B3 E4 on all six strings
const TickSet kSeven{54, 63, 38, 43, 47, 22, 23};

const std::vector<std::string> kCMajorFiles = {".\\wav\\4\\C2.wav", ".\\wav\\3\\E2.wav",
                                               ".\\wav\\2\\G2.wav"};
const std::vector<std::string> kOpenCFiles = {".\\wav\\5\\C3.wav", ".\\wav\\4\\E3.wav",
                                              ".\\wav\\3\\G3.wav", ".\\wav\\2\\C2.wav",
                                              ".\\wav\\1\\E2.wav"};
constexpr std::string_view kMissing = "サウンドファイルがありません";

class Play : public testing::Test {
 protected:
  Play() { view.emplace(ViewPorts{ticks, staff, diagram, messages, sound}); }

  // Ticks the chord and runs the show-notes pass, as a player would before pressing play.
  void Show(const TickSet& chord) {
    ticks = chord;
    view->OnShowNotes();
    log.clear();
  }
  // Presses play and gives what the play asked of the sound layer and the message box.
  CallLog PlayCalls() {
    view->OnPlay();
    return std::exchange(log, {});
  }
  const ViewState& state() const { return view->state(); }

  CallLog log;
  TickSet ticks;
  test::LoggingStaff staff{log};
  test::LoggingDiagram diagram{log};
  test::LoggingMessages messages{log};
  test::FakeSound sound{log};
  std::optional<ViewCore> view;
};

TEST_F(Play, ThreeNotesOpenAndStartTogetherAsOneChord) {
  Show(kCMajor);
  EXPECT_EQ(PlayCalls(),
            (CallLog{"BeginChord", "Open .\\wav\\4\\C2.wav", "Play 1", "Open .\\wav\\3\\E2.wav",
                     "Play 2", "Open .\\wav\\2\\G2.wav", "Play 3", "EndChord"}));
  EXPECT_EQ(sound.Audible(), kCMajorFiles);
  EXPECT_EQ(state().m_openDeviceCount, 3);
  EXPECT_EQ(state().m_devicesOpen, 1);
  EXPECT_EQ(state().m_mciError, 0u);
}

TEST_F(Play, SixNotesOpenSixDevicesThatAllSound) {
  Show(kOpenE);
  PlayCalls();
  EXPECT_EQ(sound.Audible(), (std::vector<std::string>{".\\wav\\6\\E4.wav", ".\\wav\\5\\B4.wav",
                                                       ".\\wav\\4\\E3.wav", ".\\wav\\3\\G3_SRP.wav",
                                                       ".\\wav\\2\\B3.wav", ".\\wav\\1\\E2.wav"}));
  EXPECT_EQ(state().m_openDeviceCount, 6);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Play, PlayingAgainCutsOffThePreviousChordBeforeStartingIt) {
  Show(kCMajor);
  PlayCalls();
  EXPECT_EQ(PlayCalls(), (CallLog{"Close 1", "Close 2", "Close 3", "BeginChord",
                                  "Open .\\wav\\4\\C2.wav", "Play 4", "Open .\\wav\\3\\E2.wav",
                                  "Play 5", "Open .\\wav\\2\\G2.wav", "Play 6", "EndChord"}));
  EXPECT_EQ(sound.Audible(), kCMajorFiles);
}

TEST_F(Play, NoNotesSilenceThePreviousChordAndOpenNothing) {
  Show(kCMajor);
  PlayCalls();
  Show({});
  PlayCalls();
  EXPECT_TRUE(sound.Audible().empty());
  EXPECT_TRUE(sound.open.empty());
  EXPECT_EQ(state().m_openDeviceCount, 0);
  EXPECT_EQ(state().m_devicesOpen, 0);
}

TEST_F(Play, APlayAfterClearSoundsTheNotesCollectedBefore) {
  Show(kCMajor);
  view->OnClear();
  PlayCalls();
  EXPECT_EQ(sound.Audible(), kCMajorFiles);
}

// What each kind of failure shows and what sounds on afterwards.
struct Failure {
  const char* name;
  TickSet before;  // the chord played first, if any
  TickSet chord;   // the chord of the play that meets the failure
  std::function<void(test::FakeSound&)> fail;
  CallLog calls;                     // that play's calls and messages
  std::vector<std::string> audible;  // what sounds after it
  int openDeviceCount;
  int devicesOpen;
  friend void PrintTo(const Failure& f, std::ostream* os) { *os << f.name; }
};

class PlayFailure : public Play, public testing::WithParamInterface<Failure> {};

TEST_P(PlayFailure, ShowsItsTextAndLeavesTheRestAsDocumented) {
  const Failure& f = GetParam();
  if (f.before.Count() > 0) {
    Show(f.before);
    PlayCalls();
  }
  sound.texts = {{7, std::string(kMissing)}, {8, "再生できません"}, {9, "閉じられません"}};
  f.fail(sound);
  Show(f.chord);
  EXPECT_EQ(PlayCalls(), f.calls);
  EXPECT_EQ(sound.Audible(), f.audible);
  EXPECT_EQ(state().m_openDeviceCount, f.openDeviceCount);
  EXPECT_EQ(state().m_devicesOpen, f.devicesOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlayFailure,
    testing::Values(
        Failure{"SeventhNoteRefusedWhileThePreviousChordSoundsOn", kCMajor, kSeven,
                [](test::FakeSound&) {}, CallLog{"Message 6個以上の音は鳴らせません"}, kCMajorFiles,
                3, 1},
        Failure{"MissingThirdFileOfFive",
                {},
                kOpenC,
                [](test::FakeSound& s) { s.failOpen[".\\wav\\3\\G3.wav"] = 7; },
                CallLog{"BeginChord", "Open .\\wav\\5\\C3.wav", "Play 1", "Open .\\wav\\4\\E3.wav",
                        "Play 2", "Open .\\wav\\3\\G3.wav", "EndChord",
                        "Message " + std::string(kMissing)},
                {kOpenCFiles[0], kOpenCFiles[1]},
                2,
                1},
        Failure{"FirstFileMissingAfterAChord",
                kCMajor,
                kOpenC,
                [](test::FakeSound& s) { s.failOpen[".\\wav\\5\\C3.wav"] = 7; },
                CallLog{"Close 1", "Close 2", "Close 3", "BeginChord", "Open .\\wav\\5\\C3.wav",
                        "EndChord", "Message " + std::string(kMissing)},
                {},
                0,
                0},
        Failure{"FailedStartIsShownAndPassedOver",
                {},
                kCMajor,
                [](test::FakeSound& s) { s.failPlay[2] = 8; },
                CallLog{"BeginChord", "Open .\\wav\\4\\C2.wav", "Play 1", "Open .\\wav\\3\\E2.wav",
                        "Play 2", "EndChord", "Message 再生できません", "BeginChord",
                        "Open .\\wav\\2\\G2.wav", "Play 3", "EndChord"},
                {kCMajorFiles[0], kCMajorFiles[2]},
                3,
                1},
        Failure{"EachFailedCloseShownAndTheFlagClearedAllTheSame",
                kCMajor,
                {},
                [](test::FakeSound& s) { s.failClose[1] = s.failClose[3] = 9; },
                CallLog{"Close 1", "Message 閉じられません", "Close 2", "Close 3",
                        "Message 閉じられません", "BeginChord", "EndChord"},
                {kCMajorFiles[0], kCMajorFiles[2]},
                0,
                0}),
    [](const auto& info) { return info.param.name; });

TEST_F(Play, TheNextPlayAfterAFailedOpenClosesExactlyTheDevicesItOpened) {
  sound.failOpen[".\\wav\\3\\G3.wav"] = 7;
  Show(kOpenC);
  PlayCalls();
  sound.failOpen.clear();
  const CallLog calls = PlayCalls();
  EXPECT_EQ(CallLog(calls.begin(), calls.begin() + 3),
            (CallLog{"Close 1", "Close 2", "BeginChord"}));
  EXPECT_EQ(sound.Audible(), kOpenCFiles);
}

// A message box's loop may paint the view, and a paint rebuilds the list from the boxes ticked
// at that moment; the play goes on with the notes it took.
TEST_F(Play, APaintWhileAMessageIsUpDoesNotChangeWhatThePlayOpens) {
  sound.failPlay[1] = 8;
  messages.whileShown = [this] {
    ticks = kOpenE;
    view->OnShowNotes();
  };
  Show(kCMajor);
  PlayCalls();
  EXPECT_EQ(sound.Audible(), (std::vector<std::string>{kCMajorFiles[1], kCMajorFiles[2]}));
  EXPECT_EQ(state().m_noteCount, 6);  // the paint did rebuild the list
  EXPECT_EQ(state().m_openDeviceCount, 3);
}

TEST_F(Play, DestroyingTheViewClosesTheDevicesOfTheLastPlay) {
  Show(kCMajor);
  PlayCalls();
  view.reset();
  EXPECT_EQ(log, (CallLog{"Close 1", "Close 2", "Close 3"}));
  EXPECT_TRUE(sound.open.empty());
}

TEST_F(Play, DestroyingTheViewWithNoDeviceOpenTouchesNoSoundDevice) {
  for (const TickSet& before : {TickSet{}, kSeven}) {
    SCOPED_TRACE(before.Count() == 0 ? "before any play" : "after a refused first play");
    Show(before);
    if (before.Count() > 0) PlayCalls();
    view.reset();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& call) {
      return call.starts_with("Close") || call.starts_with("Open");
    })) << testing::PrintToString(log);
    view.emplace(ViewPorts{ticks, staff, diagram, messages, sound});
  }
}

// The error text is kept in 200 bytes: a longer one is cut with its terminator, never inside a
// character, whatever the sound layer wrote.
TEST_F(Play, ALongErrorTextIsCutToFitOnACharacterBoundary) {
  std::string japanese;
  for (int i = 0; i < 100; ++i) japanese += "音";  // 300 bytes, 3 per character
  const struct {
    std::string text, kept;
  } rows[] = {
      {"x" + japanese.substr(0, 297) + "yz", "x" + japanese.substr(0, 198)},  // cut at 199
      {japanese, japanese.substr(0, 198)},  // byte 199 is inside a character
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text.size());
    sound.texts[7] = row.text;
    sound.failOpen[kCMajorFiles[0]] = 7;
    Show(kCMajor);
    PlayCalls();
    EXPECT_EQ(std::string(state().m_mciErrorText.data()), row.kept);
    EXPECT_EQ(messages.texts.back(), row.kept);
  }
}

}  // namespace
}  // namespace fretwise
