// The play command against a sound layer that logs what it is asked and what can still be heard.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "sound/error_text.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

const TickSet kCMajor{16, 22, 26};             // C4 E4 G4 on strings 4, 3, 2
const TickSet kOpenC{32, 38, 42, 16, 22};      // C3 E3 G3 C4 E4 on strings 5 to 1
const TickSet kOpenE{54, 63, 38, 43, 47, 22};  // E2 B2 E3 G#3 B3 E4 on all six strings
const TickSet kSeven{54, 63, 38, 43, 47, 22, 23}, kNone;

// The items joined, with the folder and the extension dropped from the sound files.
std::string Joined(const std::vector<std::string>& items) {
  return test::Joined(items, {".\\wav\\", ".wav"});
}

struct PlayRig : test::ViewRig {
  void Show(const TickSet& chord) { ticks = chord, view->OnShowNotes(), log.clear(); }
  // What a press of play asked of the sound layer and the message box.
  std::string PlayCalls() { return view->OnPlay(), Joined(std::exchange(log, {})); }
  std::string Audible() const { return Joined(sound.Audible()); }
};

class Play : public testing::Test, public PlayRig {};

// The notes open and start together as one chord, each failure shows its text; what sounds on
// afterwards, and what the next play closes and how it starts again.
TEST(PlayPress, OpensTheChordOrShowsWhyNot) {
  const struct {
    const char* name;
    TickSet before, chord;  // the chord played first, if any, and the one that meets the failure
    const char *missing, *badCloses;  // a file that fails to open (7), devices failing to close (9)
    DeviceId badStart;                // a device that fails to start (8)
    std::string calls, audible, next;  // that play's calls and messages; what sounds after it;
    int devicesOpen;                   // how the next play, with no failure, starts
  } rows[] = {
      {"a seventh note, while the six before sound on", kOpenE, kSeven, "", "", 0,
       "Message 6個以上の音は鳴らせません", "6\\E4; 5\\B4; 4\\E3; 3\\G3_SRP; 2\\B3; 1\\E2",
       "Message", 1},
      {"the third of five files missing", kNone, kOpenC, ".\\wav\\3\\G3.wav", "", 0,
       "BeginChord; Open 5\\C3; Play 1; Open 4\\E3; Play 2; Open 3\\G3; EndChord; Message 無い",
       "5\\C3; 4\\E3", "Close 1; Close 2; BeginChord; Open 5\\C3; Play 3", 1},
      {"a start that fails", kNone, kCMajor, "", "", 2,
       "BeginChord; Open 4\\C2; Play 1; Open 3\\E2; Play 2; EndChord; Message 鳴らない; "
       "BeginChord; Open 2\\G2; Play 3; EndChord",
       "4\\C2; 2\\G2", "Close 1; Close 2; Close 3; BeginChord", 1},
      {"two closes that fail", kCMajor, kNone, "", "13", 0,
       "Close 1; Message 閉じない; Close 2; Close 3; Message 閉じない; BeginChord; EndChord",
       "4\\C2; 2\\G2", "BeginChord", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PlayRig rig;
    if (row.before.Count() > 0) rig.Show(row.before), rig.PlayCalls();
    rig.sound.texts = {{7, "無い"}, {8, "鳴らない"}, {9, "閉じない"}};
    rig.sound.failOpen[row.missing] = 7, rig.sound.failPlay[row.badStart] = 8;
    for (const char* d = row.badCloses; *d; ++d) rig.sound.failClose[*d - '0'] = 9;
    rig.Show(row.chord);
    EXPECT_EQ((std::tuple{rig.PlayCalls(), rig.Audible(), rig.state().m_devicesOpen}),
              std::tuple(row.calls, row.audible, row.devicesOpen));
    rig.sound.failOpen.clear(), rig.sound.failPlay.clear(), rig.sound.failClose.clear();
    EXPECT_TRUE(rig.PlayCalls().starts_with(row.next));
  }
}

// An error text is kept in 200 bytes with its terminator, cut before a character that won't fit.
TEST_F(Play, AnErrorTextIsCutOnACharacterToFitTwoHundredBytes) {
  std::string wide;
  for (int i = 0; i < 100; ++i) wide += "音";  // 300 bytes, 3 per character
  sound.failOpen[".\\wav\\4\\C2.wav"] = 7, Show(kCMajor);
  sound.texts[7] = "x" + wide.substr(0, 297) + "yz", PlayCalls();  // cut at 199
  sound.texts[7] = "xy" + wide, PlayCalls();  // byte 199 inside, and one more would fit 200
  EXPECT_EQ(rec.texts, (std::vector{"x" + wide.substr(0, 198), "xy" + wide.substr(0, 195)}));
}

// A paint in a message box's loop rebuilds the list; the play goes on with the notes it took.
TEST_F(Play, APaintUnderItsMessageLeavesThePlayItsNotes) {
  sound.failPlay[1] = 8, Show(kCMajor);
  rec.whileShown = [this] { ticks = kOpenE, view->OnShowNotes(); };
  PlayCalls();
  EXPECT_EQ(std::pair(Audible(), state().m_noteCount), std::pair(std::string("3\\E2; 2\\G2"), 6));
}

// Destroying the view closes the devices of the last play, one that failed to start too.
TEST_F(Play, DestroyingTheViewClosesTheLastPlaysDevices) {
  sound.failPlay[1] = 8, Show(kCMajor), PlayCalls(), view.reset();
  EXPECT_EQ(Joined(log), "Close 1; Close 2; Close 3");
}

// Stray continuation bytes at the very start of a text: the cut looks no further back than the
// text, here the first byte of a page after one that cannot be read.
TEST(ErrorText, AStrayStartIsKeptWithoutReadingBeforeIt) {
  const long page = sysconf(_SC_PAGESIZE);
  auto* pages = static_cast<char*>(
      mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_TRUE(pages != MAP_FAILED && mprotect(pages, page, PROT_NONE) == 0);
  char* text = pages + page;
  text[0] = '\x80', text[1] = '\xBF';
  EXPECT_EQ(CompleteUtf8Prefix({text, 2}), std::string_view(text, 2));
  EXPECT_EQ(CompleteUtf8Prefix("a\xE9\x9F"), "a");
  munmap(pages, 2 * page);
}

}  // namespace
}  // namespace fretwise
