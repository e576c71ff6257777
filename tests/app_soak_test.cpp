// A seeded random walk of user actions on the real window and sound layer (SDL's dummy driver),
// checking after every action what a user could see go wrong. Replay a failure with
// FRETWISE_SOAK_SEED (and, to make it longer, FRETWISE_SOAK_ACTIONS).
#include <QExposeEvent>
#include <QScreen>
#include <QWindow>
#include <deque>
#include <random>

#include "app/commands.h"
#include "draw/view_image.h"
#include "fingering/candidate_list.h"
#include "fingering/fretboard_drawing.h"
#include "staff/staff_table.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

using Soak = RealSoundRig;

TEST_F(Soak, ARandomWalkOfUserActionsKeepsEveryVisibleInvariant) {
  const QByteArray seedText = qgetenv("FRETWISE_SOAK_SEED"),
                   count = qgetenv("FRETWISE_SOAK_ACTIONS");
  const unsigned long seed = seedText.isEmpty() ? std::random_device{}() : seedText.toULong();
  SCOPED_TRACE("replay with FRETWISE_SOAK_SEED=" + std::to_string(seed));
  std::mt19937 rng(seed);
  auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); };
  ASSERT_TRUE(Start());
  std::deque<std::string> recent;
  int chordSize = 3;
  auto ticked = [this] {
    TickSet ticks;
    for (int slot : kScanOrder)
      if (Box(slot)->isChecked()) ticks.Tick(slot);
    return ticks;
  };
  for (unsigned long i = 0, n = count.isEmpty() ? 20000 : count.toULong(); i < n && !HasFailure();
       ++i) {
    // One action: tick towards a chord of chordSize notes (sometimes seven or more, sometimes a
    // low note that retunes string 6), a button, a repaint, or New.
    const int roll = pick(100);
    bool painted = false;
    std::string action = "new";
    if (roll < 45) {
      if (pick(10) == 0) chordSize = pick(7) == 0 ? 7 + pick(5) : 1 + pick(6);
      int slot = std::array{48, 49, 51, 52}[pick(4)];
      const bool untick = ticked().Count() > chordSize;
      while (pick(12) && (!HasCheckBox(slot) || Box(slot)->isChecked() != untick))
        slot = pick(kSlotCount);
      if (HasCheckBox(slot)) Click(Box(slot));
      action = "toggle " + std::to_string(slot);
    } else if (roll < 80) {
      Click(Button(
          std::array{app::kShowNotes, app::kNextCandidate, app::kClear, app::kPlay}[roll % 4]));
      action = std::array{"show notes", "next", "clear", "play"}[roll % 4];
    } else if (roll < 97) {  // a resize, an expose or an unmap and map, now or under a box
      action = std::array{"resize", "expose", "restore"}[roll % 3] +
               std::string(roll < 92 ? "" : " under a box");
      auto repaint = [&, kind = roll % 3] {
        const QSize size(600 + pick(500), 380 + pick(400));
        if (kind == 0) frame().resize(size == frame().size() ? size + QSize(1, 1) : size);
        if (kind == 2) frame().hide(), Flush(), frame().show();
        QExposeEvent expose(QRegion(frame().rect()));
        if (kind > 0) QCoreApplication::sendEvent(frame().windowHandle(), &expose);
        Flush();
      };
      if (roll < 92) repaint();
      if (roll >= 92) boxes_->beforeAnswer = repaint, Click(Button(app::kNextCandidate));
      painted = roll < 92 || !boxes_->beforeAnswer;  // no box, no repaint
      boxes_->beforeAnswer = nullptr;
    } else {
      app_->OnCommand(app::kFileNew), painted = true;
    }
    recent.push_back(std::to_string(i) + " " + action);
    if (recent.size() > 12) recent.pop_front();
    Flush();

    EXPECT_EQ(std::pair(boxes_->mostOpen <= 1, boxes_->open), std::pair(true, 0));
    boxes_->mostOpen = 0;
    const ViewState& s = state();
    std::set<DeviceId> closedNext;  // every open device is one the next play (or the end) closes
    for (int j = 0; s.m_devicesOpen && j < s.m_openDeviceCount; ++j)
      closedNext.insert(s.m_mciOpen[j].deviceId);
    EXPECT_EQ(devices_.open, closedNext);
    if (!painted) continue;
    const TickSet ticks = ticked();
    const CandidateList engine = ListCandidates(ticks, 1);
    EXPECT_EQ(s.m_noteCount, ticks.Count());
    EXPECT_TRUE(engine.candidates.empty() ||
                std::equal(s.m_soundFiles.begin(), s.m_soundFiles.begin() + s.m_noteCount,
                           engine.candidates.front().soundFiles.begin()));
    // The staff and diagram areas as the screen shows them, against a fresh paint of the engine.
    // A pass clears the diagram area only up to x 800, so numbers of high frets may stay beyond.
    QImage expected(view().canvas().size(), QImage::Format_RGB32);
    DrawView(expected, ticks, 1);
    const QPoint origin = view().mapTo(&frame(), QPoint());
    for (QRect area : {QRect(kStaffArea.left, kStaffArea.top, kStaffArea.right - kStaffArea.left,
                             kStaffArea.bottom - kStaffArea.top),
                       QRect(kDiagramLeft, kDiagramTop, kDiagramRight - kDiagramLeft,
                             kDiagramBottom - kDiagramTop) &
                           expected.rect()}) {
      const QImage shown = frame()
                               .screen()
                               ->grabWindow(frame().winId(), origin.x() + area.x(),
                                            origin.y() + area.y(), area.width(), area.height())
                               .toImage();
      EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == expected.copy(area))
          << "the screen differs from the engine's drawing";
    }
  }
  std::string log;
  for (const std::string& line : recent) log += "  " + line + "\n";
  if (HasFailure()) ADD_FAILURE() << "the last actions:\n" << log;
  EXPECT_FALSE(boxes_->texts.empty());
}

}  // namespace
}  // namespace fretwise::test
