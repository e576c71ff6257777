#include "app/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace fretwise::app {
namespace {

constexpr auto kGroup = "Recent File List";

QString Key(int i) { return QString("File%1").arg(i + 1); }

}  // namespace

void RecentFileList::Load() {
  QSettings settings;
  settings.beginGroup(kGroup);
  entries_.clear();
  for (int i = 0; i < size_; ++i) {
    const QString path = settings.value(Key(i)).toString();
    if (!path.isEmpty()) entries_.append(path);
  }
}

void RecentFileList::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  entries_.removeAll(absolute);
  entries_.prepend(absolute);
  while (entries_.size() > size_) entries_.removeLast();
  Save();
}

void RecentFileList::Save() const {
  QSettings settings;
  settings.beginGroup(kGroup);
  for (int i = 0; i < size_; ++i) {
    if (i < entries_.size()) {
      settings.setValue(Key(i), entries_[i]);
    } else {
      settings.remove(Key(i));
    }
  }
}

}  // namespace fretwise::app
