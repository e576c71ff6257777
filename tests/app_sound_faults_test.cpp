// The sound files a user can break, on the real window and sound layer: each play that meets one
// shows one box at once that says what is wrong (a FIFO is never read), and loses nothing; the
// next play after a repair sounds the whole chord.
#include <sys/stat.h>

#include <QFile>

#include "app/commands.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

struct Fault {
  const char* name;
  void (*make)(const QString& file);
  const char* says;  // after the file's name; SDL's own words follow "を読み込めません: "
};

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
  for (int slot : {16, 22, 26}) Click(Box(slot));
  Click(Button(app::kShowNotes));
  const std::string path = state().m_soundFiles[1];  // the chord's second note
  const QString file = "wav/" + QString::fromStdString(path).replace('\\', '/');
  ASSERT_TRUE(QFile::copy(file, file + ".good"));
  GetParam().make(file);
  const ViewState before = state();
  const QImage drawing = view().canvas();
  Click(Button(app::kPlay)), Settle();
  EXPECT_EQ(openDevices_.size(), 1u) << "the note before the fault sounds";
  QFile::remove(file);
  ASSERT_TRUE(QFile::rename(file + ".good", file));
  Click(Button(app::kPlay)), Settle();
  EXPECT_EQ(openDevices_.size(), 3u) << "the whole chord once the file is repaired";
  const std::string says = "サウンドファイル「.\\wav\\" + path + "」" + GetParam().says;
  EXPECT_TRUE(texts_.size() == 1 && texts_[0].starts_with(says)) << testing::PrintToString(texts_);
  EXPECT_EQ(std::tie(state().m_soundFiles, state().m_noteCount, state().m_windowIndex),
            std::tie(before.m_soundFiles, before.m_noteCount, before.m_windowIndex));
  EXPECT_EQ(view().canvas(), drawing);
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
}  // namespace fretwise::test
