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

  // "<document> - Fretwise", as the framework titles a frame; the view's paint replaces it.
  void UpdateFrameTitleForDocument(const QString& documentTitle);

 protected:
  bool event(QEvent* event) override;

 private:
  void PreCreateWindow();
  int OnCreate();
  void FitOuterSize();

  Router router_;
  bool outerSizeFitted_ = false;
};

}  // namespace fretwise::app
