#include "app/main_frame.h"

#include <QEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QWindow>

#include "app/commands.h"
#include "app/utf8.h"

namespace fretwise::app {
namespace {

constexpr int kOuterWidth = 800;
constexpr int kOuterHeight = 480;

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon(":/fretwise/icon-32.png");
  icon.addFile(":/fretwise/icon-16.png");
  return icon;
}

CMainFrame::CMainFrame(Router router) : router_(std::move(router)) {
  PreCreateWindow();
  OnCreate();
}

void CMainFrame::PreCreateWindow() {
  // The size is the outer one, frame included; FitOuterSize takes the frame off once the window
  // system has told us how wide it is.
  resize(kOuterWidth, kOuterHeight);
  setWindowIcon(ApplicationIcon());
}

int CMainFrame::OnCreate() {
  QMenu* menu = nullptr;
  std::string_view current;
  for (const MenuItem& item : kMenu) {
    if (!menu || item.menu != current) menu = menuBar()->addMenu(ToQString(item.menu));
    current = item.menu;
    const int command = item.command;
    menu->addAction(ToQString(item.item), this, [this, command] { router_(command); });
  }
  for (const Accelerator& accelerator : kAccelerators) {
    const int command = accelerator.command;
    auto* shortcut = new QShortcut(QKeySequence(accelerator.keys), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, command] { router_(command); });
  }
  return 0;
}

void CMainFrame::UpdateFrameTitleForDocument(const QString& documentTitle) {
  setWindowTitle(documentTitle + " - " + ToQString(kApplicationName));
}

bool CMainFrame::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (!outerSizeFitted_ && (event->type() == QEvent::Show || event->type() == QEvent::Move ||
                            event->type() == QEvent::Resize)) {
    FitOuterSize();
  }
  return handled;
}

void CMainFrame::FitOuterSize() {
  if (!windowHandle() || !isVisible()) return;
  const QMargins frame = windowHandle()->frameMargins();
  if (frame.isNull()) return;  // not known yet, or no window manager
  outerSizeFitted_ = true;
  resize(kOuterWidth - frame.left() - frame.right(), kOuterHeight - frame.top() - frame.bottom());
}

}  // namespace fretwise::app
