// A seeded random walk of user actions on the real window and sound layer (SDL's dummy driver),
// checking after every action what a user could see go wrong. Replay a failure with
// FRETWISE_SOAK_SEED (and, to make it longer, FRETWISE_SOAK_ACTIONS).
#include <QExposeEvent>
#include <QWindow>
#include <random>

#include "app/commands.h"
#include "canvas/view_image.h"
#include "support/real_sound_rig.h"
#include "view/candidate_list.h"

namespace fretwise::test {
namespace {

using Soak = RealSoundRig;

TEST_F(Soak, ARandomWalkOfUserActionsKeepsEveryVisibleInvariant) {
  const QString drawn = QString::number(std::random_device{}());
  const unsigned seed = qEnvironmentVariable("FRETWISE_SOAK_SEED", drawn).toUInt();
  SCOPED_TRACE("replay with FRETWISE_SOAK_SEED=" + std::to_string(seed));
  std::mt19937 rng(seed);
  auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); };
  auto flush = [] {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  };
  auto ticked = [this] {
    TickSet ticks;
    for (int slot : kScanOrder)
      if (Box(slot)->isChecked()) ticks.Tick(slot);
    return ticks;
  };
  ASSERT_TRUE(Start());
  int chordSize = 3;
  const int actions = qEnvironmentVariable("FRETWISE_SOAK_ACTIONS", "20000").toInt();
  for (int i = 0; i < actions && !HasFailure(); ++i) {
    // One action: tick towards a chord of chordSize notes (sometimes seven or more, sometimes a
    // low note that retunes string 6), a button, a repaint, or New.
    const int roll = pick(100);
    bool painted = false;
    if (roll < 45) {
      if (pick(10) == 0) chordSize = pick(7) == 0 ? 7 + pick(5) : 1 + pick(6);
      int slot = std::array{48, 49, 51, 52}[pick(4)];
      const bool untick = ticked().Count() > chordSize;
      while (pick(12) && (!HasCheckBox(slot) || Box(slot)->isChecked() != untick))
        slot = pick(kSlotCount);
      if (HasCheckBox(slot)) Click(Box(slot));
    } else if (roll < 80) {
      Click(Button(
          std::array{app::kShowNotes, app::kNextCandidate, app::kClear, app::kPlay}[roll % 4]));
    } else if (roll < 97) {  // a resize, an expose or an unmap and map, now or under a box
      auto repaint = [&, kind = roll % 3] {
        const QSize size(600 + pick(500), 380 + pick(400));
        if (kind == 0) frame().resize(size == frame().size() ? size + QSize(1, 1) : size);
        if (kind == 2) frame().hide(), flush(), frame().show();
        QExposeEvent expose(QRegion(frame().rect()));
        if (kind > 0) QCoreApplication::sendEvent(frame().windowHandle(), &expose);
        flush();
      };
      if (roll < 92) repaint();
      if (roll >= 92) beforeAnswer_ = repaint, Click(Button(app::kNextCandidate));
      painted = roll < 92 || !beforeAnswer_;  // no box, no repaint
      beforeAnswer_ = nullptr;
    } else {
      app_->OnCommand(app::kFileNew), painted = true;
    }
    flush();
    SCOPED_TRACE("after action " + std::to_string(i) + ", roll " + std::to_string(roll));

    EXPECT_EQ(std::pair(std::exchange(mostBoxes_, 0) <= 1, openBoxes_), std::pair(true, 0));
    const ViewState& s = state();
    std::set<DeviceId> closedNext;  // every open device is one the next play (or the end) closes
    for (int j = 0; s.m_devicesOpen && j < s.m_openDeviceCount; ++j)
      closedNext.insert(s.m_mciOpen[j].deviceId);
    EXPECT_EQ(openDevices_, closedNext);
    if (!painted) continue;
    const TickSet ticks = ticked();
    const CandidateList engine = ListCandidates(ticks, 1);
    EXPECT_EQ(s.m_noteCount, ticks.Count());
    EXPECT_TRUE(engine.candidates.empty() ||
                std::equal(s.m_soundFiles.begin(), s.m_soundFiles.begin() + s.m_noteCount,
                           engine.candidates.front().soundFiles.begin()));
    // The staff and diagram areas on screen against a fresh paint of the engine (a pass clears
    // the diagram area only up to x 800: the numbers of high frets may stay beyond).
    QImage expected(view().canvas().size(), QImage::Format_RGB32);
    DrawView(expected, ticks, 1);
    for (QRect area : {QRect(30, 140, 60, 105), QRect(145, 160, 655, 440) & expected.rect()})
      EXPECT_TRUE(Shown(area) == expected.copy(area)) << "the screen differs from the engine's";
  }
  EXPECT_FALSE(texts_.empty());
}

}  // namespace
}  // namespace fretwise::test
