// The programs end on SIGTERM and SIGINT, before and after their first play: the audio library
// must not take the signals over. Each runs as a child process on a driver that needs no card.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

constexpr int kWaitMs = 20000;

// A child with the default handling of every signal, whatever the test runner ignores.
void Prepare(QProcess& child, const QTemporaryDir& home, const QString& audioFile) {
  child.setChildProcessModifier([] {
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
  });
  child.setWorkingDirectory(FRETWISE_BUILD_DIR);  // where the sound set lies in wav/
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_CONFIG_HOME", home.path());
  environment.insert("SDL_AUDIODRIVER", "disk");
  environment.insert("SDL_DISKAUDIOFILE", audioFile);
  child.setProcessEnvironment(environment);
}

// The signal that ended the child, or 0 when it exited by itself (or -1 when it never ends).
int EndedBy(QProcess& child) {
  if (!child.waitForFinished(kWaitMs) && child.state() != QProcess::NotRunning) {
    child.kill();
    child.waitForFinished();
    return -1;
  }
  return child.exitStatus() == QProcess::CrashExit ? child.exitCode() : 0;
}

TEST(Signals, TheWindowEndsOnSigtermBeforeAndAfterAPlay) {
  for (const char* when : {"wait", "play"}) {
    SCOPED_TRACE(when);
    QTemporaryDir home;
    QProcess window;
    Prepare(window, home, home.filePath("audio.raw"));
    window.start(WINDOW_AFTER_PLAY, {when});
    ASSERT_TRUE(window.waitForReadyRead(kWaitMs));
    EXPECT_EQ(window.readAllStandardOutput().trimmed(), "ready");
    ::kill(pid_t(window.processId()), SIGTERM);
    EXPECT_EQ(EndedBy(window), SIGTERM);
  }
}

TEST(Signals, CtrlCEndsTheToolWhileItsChordSounds) {
  QTemporaryDir home;
  const QString audioFile = home.filePath("audio.raw");
  QProcess tool;
  Prepare(tool, home, audioFile);
  tool.start(FRETWISE_CHORD, {"--play", "C4", "E4", "G4"});
  ASSERT_TRUE(tool.waitForStarted(kWaitMs));
  // The disk driver writes what it plays: once the file grows, the chord sounds.
  for (int i = 0; i < 2000 && QFileInfo(audioFile).size() == 0; ++i) QThread::msleep(5);
  ASSERT_GT(QFileInfo(audioFile).size(), 0);
  ::kill(pid_t(tool.processId()), SIGINT);
  EXPECT_EQ(EndedBy(tool), SIGINT) << "the chord would have sounded to its end";
}

}  // namespace
