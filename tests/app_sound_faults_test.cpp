// The sound faults a user can meet, on the real window and sound layer: each play that meets one
// shows one box at once that says what is wrong (a FIFO or a device is never read), and loses
// nothing: the notes, the drawing and the devices opened before it stay, and the next play after
// a repair sounds the whole chord.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <filesystem>

#include "app/commands.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

struct Fault {
  const char* name;
  void (*make)(const QString& file);
  const char* says;  // after the quoted name of the file
};

void Write(const QString& file, const QByteArray& bytes) {
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(bytes);
}

QByteArray Read(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

const Fault kFaults[] = {
    {"missing", [](const QString& f) { QFile::remove(f); }, "がありません"},
    {"empty", [](const QString& f) { Write(f, {}); }, "を読み込めません: "},
    {"truncated", [](const QString& f) { Write(f, Read(f).left(30)); }, "を読み込めません: "},
    {"notWav", [](const QString& f) { Write(f, "OggS and no WAVE in it at all"); },
     "を読み込めません: "},
    {"folder",
     [](const QString& f) {
       QFile::remove(f);
       QDir().mkdir(f);
     },
     "はファイルではありません"},
    {"fifo",
     [](const QString& f) {
       QFile::remove(f);
       ASSERT_EQ(mkfifo(f.toLocal8Bit().constData(), 0600), 0);
     },
     "はファイルではありません"},
    {"linkToDevZero",
     [](const QString& f) {
       QFile::remove(f);
       QFile::link("/dev/zero", f);
     },
     "はファイルではありません"},
    {"past64MB",  // a real header, so only the size can refuse it
     [](const QString& f) { QFile(f).resize(SdlSoundLayer::kLargestSoundFile + 1); },
     "は大きすぎます (64 MB まで)"},
};

// Names the row in test listings, rather than its bytes.
void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

class SoundFault : public RealSoundRig, public testing::WithParamInterface<Fault> {
 protected:
  void ShowChord() {
    Start();
    for (int slot : {16, 22, 26}) QTest::mouseClick(Box(slot), Qt::LeftButton);
    QTest::mouseClick(Button(app::kShowNotes), Qt::LeftButton);
  }
  void Play() {
    QTest::mouseClick(Button(app::kPlay), Qt::LeftButton);
    Settle();
  }
};

TEST_P(SoundFault, OneBoxNamesTheFileAndNothingIsLost) {
  ShowChord();
  const std::string path = state().m_soundFiles[1];  // the chord's second note
  const QString file = SoundFile(path);
  const QByteArray good = Read(file);
  GetParam().make(file);
  const ViewState before = state();
  const QImage drawing = view().canvas();

  Play();
  ASSERT_EQ(boxes_->texts.size(), 1u);
  EXPECT_TRUE(
      boxes_->texts[0].starts_with("サウンドファイル「.\\wav\\" + path + "」" + GetParam().says))
      << boxes_->texts[0];
  EXPECT_EQ(state().m_noteCount, before.m_noteCount);
  EXPECT_EQ(state().m_soundFiles, before.m_soundFiles);
  EXPECT_EQ(state().m_windowIndex, before.m_windowIndex);
  EXPECT_EQ(view().canvas(), drawing);
  EXPECT_EQ(sound_.open.size(), 1u) << "the first note sounds on";

  fs::remove_all(file.toStdString());
  Write(file, good);
  Play();
  EXPECT_EQ(boxes_->texts.size(), 1u);
  EXPECT_EQ(sound_.open.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Files, SoundFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return info.param.name; });

TEST_F(SoundFault, NoAudioDeviceIsOneBoxAndTheNextPlayTriesAgain) {
  const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
  ShowChord();
  qputenv("SDL_AUDIODRIVER", "nosuch");
  Play();
  qputenv("SDL_AUDIODRIVER", driver);
  ASSERT_EQ(boxes_->texts.size(), 1u);
  EXPECT_TRUE(boxes_->texts[0].starts_with("オーディオデバイスを開けません: ")) << boxes_->texts[0];
  EXPECT_TRUE(sound_.open.empty());
  EXPECT_EQ(state().m_noteCount, 3);

  Play();
  EXPECT_EQ(boxes_->texts.size(), 1u);
  EXPECT_EQ(sound_.open.size(), 3u);
}

}  // namespace
}  // namespace fretwise::test
