// A program run to its end as a child process: fretwise-chord unless named otherwise, in the build
// folder (where the sound set lies in wav/), on SDL's dummy audio driver unless told another.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace fretwise::test {

struct ToolRun {
  int status;  // -1 when it crashed or never ended
  QByteArray out;
  QString err;
  QString Out() const { return QString::fromUtf8(out); }
};

struct RunOptions {
  QStringList environment = {"SDL_AUDIODRIVER=dummy"};  // NAME=value, over the test's own
  QByteArray input = {};
  QString program = FRETWISE_CHORD;
  QString folder = FRETWISE_BUILD_DIR;
  QString redirect = {};  // a shell's redirection of its output, such as ">/dev/full" or ">&-"
};

inline ToolRun Tool(const QStringList& arguments, const RunOptions& options = {}) {
  QProcess process;
  process.setEnvironment(QProcess::systemEnvironment() + options.environment);
  process.setWorkingDirectory(options.folder);
  if (options.redirect.isEmpty()) {
    process.start(options.program, arguments);
  } else {
    process.start(
        "/bin/sh",
        QStringList{"-c", "exec \"$0\" \"$@\" " + options.redirect, options.program} + arguments);
  }
  process.write(options.input);
  process.closeWriteChannel();
  process.waitForFinished(30000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

inline QJsonObject Json(const QByteArray& text) { return QJsonDocument::fromJson(text).object(); }

}  // namespace fretwise::test
