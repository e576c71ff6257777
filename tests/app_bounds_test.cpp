// What the window holds on to: a huge window gets no canvas past what the view draws, and the
// version dialog shows the main window's icon rather than a copy of its own each time.
#include <QDialog>
#include <QTimer>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Bounds = AppRig;

TEST_F(Bounds, AHugeWindowDrawsAsBeforeOnACanvasNoLargerThanTheDrawing) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  frame().resize(4000, 3000);
  Settle();
  EXPECT_EQ(view().size(), frame().centralWidget()->size());
  EXPECT_LE(view().canvas().width(), 920);
  EXPECT_LE(view().canvas().height(), 600);
  EXPECT_EQ(ScreenPixel(418, 215), 0xFF000000) << "the first candidate's mark at fret 8";
  EXPECT_EQ(ScreenPixel(3000, 2000), 0xFFFFFFFF) << "beyond the drawing";
}

TEST_F(Bounds, EveryVersionDialogShowsTheMainWindowsOwnIcon) {
  ASSERT_TRUE(Start());
  for (int i = 0; i < 3; ++i) {
    QIcon shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog) shown = dialog->windowIcon(), dialog->accept();
    });
    app_->OnCommand(app::kAppAbout);
    EXPECT_EQ(shown.cacheKey(), frame().windowIcon().cacheKey());
  }
}

}  // namespace
}  // namespace fretwise::test
