#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <optional>

namespace fretwise::files {
namespace {

Outcome Failed(const QString& reason) { return {Refusal::kFailed, reason}; }

Outcome FromErrno(int error) {
  return {error == ENOENT ? Refusal::kMissing : Refusal::kFailed,
          QString::fromLocal8Bit(std::strerror(error))};
}

// What stat says of path (following links), or nothing when it names nothing.
std::optional<mode_t> TypeOf(const QString& path, int* error) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
    *error = errno;
    return std::nullopt;
  }
  return status.st_mode & S_IFMT;
}

Outcome Refuse(mode_t type) {
  if (type == S_IFDIR) return {Refusal::kDirectory, {}};
  return {Refusal::kNotRegular, {}};
}

// Writes into an open file and flushes it: a full disk shows only then.
Outcome WriteOpen(QFile& file, const Writer& write) {
  if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
    return Failed(file.errorString());
  }
  return {};
}

// Opens an existing FIFO or device for writing as it is: no new file, nothing truncated.
Outcome WriteInPlace(const QString& path, mode_t type, const Writer& write, FifoReader reader) {
  const bool wait = type != S_IFIFO || reader == FifoReader::kWait;
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK));
  if (fd < 0) return Failed(QString::fromLocal8Bit(std::strerror(errno)));
  if (!wait) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);  // the reader is there
  QFile device;
  if (!device.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return Failed(device.errorString());
  }
  return WriteOpen(device, write);
}

}  // namespace

Outcome CheckRegularFile(const QString& path) {
  int error = 0;
  const auto type = TypeOf(path, &error);
  if (!type) return FromErrno(error);
  if (*type != S_IFREG) return Refuse(*type);
  // Opening tells whether it may be read; without waiting, should it have become a FIFO since.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FromErrno(errno);
  struct stat status {};
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);
  return regular ? Outcome{} : Refuse(status.st_mode & S_IFMT);
}

Outcome WriteFile(const QString& path, const Writer& write, FifoReader reader) {
  if (path == "-") {
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
      return Failed(out.errorString());
    }
    return WriteOpen(out, write);
  }
  int error = 0;
  const auto type = TypeOf(path, &error);
  if (type == S_IFDIR) return Refuse(*type);
  if (type && *type != S_IFREG) return WriteInPlace(path, *type, write, reader);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failed(file.errorString());
  if (!write(file) || !file.commit()) return Failed(file.errorString());
  return {};
}

}  // namespace fretwise::files
