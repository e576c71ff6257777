#pragma once

#include <QMainWindow>
#include <functional>

namespace fretwise::app {

// Icon 128 in both of its sizes, for the main window and the version dialog.
QIcon ApplicationIcon();

// The main window: 800 x 480 with its frame, the menu and the accelerators, no status bar and no
// toolbar. Every command from the menu or a key goes to the router, keyed by command ID.
class CMainFrame final : public QMainWindow {
 public:
  using Router = std::function<void(int command)>;

  explicit CMainFrame(Router router);

  // "<document> - Fretwise" until the view's next paint sets its own title.
  void UpdateFrameTitleForDocument(const QString& documentTitle);

 protected:
  bool event(QEvent* event) override;

 private:
  void PreCreateWindow();
  // Adds the menu and the keys. Always 0: the window's creation status, kept in the shape the
  // frame's creation step has, though here nothing can fail and nothing reads it.
  int OnCreate();
  void FitOuterSize();

  Router router_;
  bool outerSizeFitted_ = false;
};

}  // namespace fretwise::app
