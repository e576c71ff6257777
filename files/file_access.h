// Reading and writing the files a user names, safely whatever the name points at: only regular
// files are read (a FIFO or a device would block or never end), and a write replaces only a
// regular file, atomically; a device or FIFO that is already there is written in place and kept.
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace fretwise::files {

enum class Refusal {
  kNone,        // the path is a regular file that can be opened
  kMissing,     // nothing there
  kDirectory,   // a folder
  kNotRegular,  // a FIFO, socket or device, or a link to one
  kFailed,      // it is there but cannot be opened; the reason says why
};

struct Outcome {
  Refusal refusal = Refusal::kNone;
  QString reason;  // the system's words, for kMissing and kFailed
  bool ok() const { return refusal == Refusal::kNone; }
};

// Whether path can be read as a regular file. Never waits: a FIFO is refused without opening it.
Outcome CheckRegularFile(const QString& path);

// Writes through write, which returns false when what it wrote is incomplete. "-" is standard
// output. A regular file or a new name is replaced only when write succeeds; an existing FIFO or
// device is opened and written as it is. A directory is refused (kDirectory). Any other failure
// is kFailed with the system's reason.
//
// A FIFO that no one reads yet is waited for with kWait, as a shell's redirection does, and
// refused at once with kDoNotWait (a window must not hang on it).
enum class FifoReader { kWait, kDoNotWait };
using Writer = std::function<bool(QIODevice& file)>;
Outcome WriteFile(const QString& path, const Writer& write,
                  FifoReader reader = FifoReader::kDoNotWait);

}  // namespace fretwise::files
