// The window ends on SIGTERM after a play and the tool on Ctrl+C while its chord sounds: the audio
// library must not take the signals over. Each runs as a child process on SDL's disk driver, which
// shows that it sounds by writing what it plays to a file.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

TEST(Signals, EndTheWindowAfterAPlayAndTheToolWhileItsChordSounds) {
  const std::pair<QStringList, int> rows[] = {
      {{WINDOW_AFTER_PLAY}, SIGTERM}, {{FRETWISE_CHORD, "--play", "C4", "E4", "G4"}, SIGINT}};
  for (const auto& [command, ending] : rows) {
    SCOPED_TRACE(command.first().toStdString());
    QTemporaryDir home;
    const QString audio = home.filePath("audio.raw");
    QProcess child;
    // Whatever the test runner ignores, the child takes as a user's program would.
    child.setChildProcessModifier([] { signal(SIGINT, SIG_DFL), signal(SIGTERM, SIG_DFL); });
    child.setWorkingDirectory(FRETWISE_BUILD_DIR);  // where the sound set lies in wav/
    child.setEnvironment(QProcess::systemEnvironment()
                         << "QT_QPA_PLATFORM=offscreen"
                         << "XDG_CONFIG_HOME=" + home.path() << "SDL_AUDIODRIVER=disk"
                         << "SDL_DISKAUDIOFILE=" + audio);
    child.start(command.first(), command.mid(1));
    for (int i = 0; i < 2000 && QFileInfo(audio).size() == 0; ++i) QThread::msleep(5);
    ASSERT_GT(QFileInfo(audio).size(), 0) << "it sounds";
    ::kill(pid_t(child.processId()), ending);
    if (!child.waitForFinished(20000)) child.kill(), child.waitForFinished();
    EXPECT_EQ(std::pair(child.exitStatus(), child.exitCode()),
              std::pair(QProcess::CrashExit, ending))
        << "it would have run on, or sounded its chord to the end";
  }
}

}  // namespace
