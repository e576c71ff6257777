// A seeded random walk of user actions on the real window and sound layer (SDL's dummy driver),
// the chord finder's window among them, checking after every action what a user could see go
// wrong. Replay a failure with FRETWISE_SOAK_SEED (and, to make it longer, FRETWISE_SOAK_ACTIONS).
#include <QCheckBox>
#include <QComboBox>
#include <QExposeEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QWindow>
#include <random>

#include "app/commands.h"
#include "app/finder_window.h"
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
  // The finder: opened, a symbol typed, scrolled, a box clicked or keyed, sent to the panel, its
  // settings changed, closed. Gives whether it now shows the panel's ticks.
  auto finderAction = [&](int roll, bool showsTicks) {
    app::FinderWindow* finder = app_->finder();
    if (!finder || !finder->isVisible() || roll < 3) return app_->OnFindChord(), showsTicks;
    app::BoxGrid& grid = finder->grid();
    const QRect cell = grid.CellRect(pick(std::max(1, finder->core().count())));
    if (roll < 5) {
      QTest::keyClick(finder, Qt::Key_Escape);
    } else if (roll < 9) {
      const char* texts[] = {"Am7",  "C/E", "F#m7b5",   "C9", "E5",
                             "Cxyz", "H",   "C3 E3 G3", "",   "D/F#"};
      finder->field().setText(texts[pick(10)]);
      QTest::keyClick(&finder->field(), Qt::Key_Return);
      return showsTicks && !finder->findChild<QLabel*>("reason")->text().isEmpty();
    } else if (roll < 12) {
      QTest::mouseClick(grid.viewport(), Qt::LeftButton,
                        pick(4) ? Qt::NoModifier : Qt::ControlModifier, cell.center());
    } else if (roll < 14) {
      grid.verticalScrollBar()->setValue(pick(grid.verticalScrollBar()->maximum() + 1));
    } else if (roll < 16) {
      const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Down, Qt::Key_Space, Qt::Key_End,
                              Qt::Key_PageUp};
      QTest::keyClick(&grid, keys[pick(5)]);
    } else if (roll < 17) {
      finder->findChild<QPushButton*>()->click();
      return false;
    } else {
      const char* spins[] = {"capo", "span", "strum"};
      QSpinBox* spin = finder->findChild<QSpinBox*>(spins[pick(3)]);
      spin->setValue(spin->minimum() + pick(spin->maximum() - spin->minimum() + 1));
      if (pick(3) == 0) finder->findChild<QCheckBox*>("leftHanded")->toggle();
      auto* preset = finder->findChild<QComboBox*>("preset");
      if (pick(3) == 0) preset->setCurrentIndex(pick(preset->count()));
    }
    return showsTicks;
  };
  ASSERT_TRUE(Start());
  bool finderShowsTicks = false;  // since a tick with the finder open, and nothing else shown
  int tickedVoicings = 0;         // voicings checked against the ticks
  int chordSize = 3;
  const int actions = qEnvironmentVariable("FRETWISE_SOAK_ACTIONS", "20000").toInt();
  for (int i = 0; i < actions && !HasFailure(); ++i) {
    // One action: tick towards a chord of chordSize notes (sometimes seven or more, sometimes a
    // low note that retunes string 6), a button, a repaint, or New.
    const int roll = pick(120);
    const std::size_t boxesBefore = texts_.size();
    bool painted = false;
    if (roll >= 100) {
      finderShowsTicks = finderAction(roll - 100, finderShowsTicks);
    } else if (roll < 45) {
      if (pick(10) == 0) chordSize = pick(7) == 0 ? 7 + pick(5) : 1 + pick(6);
      int slot = std::array{48, 49, 51, 52}[pick(4)];
      const bool untick = ticked().Count() > chordSize;
      while (pick(12) && (!HasCheckBox(slot) || Box(slot)->isChecked() != untick))
        slot = pick(kSlotCount);
      if (HasCheckBox(slot)) {
        Click(Box(slot));
        finderShowsTicks = app_->finder() && app_->finder()->isVisible();
      }
    } else if (roll < 80) {
      Click(Button(
          std::array{app::kShowNotes, app::kNextCandidate, app::kClear, app::kPlay}[roll % 4]));
      if (roll % 4 == 2) finderShowsTicks = false;
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
    if (app_->finder()) {
      const finder::FinderCore& core = app_->finder()->core();
      closedNext.insert(core.player().devices().begin(), core.player().devices().end());
      EXPECT_EQ(app_->finder()->windowTitle().toStdString(), core.Title());
      EXPECT_TRUE(core.names().empty() || core.Title().starts_with(core.names().front() + " - "));
      if (roll >= 100) {
        EXPECT_EQ(texts_.size(), boxesBefore) << "the finder shows no message box";
      }
      if (finderShowsTicks) {  // exactly the ticked notes, on every voicing looked at
        std::set<int> ticks;
        for (int slot : kScanOrder)
          if (Box(slot)->isChecked()) ticks.insert(kLowestMidi + TokenCode(kSlots[slot].token));
        for (int v = 0; v < std::min(core.count(), 3); ++v) {
          std::set<int> sounding;
          for (int midi : core.PitchesAt(v))
            if (midi >= 0) sounding.insert(midi);
          EXPECT_EQ(sounding, ticks) << "voicing " << v;
          ++tickedVoicings;
        }
      }
    }
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
  EXPECT_GT(tickedVoicings, 0);
}

}  // namespace
}  // namespace fretwise::test
