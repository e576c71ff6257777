// The sound faults a user can meet, on the real window and sound layer: each play that meets one
// shows one box at once that says what is wrong (a FIFO or a device is never read), and loses
// nothing; the next play after a repair sounds the whole chord.
#include <sys/stat.h>

#include <QFile>
#include <QTest>
#include <filesystem>

#include "app/commands.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

struct Fault {
  const char* name;
  void (*make)(const QString& file);  // breaks the file, or with no file the audio device
  const char* says;
};

const Fault kFaults[] = {
    {"missing", [](const QString& f) { QFile::remove(f); }, "がありません"},
    {"empty", [](const QString& f) { QFile(f).open(QIODevice::WriteOnly); }, "を読み込めません: "},
    {"fifo", [](const QString& f) { QFile::remove(f), mkfifo(QFile::encodeName(f), 0600); },
     "はファイルではありません"},
    {"linkToDevZero", [](const QString& f) { QFile::remove(f), QFile::link("/dev/zero", f); },
     "はファイルではありません"},
    {"past64MB",  // a real header, so only the size can refuse it
     [](const QString& f) { QFile(f).resize(SdlSoundLayer::kLargestSoundFile + 1); },
     "は大きすぎます (64 MB まで)"},
    {"noAudioDevice", nullptr, "オーディオデバイスを開けません: "},
};

class SoundFault : public RealSoundRig, public testing::WithParamInterface<Fault> {
 protected:
  void Play() {
    QTest::mouseClick(Button(app::kPlay), Qt::LeftButton);
    Settle();
  }
};

TEST_P(SoundFault, OneBoxSaysWhatIsWrongAndNothingIsLost) {
  Start();
  for (int slot : {16, 22, 26}) QTest::mouseClick(Box(slot), Qt::LeftButton);
  QTest::mouseClick(Button(app::kShowNotes), Qt::LeftButton);
  const std::string path = state().m_soundFiles[1];  // the chord's second note
  const QString file = SoundFile(path);
  const std::string good = file.toStdString() + ".good";
  std::filesystem::copy_file(file.toStdString(), good);
  const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
  if (GetParam().make)
    GetParam().make(file);
  else
    qputenv("SDL_AUDIODRIVER", "nosuch");
  const ViewState before = state();
  const QImage drawing = view().canvas();

  Play();
  qputenv("SDL_AUDIODRIVER", driver);
  const std::string named = GetParam().make ? "サウンドファイル「.\\wav\\" + path + "」" : "";
  ASSERT_EQ(boxes_->texts.size(), 1u);
  EXPECT_TRUE(boxes_->texts[0].starts_with(named + GetParam().says)) << boxes_->texts[0];
  EXPECT_EQ(state().m_soundFiles, before.m_soundFiles);
  EXPECT_EQ(state().m_noteCount, before.m_noteCount);
  EXPECT_EQ(state().m_windowIndex, before.m_windowIndex);
  EXPECT_EQ(view().canvas(), drawing);
  EXPECT_EQ(sound_.open.size(), GetParam().make ? 1u : 0u) << "the notes before the fault sound";

  std::filesystem::remove_all(file.toStdString());
  std::filesystem::rename(good, file.toStdString());
  Play();
  EXPECT_EQ(boxes_->texts.size(), 1u);
  EXPECT_EQ(sound_.open.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
}  // namespace fretwise::test
