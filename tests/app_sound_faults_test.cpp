// The sound files a user can break, on the real window and sound layer: each play that meets one
// shows one box at once that says what is wrong (a FIFO or a device is never read), and loses
// nothing; the next play after a repair sounds the whole chord.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTest>
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
    {"empty", [](const QString& f) { QFile(f).resize(0); }, "を読み込めません: "},
    {"truncated", [](const QString& f) { QFile(f).resize(30); }, "を読み込めません: "},
    {"notWave",
     [](const QString& f) {
       QFile file(f);
       file.open(QIODevice::WriteOnly), file.write("ID3 not a wave file at all");
     },
     "を読み込めません: "},
    {"folder", [](const QString& f) { QFile::remove(f), QDir().mkdir(f); },
     "はファイルではありません"},
    {"fifo", [](const QString& f) { QFile::remove(f), mkfifo(QFile::encodeName(f), 0600); },
     "はファイルではありません"},
    {"linkToDevZero", [](const QString& f) { QFile::remove(f), QFile::link("/dev/zero", f); },
     "はファイルではありません"},
    {"past64MB",  // a real header, so only the size can refuse it
     [](const QString& f) { QFile(f).resize(SdlSoundLayer::kLargestSoundFile + 1); },
     "は大きすぎます (64 MB まで)"},
};

class SoundFault : public RealSoundRig, public testing::WithParamInterface<Fault> {
 protected:
  void Play() {
    Click(Button(app::kPlay));
    Settle();
  }
};

TEST_P(SoundFault, OneBoxSaysWhatIsWrongAndNothingIsLost) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  const std::string path = state().m_soundFiles[1];  // the chord's second note
  const QString file = SoundFile(path);
  const std::string good = file.toStdString() + ".good";
  std::filesystem::copy_file(file.toStdString(), good);
  GetParam().make(file);
  const ViewState before = state();
  const QImage drawing = view().canvas();

  Play();
  ASSERT_EQ(boxes_->texts.size(), 1u);
  EXPECT_TRUE(
      boxes_->texts[0].starts_with("サウンドファイル「.\\wav\\" + path + "」" + GetParam().says))
      << boxes_->texts[0];
  EXPECT_EQ(state().m_soundFiles, before.m_soundFiles);
  EXPECT_EQ(state().m_noteCount, before.m_noteCount);
  EXPECT_EQ(state().m_windowIndex, before.m_windowIndex);
  EXPECT_EQ(view().canvas(), drawing);
  EXPECT_EQ(devices_.open.size(), 1u) << "the note before the fault sounds";

  std::filesystem::remove_all(file.toStdString());
  std::filesystem::rename(good, file.toStdString());
  Play();
  EXPECT_EQ(boxes_->texts.size(), 1u);
  EXPECT_EQ(devices_.open.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
}  // namespace fretwise::test
