#include "app/fretwise_doc.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fretwise::app {

bool CFretwiseDoc::OnNewDocument() {
  m_strPathName.clear();
  return true;
}

bool CFretwiseDoc::OnOpenDocument(const QString& path, QString* error) {
  QFile file(path);
  if (QFileInfo(path).isDir()) {
    *error = "フォルダーは開けません";
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return false;
  }
  Serialize(file, false);
  return true;
}

bool CFretwiseDoc::OnSaveDocument(const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *error = file.errorString();
    return false;
  }
  Serialize(file, true);
  if (!file.commit()) {
    *error = file.errorString();
    return false;
  }
  return true;
}

void CFretwiseDoc::Serialize(QIODevice&, bool) {
  // Nothing to store and nothing to load, either way.
}

void CFretwiseDoc::SetPathName(const QString& path) {
  m_strPathName = QFileInfo(path).absoluteFilePath();
}

QString CFretwiseDoc::GetTitle() const {
  return m_strPathName.isEmpty() ? QString("無題") : QFileInfo(m_strPathName).fileName();
}

}  // namespace fretwise::app
