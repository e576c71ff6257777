// The sound files a user can break, on the real window and sound layer: each play that meets one
// shows one box at once that says what is wrong (a FIFO is never read), and loses nothing; the
// next play after a repair sounds the whole chord.
#include <sys/stat.h>

#include <QFile>
#include <filesystem>

#include "app/commands.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

struct Fault {
  const char* name;
  void (*make)(const QString& file);
  const char* says;
};

// Each reason the layer gives; SDL's own words follow "を読み込めません: ".
const Fault kFaults[] = {
    {"missing", [](const QString& f) { QFile::remove(f); }, "がありません"},
    {"truncated", [](const QString& f) { QFile(f).resize(30); }, "を読み込めません: "},
    {"fifo", [](const QString& f) { QFile::remove(f), mkfifo(QFile::encodeName(f), 0600); },
     "はファイルではありません"},
    {"past64MB",  // a real header, so only the size can refuse it
     [](const QString& f) { QFile(f).resize(SdlSoundLayer::kLargestSoundFile + 1); },
     "は大きすぎます (64 MB まで)"},
};

class SoundFault : public RealSoundRig, public testing::WithParamInterface<Fault> {};

TEST_P(SoundFault, OneBoxSaysWhatIsWrongAndNothingIsLost) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  const std::string path = state().m_soundFiles[1];  // the chord's second note
  const std::string file = SoundFile(path).toStdString();
  std::filesystem::copy_file(file, file + ".good");
  GetParam().make(QString::fromStdString(file));
  const ViewState before = state();
  const QImage drawing = view().canvas();
  for (int play = 0; play < 2; ++play) {
    Click(Button(app::kPlay));
    Settle();
    EXPECT_EQ(devices_.open.size(), play ? 3u : 1u) << "the note before the fault sounds";
    if (play == 0) std::filesystem::remove_all(file), std::filesystem::rename(file + ".good", file);
  }
  ASSERT_EQ(boxes_->texts.size(), 1u);
  EXPECT_TRUE(
      boxes_->texts[0].starts_with("サウンドファイル「.\\wav\\" + path + "」" + GetParam().says))
      << boxes_->texts[0];
  EXPECT_EQ(std::tie(state().m_soundFiles, state().m_noteCount, state().m_windowIndex),
            std::tie(before.m_soundFiles, before.m_noteCount, before.m_windowIndex));
  EXPECT_EQ(view().canvas(), drawing);
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
}  // namespace fretwise::test
