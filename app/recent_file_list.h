#pragma once

#include <QStringList>

namespace fretwise::app {

// The most recently opened or saved documents, newest first, kept in the user's settings under
// the group "Recent File List" as File1, File2, ... It is never shown in the menu.
class RecentFileList {
 public:
  explicit RecentFileList(int size) : size_(size) {}
  // Reads the list; when the settings file is not a readable regular file in the settings'
  // format, starts empty and keeps the list in memory only, leaving that file as it is.
  void Load();
  // Moves path to the front (as an absolute path), drops the oldest past the size, and saves at
  // once so that nothing is lost if the program ends abruptly. False when that save failed: from
  // then on the list is kept in memory only, and problem() says why.
  bool Add(const QString& path);
  const QStringList& entries() const { return entries_; }
  // Why the settings could not be read or written, for the user; empty while they can.
  const QString& problem() const { return problem_; }

 private:
  bool Save();
  int size_;
  QStringList entries_;
  QString problem_;
};

}  // namespace fretwise::app
