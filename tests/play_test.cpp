// The play command against a sound layer that logs what it is asked: which files open, in what
// order, what is shown when a command fails and what can still be heard afterwards.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "playback/error_text.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

// Panel slots of chords whose first fingering is known.
const TickSet kCMajor{16, 22, 26};             // C4 E4 G4 on strings 4, 3, 2
const TickSet kOpenC{32, 38, 42, 16, 22};      // C3 E3 G3 C4 E4 on strings 5 to 1
const TickSet kOpenE{54, 63, 38, 43, 47, 22};  // E2 B2 E3 G#3 B3 E4 on all six strings
const TickSet kSeven{54, 63, 38, 43, 47, 22, 23};

// The items joined by "; ", with the folder and the extension dropped from the sound files.
std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : "; ") + item;
  for (const std::string_view cut : {".\\wav\\", ".wav"})
    for (std::size_t at; (at = out.find(cut)) != std::string::npos;) out.erase(at, cut.size());
  return out;
}

struct PlayRig : test::ViewRig {
  void Show(const TickSet& chord) { ticks = chord, view->OnShowNotes(), log.clear(); }
  // What a press of play asked of the sound layer and the message box.
  std::string PlayCalls() { return view->OnPlay(), Joined(std::exchange(log, {})); }
  std::string Audible() const { return Joined(sound.Audible()); }
};

class Play : public testing::Test, public PlayRig {};

constexpr const char* kCMajorFiles = "4\\C2; 3\\E2; 2\\G2";

TEST_F(Play, NotesOpenAndStartTogetherAsOneChordAndAgainCutOffTheFirst) {
  Show(kCMajor);
  EXPECT_EQ(PlayCalls(),
            "BeginChord; Open 4\\C2; Play 1; Open 3\\E2; Play 2; Open 2\\G2; Play 3; EndChord");
  EXPECT_EQ(sound.Audible()[0], ".\\wav\\4\\C2.wav");
  EXPECT_EQ(PlayCalls(),
            "Close 1; Close 2; Close 3; BeginChord; Open 4\\C2; Play 4; Open 3\\E2; "
            "Play 5; Open 2\\G2; Play 6; EndChord");
  EXPECT_EQ(Audible(), kCMajorFiles);
  Show(kOpenE), PlayCalls();
  EXPECT_EQ(Audible(), "6\\E4; 5\\B4; 4\\E3; 3\\G3_SRP; 2\\B3; 1\\E2");
  Show({}), PlayCalls();
  EXPECT_EQ(std::tuple(sound.open.size(), state().m_devicesOpen, rec.texts.size()),
            std::tuple(0u, 0, 0u));
}

// What each kind of failure shows, what sounds on afterwards, and what the next play closes.
TEST(PlayFailure, ShowsItsTextAndWhatOpenedSoundsOn) {
  const struct {
    const char* name;
    TickSet before, chord;  // the chord played first, if any, and the one that meets the failure
    std::function<void(test::FakeSound&)> fail;
    std::string calls, audible, next;  // that play's calls and messages; what sounds after it;
    int devicesOpen;                   // how the next play, with no failure, starts
  } rows[] = {
      {"a seventh note, while the chord before sounds on", kCMajor, kSeven, [](auto&) {},
       "Message 6個以上の音は鳴らせません", kCMajorFiles, "Message", 1},
      {"the third of five files missing",
       {},
       kOpenC,
       [](auto& s) { s.failOpen[".\\wav\\3\\G3.wav"] = 7; },
       "BeginChord; Open 5\\C3; Play 1; Open 4\\E3; Play 2; Open 3\\G3; EndChord; Message 無い",
       "5\\C3; 4\\E3",
       "Close 1; Close 2; BeginChord",
       1},
      {"a start that fails",
       {},
       kCMajor,
       [](auto& s) { s.failPlay[2] = 8; },
       "BeginChord; Open 4\\C2; Play 1; Open 3\\E2; Play 2; EndChord; Message 鳴らない; "
       "BeginChord; Open 2\\G2; Play 3; EndChord",
       "4\\C2; 2\\G2",
       "Close 1; Close 2; Close 3; BeginChord",
       1},
      {"two closes that fail",
       kCMajor,
       {},
       [](auto& s) { s.failClose[1] = s.failClose[3] = 9; },
       "Close 1; Message 閉じない; Close 2; Close 3; Message 閉じない; BeginChord; EndChord",
       "4\\C2; 2\\G2",
       "BeginChord",
       0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PlayRig rig;
    if (row.before.Count() > 0) rig.Show(row.before), rig.PlayCalls();
    rig.sound.texts = {{7, "無い"}, {8, "鳴らない"}, {9, "閉じない"}};
    row.fail(rig.sound);
    rig.Show(row.chord);
    EXPECT_EQ((std::tuple{rig.PlayCalls(), rig.Audible(), rig.state().m_devicesOpen}),
              std::tuple(row.calls, row.audible, row.devicesOpen));
    rig.sound.failOpen.clear(), rig.sound.failPlay.clear(), rig.sound.failClose.clear();
    EXPECT_TRUE(rig.PlayCalls().starts_with(row.next));
  }
}

// A message box's loop may paint the view, and a paint rebuilds the list from the boxes ticked
// at that moment; the play goes on with the notes it took.
TEST_F(Play, APaintWhileAMessageIsUpDoesNotChangeWhatThePlayOpens) {
  sound.failPlay[1] = 8;
  rec.whileShown = [this] { ticks = kOpenE, view->OnShowNotes(); };
  Show(kCMajor), PlayCalls();
  EXPECT_EQ(Audible(), "3\\E2; 2\\G2");
  EXPECT_EQ(state().m_noteCount, 6);  // the paint did rebuild the list
}

TEST_F(Play, DestroyingTheViewClosesTheDevicesOfTheLastPlayAndNoOthers) {
  Show(kCMajor), PlayCalls(), view.reset();
  EXPECT_EQ(Joined(log), "Close 1; Close 2; Close 3");
  for (const TickSet& before : {TickSet{}, kSeven}) {  // no play, a refused play
    Make(), Show(before), PlayCalls(), view.reset();
    EXPECT_EQ(std::ranges::count_if(log, [](auto& c) { return c.starts_with("Close"); }), 0);
  }
}

// The error text is kept in 200 bytes: a longer one is cut with its terminator, never inside a
// character, whatever the sound layer wrote.
TEST_F(Play, ALongErrorTextIsCutToFitOnACharacterBoundary) {
  std::string japanese;
  for (int i = 0; i < 100; ++i) japanese += "音";  // 300 bytes, 3 per character
  sound.failOpen[".\\wav\\4\\C2.wav"] = 7;
  for (const auto& [text, kept] : {std::pair{"x" + japanese.substr(0, 297) + "yz",
                                             "x" + japanese.substr(0, 198)},  // cut at 199
                                   {japanese, japanese.substr(0, 198)}}) {    // byte 199 inside
    sound.texts[7] = text, Show(kCMajor), PlayCalls();
    EXPECT_EQ(rec.texts.back(), kept);
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
  char* text = static_cast<char*>(std::memcpy(pages + page, "\x80\xBF", 2));
  EXPECT_EQ(CompleteUtf8Prefix({text, 2}), std::string_view(text, 2));
  EXPECT_EQ(CompleteUtf8Prefix("a\xE9\x9F"), "a");
  munmap(pages, 2 * page);
}

}  // namespace
}  // namespace fretwise
