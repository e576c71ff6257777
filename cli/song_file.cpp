#include "cli/song_file.h"

#include <QFile>

#include "cli/user_text.h"
#include "files/file_access.h"

namespace fretwise::cli {
namespace {

QString ReasonOf(const files::Outcome& outcome) {
  switch (outcome.refusal) {
    case files::Refusal::kDirectory:
      return "Is a directory";
    case files::Refusal::kNotRegular:
      return "not a regular file";
    default:
      return outcome.reason;
  }
}

}  // namespace

std::optional<std::string> ReadSongFile(const std::string& path, std::string& error) {
  const QString name = ToQString(path);
  QString reason;
  QByteArray bytes;
  if (const files::Outcome outcome = files::CheckRegularFile(name); !outcome.ok()) {
    reason = ReasonOf(outcome);
  } else if (QFile file(name); !file.open(QIODevice::ReadOnly)) {
    reason = file.errorString();
  } else {
    // One byte more than allowed tells a file that is too large, even one that grew since.
    bytes = file.read(kLargestSong + 1);
    if (file.error() != QFileDevice::NoError) reason = file.errorString();
    if (bytes.size() > kLargestSong) reason = "larger than 1 MB";
  }
  if (!reason.isEmpty()) {
    error = "cannot read " + Quoted(path) + ": " + Utf8(reason);
    return std::nullopt;
  }
  return bytes.toStdString();
}

}  // namespace fretwise::cli
