#include "app/recent_file_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>

#include "files/file_access.h"

namespace fretwise::app {
namespace {

constexpr auto kGroup = "Recent File List";

QString Key(int i) { return QString("File%1").arg(i + 1); }

// The files the settings are read from: the application's and its organisation's. QSettings
// reads them as soon as it is made, so they are looked at first.
QStringList SettingsFiles() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString organization = QCoreApplication::organizationName();
  return {folder + "/" + organization + "/" + QCoreApplication::applicationName() + ".conf",
          folder + "/" + organization + ".conf"};
}

// Settings are short lines of text. Anything else (a binary file, say) QSettings would read as
// best it can and then write over, losing what was there.
bool LooksLikeSettings(const QString& path) {
  constexpr qint64 kLargest = 1 << 20;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) return false;
  const QByteArray bytes = file.read(kLargest);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return false;
  return std::none_of(text.begin(), text.end(), [](QChar c) {
    return c.category() == QChar::Other_Control && c != '\n' && c != '\r' && c != '\t';
  });
}

QString Unreadable(const QString& path, const QString& reason) {
  return QString("設定ファイル \"%1\" を読めません: %2。最近使ったファイルの一覧は保存しません")
      .arg(path, reason);
}

// Why the settings cannot be used, or empty when they can.
QString SettingsProblem() {
  for (const QString& path : SettingsFiles()) {
    const files::Outcome outcome = files::CheckRegularFile(path);
    if (outcome.refusal == files::Refusal::kMissing) continue;
    if (outcome.ok()) {
      if (LooksLikeSettings(path)) continue;
      return Unreadable(path, "設定の書式ではありません");
    }
    return Unreadable(path, outcome.refusal == files::Refusal::kFailed
                                ? outcome.reason
                                : QString("通常のファイルではありません"));
  }
  QSettings settings;
  if (settings.status() != QSettings::NoError) {
    return Unreadable(settings.fileName(), "設定の書式ではありません");
  }
  return {};
}

}  // namespace

void RecentFileList::Load() {
  entries_.clear();
  problem_ = SettingsProblem();
  if (!problem_.isEmpty()) return;
  QSettings settings;
  settings.beginGroup(kGroup);
  for (int i = 0; i < size_; ++i) {
    const QString path = settings.value(Key(i)).toString();
    if (!path.isEmpty()) entries_.append(path);
  }
}

bool RecentFileList::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  entries_.removeAll(absolute);
  entries_.prepend(absolute);
  while (entries_.size() > size_) entries_.removeLast();
  return Save();
}

bool RecentFileList::Save() {
  if (!problem_.isEmpty()) return true;  // the user's file stays as it is
  QSettings settings;
  settings.beginGroup(kGroup);
  for (int i = 0; i < size_; ++i) {
    if (i < entries_.size()) {
      settings.setValue(Key(i), entries_[i]);
    } else {
      settings.remove(Key(i));
    }
  }
  settings.sync();
  if (settings.status() == QSettings::NoError) return true;
  problem_ = QString(
                 "設定ファイル \"%1\" に書き込めません: アクセスできません。最近使ったファイルの"
                 "一覧は保存しません")
                 .arg(settings.fileName());
  return false;
}

}  // namespace fretwise::app
