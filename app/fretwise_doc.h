#pragma once

#include <QString>

class QIODevice;

namespace fretwise::app {

// The document holds no data and is never modified: saving writes an empty file and opening
// reads nothing. It only carries the name the frame's title is built from.
class CFretwiseDoc {
 public:
  bool OnNewDocument();
  // Opens the file for reading to make sure it is there and readable; on failure leaves the
  // document as it was and gives the reason.
  bool OnOpenDocument(const QString& path, QString* error);
  // Writes the (empty) document atomically: a failure leaves any old file intact.
  bool OnSaveDocument(const QString& path, QString* error);
  void Serialize(QIODevice& file, bool storing);

  void SetPathName(const QString& path);
  const QString& GetPathName() const { return m_strPathName; }
  QString GetTitle() const;
  bool IsModified() const { return false; }

 private:
  QString m_strPathName;  // empty while untitled
};

}  // namespace fretwise::app
