#include "app/fretwise_app.h"

#include <QCheckBox>
#include <QCoreApplication>

#include "app/commands.h"
#include "app/finder_window.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "app/utf8.h"
#include "app/version_dialog.h"

namespace fretwise::app {
CFretwiseApp::CFretwiseApp(SoundLayer& sound, FileDialogs& dialogs)
    : sound_(sound), dialogs_(dialogs) {}

CFretwiseApp::~CFretwiseApp() { delete m_template.m_frame; }

bool CFretwiseApp::InitInstance(const QStringList& arguments) {
  // The settings, and with them the recent-file list, live under these names.
  QCoreApplication::setOrganizationName(ToQString(kSettingsKey));
  QCoreApplication::setApplicationName(ToQString(kApplicationName));
  m_recentFiles.Load();

  if (arguments.size() > 1) {
    startupError_ = "開くファイルは一つだけ指定してください";
    return false;
  }
  if (arguments.isEmpty()) {
    OnFileNew();
  } else if (!OpenDocumentFile(arguments.front())) {
    return false;
  }

  m_pMainWnd->show();
  m_pMainWnd->repaint();
  if (!m_recentFiles.problem().isEmpty()) messages_.Show(m_recentFiles.problem().toStdString());
  return true;
}

void CFretwiseApp::CreateFrameAndView() {
  if (m_template.m_frame) return;
  auto* frame = new CMainFrame([this](int command) { OnCommand(command); });
  m_template.m_view = new CFretwiseView(frame, sound_, messages_);
  frame->setCentralWidget(m_template.m_view);
  messages_.SetParent(frame);
  m_template.m_frame = frame;
  m_pMainWnd = frame;
}

void CFretwiseApp::ShowDocument() {
  m_pMainWnd->UpdateFrameTitleForDocument(m_template.m_document.GetTitle());
  m_template.m_view->OnDocumentCommand();
  if (m_pMainWnd->isVisible()) m_template.m_view->DrawAnew();
}

void CFretwiseApp::OnFileNew() {
  CreateFrameAndView();
  m_template.m_document.OnNewDocument();
  ShowDocument();
}

bool CFretwiseApp::OpenDocumentFile(const QString& path) {
  QString reason;
  if (!m_template.m_document.OnOpenDocument(path, &reason)) {
    const QString text = QString("ファイル \"%1\" を開けません: %2").arg(path, reason);
    if (m_pMainWnd) {
      messages_.Show(text.toStdString());
    } else {
      startupError_ = text;
    }
    return false;
  }
  CreateFrameAndView();
  m_template.m_document.SetPathName(path);
  AddRecentFile(path);
  ShowDocument();
  return true;
}

void CFretwiseApp::AddRecentFile(const QString& path) {
  // At start-up the window is not shown yet; InitInstance shows the problem once it is.
  if (!m_recentFiles.Add(path) && m_pMainWnd->isVisible()) {
    messages_.Show(m_recentFiles.problem().toStdString());
  }
}

void CFretwiseApp::OnFileOpen() {
  const QString path = dialogs_.OpenFileName(m_pMainWnd);
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CFretwiseApp::OnFileSave() {
  CFretwiseDoc& document = m_template.m_document;
  QString path = document.GetPathName();
  if (path.isEmpty()) path = dialogs_.SaveFileName(m_pMainWnd);
  if (path.isEmpty()) return;
  QString reason;
  if (!document.OnSaveDocument(path, &reason)) {
    messages_.Show(QString("ファイル \"%1\" に保存できません: %2").arg(path, reason).toStdString());
    return;
  }
  document.SetPathName(path);
  AddRecentFile(path);
  m_pMainWnd->UpdateFrameTitleForDocument(document.GetTitle());
}

void CFretwiseApp::OnAppAbout() {
  CVersionInfoDlg dialog(m_pMainWnd);
  dialog.exec();
}

void CFretwiseApp::OnFindChord() {
  if (!finder_) {
    CheckBoxSlots& boxes = m_template.m_view->checkBoxes();
    finder_ = new FinderWindow(m_pMainWnd, boxes, sound_, dialogs_);
    // A player's click only: the finder's own ticks (to the panel) do not come back to it.
    for (QCheckBox* box : boxes.m_slotButtons)
      if (box) QObject::connect(box, &QCheckBox::clicked, finder_, &FinderWindow::OnPanelTick);
  }
  finder_->OpenOrRaise();
}

void CFretwiseApp::OnCommand(int command) {
  if (m_template.m_view && m_template.m_view->OnCmdMsg(command)) return;
  switch (command) {
    case kFileSave:
      OnFileSave();
      break;
    case kAppExit:
      m_pMainWnd->close();
      break;
    case kAppAbout:
      OnAppAbout();
      break;
    case kFileNew:
      OnFileNew();
      break;
    case kFileOpen:
      OnFileOpen();
      break;
    case kFindChord:
      OnFindChord();
      break;
    default:
      break;  // bound to a key, but nothing here handles it
  }
}

}  // namespace fretwise::app
