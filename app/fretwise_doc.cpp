#include "app/fretwise_doc.h"

#include <QFileInfo>

#include "files/file_access.h"

namespace fretwise::app {

QString RefusalReason(const files::Outcome& outcome) {
  switch (outcome.refusal) {
    case files::Refusal::kDirectory:
      return "フォルダーです";
    case files::Refusal::kNotRegular:
      return "通常のファイルではありません";
    default:
      return outcome.reason;
  }
}

bool CFretwiseDoc::OnNewDocument() {
  m_strPathName.clear();
  m_strOpenedPath.clear();
  return true;
}

bool CFretwiseDoc::OnOpenDocument(const QString& path, QString* error) {
  const files::Outcome outcome = files::CheckRegularFile(path);
  if (!outcome.ok()) {
    *error =
        outcome.refusal == files::Refusal::kDirectory ? "フォルダーは開けません" : RefusalReason(outcome);
    return false;
  }
  m_strOpenedPath = QFileInfo(path).absoluteFilePath();
  return true;
}

bool CFretwiseDoc::OnSaveDocument(const QString& path, QString* error) {
  const QFileInfo target(path);
  if (!m_strOpenedPath.isEmpty() && target.absoluteFilePath() == m_strOpenedPath &&
      target.exists()) {
    return true;  // nothing of the document's to put there, and the user's bytes stay
  }
  const files::Outcome outcome = files::WriteFile(path, [this](QIODevice& file) {
    Serialize(file, true);
    return true;
  });
  if (!outcome.ok()) {
    *error = RefusalReason(outcome);
    return false;
  }
  m_strOpenedPath.clear();
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
