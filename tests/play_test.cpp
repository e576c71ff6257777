// The play command against a sound layer that logs what it is asked: which files open, in what
// order, what is shown when a command fails and what can still be heard afterwards.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <optional>

#include "playback/error_text.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

using test::CallLog;

// Panel slots of chords whose first fingering is known.
const TickSet kCMajor{16, 22, 26};             // C4 E4 G4 on strings 4, 3, 2
const TickSet kOpenC{32, 38, 42, 16, 22};      // C3 E3 G3 C4 E4 on strings 5 to 1
const TickSet kOpenE{54, 63, 38, 43, 47, 22};  // E2 B2 E3 G#3 B3 E4 on all six strings
const TickSet kSeven{54, 63, 38, 43, 47, 22, 23};

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : "; ") + item;
  return out;
}

struct PlayRig {
  PlayRig() { view.emplace(ViewPorts{ticks, staff, diagram, messages, sound}); }

  // Ticks the chord and runs the show-notes pass, as a player would before pressing play.
  void Show(const TickSet& chord) {
    ticks = chord;
    view->OnShowNotes();
    log.clear();
  }
  // Presses play and gives what the play asked of the sound layer and the message box.
  std::string PlayCalls() {
    view->OnPlay();
    return Joined(std::exchange(log, {}));
  }
  std::string Audible() const { return Joined(sound.Audible()); }
  const ViewState& state() const { return view->state(); }

  CallLog log;
  TickSet ticks;
  test::LoggingStaff staff{log};
  test::LoggingDiagram diagram{log};
  test::LoggingMessages messages{log};
  test::FakeSound sound{log};
  std::optional<ViewCore> view;
};

class Play : public testing::Test, public PlayRig {};

constexpr const char* kCMajorFiles = ".\\wav\\4\\C2.wav; .\\wav\\3\\E2.wav; .\\wav\\2\\G2.wav";

TEST_F(Play, NotesOpenAndStartTogetherAsOneChordAndAgainCutOffTheFirst) {
  Show(kCMajor);
  EXPECT_EQ(PlayCalls(), "BeginChord; Open .\\wav\\4\\C2.wav; Play 1; Open .\\wav\\3\\E2.wav; "
                         "Play 2; Open .\\wav\\2\\G2.wav; Play 3; EndChord");
  EXPECT_EQ(Audible(), kCMajorFiles);
  EXPECT_EQ(PlayCalls(), "Close 1; Close 2; Close 3; BeginChord; Open .\\wav\\4\\C2.wav; Play 4; "
                         "Open .\\wav\\3\\E2.wav; Play 5; Open .\\wav\\2\\G2.wav; Play 6; EndChord");
  EXPECT_EQ(Audible(), kCMajorFiles);
  Show(kOpenE);
  PlayCalls();
  EXPECT_EQ(Audible(), ".\\wav\\6\\E4.wav; .\\wav\\5\\B4.wav; .\\wav\\4\\E3.wav; "
                       ".\\wav\\3\\G3_SRP.wav; .\\wav\\2\\B3.wav; .\\wav\\1\\E2.wav");
  Show({});
  PlayCalls();
  EXPECT_TRUE(sound.open.empty());
  EXPECT_EQ(state().m_devicesOpen, 0);
  EXPECT_TRUE(messages.texts.empty());
}

// What each kind of failure shows and what sounds on afterwards.
TEST(PlayFailure, ShowsItsTextAndWhatOpenedSoundsOn) {
  const struct {
    const char* name;
    TickSet before, chord;  // the chord played first, if any, and the one that meets the failure
    std::function<void(test::FakeSound&)> fail;
    std::string calls, audible;  // that play's calls and messages; what sounds after it
    int devicesOpen;
  } rows[] = {
      {"a seventh note, while the chord before sounds on", kCMajor, kSeven, [](auto&) {},
       "Message 6個以上の音は鳴らせません", kCMajorFiles, 1},
      {"the third file of five missing", {}, kOpenC,
       [](auto& s) { s.failOpen[".\\wav\\3\\G3.wav"] = 7; },
       "BeginChord; Open .\\wav\\5\\C3.wav; Play 1; Open .\\wav\\4\\E3.wav; Play 2; "
       "Open .\\wav\\3\\G3.wav; EndChord; Message 無い",
       ".\\wav\\5\\C3.wav; .\\wav\\4\\E3.wav", 1},
      {"a start that fails", {}, kCMajor, [](auto& s) { s.failPlay[2] = 8; },
       "BeginChord; Open .\\wav\\4\\C2.wav; Play 1; Open .\\wav\\3\\E2.wav; Play 2; EndChord; "
       "Message 鳴らない; BeginChord; Open .\\wav\\2\\G2.wav; Play 3; EndChord",
       ".\\wav\\4\\C2.wav; .\\wav\\2\\G2.wav", 1},
      {"two closes that fail", kCMajor, {}, [](auto& s) { s.failClose[1] = s.failClose[3] = 9; },
       "Close 1; Message 閉じない; Close 2; Close 3; Message 閉じない; BeginChord; EndChord",
       ".\\wav\\4\\C2.wav; .\\wav\\2\\G2.wav", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PlayRig rig;
    if (row.before.Count() > 0) rig.Show(row.before), rig.PlayCalls();
    rig.sound.texts = {{7, "無い"}, {8, "鳴らない"}, {9, "閉じない"}};
    row.fail(rig.sound);
    rig.Show(row.chord);
    EXPECT_EQ(rig.PlayCalls(), row.calls);
    EXPECT_EQ(rig.Audible(), row.audible);
    EXPECT_EQ(rig.state().m_devicesOpen, row.devicesOpen);
  }
}

TEST_F(Play, TheNextPlayAfterAFailedOpenClosesExactlyTheDevicesItOpened) {
  sound.failOpen[".\\wav\\3\\G3.wav"] = 7;
  Show(kOpenC);
  PlayCalls();
  sound.failOpen.clear();
  EXPECT_TRUE(PlayCalls().starts_with("Close 1; Close 2; BeginChord;"));
  EXPECT_EQ(sound.Audible().size(), 5u);
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
  EXPECT_EQ(Audible(), ".\\wav\\3\\E2.wav; .\\wav\\2\\G2.wav");
  EXPECT_EQ(state().m_noteCount, 6);  // the paint did rebuild the list
}

TEST_F(Play, DestroyingTheViewClosesTheDevicesOfTheLastPlayAndNoOthers) {
  Show(kCMajor);
  PlayCalls();
  view.reset();
  EXPECT_EQ(Joined(log), "Close 1; Close 2; Close 3");
  for (const TickSet& before : {TickSet{}, kSeven}) {  // no play, a refused play
    view.emplace(ViewPorts{ticks, staff, diagram, messages, sound});
    Show(before);
    PlayCalls();
    view.reset();
    EXPECT_TRUE(
        std::none_of(log.begin(), log.end(), [](auto& c) { return c.starts_with("Close"); }));
  }
}

// The error text is kept in 200 bytes: a longer one is cut with its terminator, never inside a
// character, whatever the sound layer wrote.
TEST_F(Play, ALongErrorTextIsCutToFitOnACharacterBoundary) {
  std::string japanese;
  for (int i = 0; i < 100; ++i) japanese += "音";  // 300 bytes, 3 per character
  const std::pair<std::string, std::string> rows[] = {
      {"x" + japanese.substr(0, 297) + "yz", "x" + japanese.substr(0, 198)},  // cut at 199
      {japanese, japanese.substr(0, 198)},  // byte 199 is inside a character
  };
  for (const auto& [text, kept] : rows) {
    sound.texts[7] = text;
    sound.failOpen[".\\wav\\4\\C2.wav"] = 7;
    Show(kCMajor);
    PlayCalls();
    EXPECT_EQ(messages.texts.back(), kept);
  }
}

// Stray continuation bytes at the very start of a text: the cut looks no further back than the
// text, here the first byte of a page after one that cannot be read.
TEST(ErrorText, AStrayStartIsKeptWithoutReadingBeforeIt) {
  const long page = sysconf(_SC_PAGESIZE);
  auto* pages = static_cast<char*>(
      mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(pages, page, PROT_NONE), 0);
  char* text = pages + page;
  std::memcpy(text, "\x80\xBF", 2);
  EXPECT_EQ(CompleteUtf8Prefix({text, 2}), std::string_view(text, 2));
  EXPECT_EQ(CompleteUtf8Prefix("a\xE9\x9F"), "a");
  munmap(pages, 2 * page);
}

}  // namespace
}  // namespace fretwise
