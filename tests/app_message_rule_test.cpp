// The exhaustion message against the repaints it causes: closing a box uncovers the window, and
// every repaint runs the whole show-notes pass.
#include <QExposeEvent>
#include <QTest>
#include <QWindow>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

constexpr std::string_view kExhausted = "これ以上候補はありません";

// The lowest row's ド, ミ and ソ have no fingering: string 6 is taken by the tuned-down C.
constexpr std::initializer_list<int> kNoFingering = {48, 54, 58};

// The repaints a window system asks for.
class MessageRule : public AppRig {
 protected:
  void Expose() {
    QExposeEvent expose(QRegion(QRect(QPoint(), frame().size())));
    QCoreApplication::sendEvent(frame().windowHandle(), &expose);
    Settle();
  }
  void Resize() {
    frame().resize(frame().width() + 7, frame().height() + 5);
    Settle();
  }
  void Restore() {
    frame().showMinimized();
    Settle();
    frame().showNormal();
    Settle();
  }
};

TEST_F(MessageRule, APaintShowsTheMessageOncePerSelectionUntilTheNextCommand) {
  ASSERT_TRUE(Start());
  MessageCloser messages;
  Tick(kNoFingering);
  Click(Button(app::kShowNotes));
  Settle();
  ASSERT_EQ(messages.texts, std::vector<std::string>{std::string(kExhausted)});

  Expose();
  Resize();
  Restore();
  EXPECT_EQ(messages.texts.size(), 1u) << "the same boxes, no command since";
  EXPECT_EQ(state().m_noteCount, 3) << "the paints still ran the pass";

  Click(Box(16));  // a different selection: one message at its first paint
  Resize();
  Expose();
  EXPECT_EQ(messages.texts.size(), 2u);
  Click(Box(16));  // back to the first selection, already shown for
  Resize();
  EXPECT_EQ(messages.texts.size(), 2u);

  // Every command shows it, and so does the paint after New.
  Click(Button(app::kShowNotes));
  Settle();
  Click(Button(app::kNextCandidate));
  Settle();
  app_->OnCommand(app::kFileNew);  // as Ctrl+N routes it
  Settle();
  Expose();
  EXPECT_EQ(messages.texts.size(), 5u);
  for (const std::string& text : messages.texts) EXPECT_EQ(text, kExhausted);
}

TEST_F(MessageRule, APaintWhileAMessageIsOpenOpensNoSecondBox) {
  ASSERT_TRUE(Start());
  Tick({63, 32, 35, 38, 39, 42, 45});  // seven notes: no fingering, and play refuses them
  MessageCloser messages;
  Click(Button(app::kShowNotes));
  Settle();
  int boxesWhileOpen = -1;
  messages.whileOpen = [&] {
    Click(Box(16));  // a selection never shown for, painted while the box is up
    frame().resize(frame().width() + 3, frame().height());
    Settle();
    boxesWhileOpen = int(messages.texts.size());
  };
  Click(Button(app::kPlay));
  Settle();
  EXPECT_EQ(boxesWhileOpen, 1);
  EXPECT_EQ(messages.texts,
            (std::vector<std::string>{std::string(kExhausted), "6個以上の音は鳴らせません"}));
  EXPECT_EQ(state().m_noteCount, 8) << "the paint inside the box ran its pass";
}

}  // namespace
}  // namespace fretwise::test
