// The exhaustion message against the repaints it causes in the window: closing a box uncovers the
// window, and every repaint runs the whole show-notes pass.
#include <QExposeEvent>
#include <QWindow>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

class MessageRule : public AppRig {
 protected:
  void ExposeAndResize(int grow = 7) {
    QExposeEvent expose(QRegion(QRect(QPoint(), frame().size())));
    QCoreApplication::sendEvent(frame().windowHandle(), &expose);
    frame().resize(frame().width() + grow, frame().height() + 5);
    Settle();
  }
};

TEST_F(MessageRule, RepaintsShowItOncePerSelectionAndNeverUnderAnOpenBox) {
  ASSERT_TRUE(Start());
  Tick({48, 54, 58});  // the lowest row's ド ミ ソ: string 6 is taken by the tuned-down C
  Click(Button(app::kShowNotes));
  Settle();
  ASSERT_EQ(boxes_->texts, std::vector<std::string>{"これ以上候補はありません"});
  ExposeAndResize();
  frame().showMinimized();
  Settle();
  frame().showNormal();
  Settle();
  EXPECT_EQ(boxes_->texts.size(), 1u) << "the same boxes, no command since";
  EXPECT_EQ(state().m_noteCount, 3) << "the paints still ran the pass";
  Click(Box(16));  // a different selection: one message at its first paint
  ExposeAndResize();
  EXPECT_EQ(boxes_->texts.size(), 2u);
  app_->OnCommand(app::kFileNew);  // as Ctrl+N routes it: the paint after it shows it again
  ExposeAndResize();
  EXPECT_EQ(boxes_->texts.size(), 3u);

  Tick({63, 32, 35, 38, 39, 42, 45});  // seven more: no fingering, and play refuses them
  Click(Button(app::kShowNotes));
  Settle();
  boxes_->beforeAnswer = [&] {
    Click(Box(16));  // a selection never shown for, painted while the box is up
    ExposeAndResize(3);
  };
  Click(Button(app::kPlay));
  Settle();
  EXPECT_EQ(boxes_->texts.size(), 5u);
  EXPECT_EQ(boxes_->texts.back(), "6個以上の音は鳴らせません");
  EXPECT_EQ(boxes_->mostOpen, 1);
  EXPECT_EQ(state().m_noteCount, 10) << "the paint inside the box ran its pass";
}

}  // namespace
}  // namespace fretwise::test
