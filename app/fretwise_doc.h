#pragma once

#include <QString>

class QIODevice;

namespace fretwise::files {
struct Outcome;
}

namespace fretwise::app {

// Why a file cannot be opened or written, as every window words it.
QString RefusalReason(const files::Outcome& outcome);

// The document holds no data and is never modified: saving writes an empty file and opening
// reads nothing. It only carries the name the frame's title is built from, and whether that file
// is one it wrote: a file it only opened keeps its bytes when saved, as the document has nothing
// to put there.
class CFretwiseDoc {
 public:
  bool OnNewDocument();
  // Makes sure the file is a regular file that can be read, without waiting on a FIFO or a
  // device; on failure leaves the document as it was and gives the reason.
  bool OnOpenDocument(const QString& path, QString* error);
  // Writes the (empty) document: atomically over a regular file or a new name, so a failure
  // leaves any old file intact; in place into an existing device. The opened file itself, while
  // it is the document's, is left as it is.
  bool OnSaveDocument(const QString& path, QString* error);
  void Serialize(QIODevice& file, bool storing);

  void SetPathName(const QString& path);
  const QString& GetPathName() const { return m_strPathName; }
  QString GetTitle() const;

 private:
  QString m_strPathName;    // empty while untitled
  QString m_strOpenedPath;  // the file last opened, until the document is saved or renewed
};

}  // namespace fretwise::app
