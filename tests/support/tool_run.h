// A program run to its end as a child process: fretwise-chord unless named otherwise, in the build
// folder (where the sound set lies in wav/), on SDL's dummy audio driver unless told another.
#pragma once

#include <QProcess>
#include <QString>

namespace fretwise::test {

struct ToolRun {
  int status;  // -1 when it crashed or never ended
  QByteArray out;
  QString err;
  QString Out() const { return QString::fromUtf8(out); }
};

struct RunOptions {
  QStringList environment = {};  // NAME=value
  QByteArray input = {};
  QString program = FRETWISE_CHORD;
  QString folder = FRETWISE_BUILD_DIR;
};

inline ToolRun Tool(const QStringList& arguments, const RunOptions& options = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SDL_AUDIODRIVER", "dummy");
  for (const QString& pair : options.environment)
    environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(options.folder);
  process.start(options.program, arguments);
  process.write(options.input);
  process.closeWriteChannel();
  process.waitForFinished(30000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace fretwise::test
