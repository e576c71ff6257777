#pragma once

#include <QStringList>
#include <memory>

#include "app/fretwise_doc.h"
#include "app/recent_file_list.h"
#include "app/shell_ports.h"
#include "sound/sound_layer.h"

namespace fretwise::app {

class CMainFrame;
class CFretwiseView;
class FinderWindow;

// The single-document template: one document, one main frame, one view, made once and reused by
// the new and open commands.
struct CSingleDocTemplate {
  CFretwiseDoc m_document;
  CMainFrame* m_frame = nullptr;  // owned by Qt; deletes itself with the view when closed
  CFretwiseView* m_view = nullptr;
};

// The application: start-up, the settings, and the commands the frame and view do not handle.
class CFretwiseApp {
 public:
  CFretwiseApp(SoundLayer& sound, FileDialogs& dialogs);
  ~CFretwiseApp();

  // Start-up from the command-line arguments (without the program's name). False ends the
  // program, with the reason in startupError().
  bool InitInstance(const QStringList& arguments);
  const QString& startupError() const { return startupError_; }

  void OnAppAbout();
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  // Opens the chord finder's window, made on first use, or raises it.
  void OnFindChord();
  // Routes a command from the menu, an accelerator or a button.
  void OnCommand(int command);

  CMainFrame* m_pMainWnd = nullptr;
  CFretwiseView* view() const { return m_template.m_view; }
  const CFretwiseDoc& document() const { return m_template.m_document; }
  const RecentFileList& recentFiles() const { return m_recentFiles; }
  FinderWindow* finder() const { return finder_; }

 private:
  void CreateFrameAndView();
  bool OpenDocumentFile(const QString& path);
  void AddRecentFile(const QString& path);
  void ShowDocument();

  SoundLayer& sound_;
  FileDialogs& dialogs_;
  QtMessageBox messages_;
  RecentFileList m_recentFiles{4};
  CSingleDocTemplate m_template;
  QString startupError_;
  FinderWindow* finder_ = nullptr;  // a window of the frame's, which deletes it
};

}  // namespace fretwise::app
