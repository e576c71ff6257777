#pragma once

#include <QStringList>

namespace fretwise::app {

// The most recently opened or saved documents, newest first, kept in the user's settings under
// the group "Recent File List" as File1, File2, ... It is never shown in the menu.
class RecentFileList {
 public:
  explicit RecentFileList(int size) : size_(size) {}
  void Load();
  // Moves path to the front (as an absolute path), drops the oldest past the size, and saves at
  // once so that nothing is lost if the program ends abruptly.
  void Add(const QString& path);
  const QStringList& entries() const { return entries_; }

 private:
  void Save() const;
  int size_;
  QStringList entries_;
};

}  // namespace fretwise::app
