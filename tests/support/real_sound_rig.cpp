#include "support/real_sound_rig.h"

#include <QDir>
#include <filesystem>

namespace fretwise::test {

void RealSoundRig::SetUp() {
  AppRig::SetUp();
  std::filesystem::copy(FRETWISE_SOUND_SET, folder_.filePath("wav").toStdString(),
                        std::filesystem::copy_options::recursive);
  startedIn_ = QDir::currentPath();
  QDir::setCurrent(folder_.path());  // the program reads .\wav\ under its working directory
}

void RealSoundRig::TearDown() {
  AppRig::TearDown();
  QDir::setCurrent(startedIn_);
}

QString RealSoundRig::SoundFile(const std::string& soundFilePath) const {
  return folder_.filePath("wav/" + QString::fromStdString(soundFilePath).replace('\\', '/'));
}

}  // namespace fretwise::test
