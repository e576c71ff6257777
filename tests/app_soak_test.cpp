// A seeded random walk of user actions on the real window and sound layer (SDL's dummy driver),
// checking after every action what a user could see go wrong. Replay a failure with
// FRETWISE_SOAK_SEED (and, to make it longer, FRETWISE_SOAK_ACTIONS).
#include <QCheckBox>
#include <QExposeEvent>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <deque>
#include <random>

#include "app/commands.h"
#include "draw/canvas_surface.h"
#include "fingering/candidate_list.h"
#include "fingering/fretboard_drawing.h"
#include "notes/null_ports.h"
#include "staff/staff_drawing.h"
#include "staff/staff_table.h"
#include "support/real_sound_rig.h"

namespace fretwise::test {
namespace {

unsigned long EnvNumber(const char* name, unsigned long otherwise) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? otherwise : value.toULong();
}

struct Quiet final : MessageBox {
  void Show(std::string_view) override {}
};

// What a fresh paint draws for these ticks: what the screen must show after a paint.
QImage ExpectedDrawing(TickSet ticks, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  CanvasSource source(image);
  StaffDrawing staff(source);
  FretboardDrawing diagram(source);
  Quiet messages;
  NullSound sound;
  ViewCore view({ticks, staff, diagram, messages, sound});
  Surface* paint = source.GetDC();
  DrawPitchLegend(*paint);
  source.ReleaseDC(paint);
  view.OnPaintPass(false);
  return image;
}

class Soak : public RealSoundRig {
 protected:
  TickSet Ticks() {
    TickSet ticks;
    for (int slot = 0; slot < kSlotCount; ++slot)
      if (HasCheckBox(slot) && Box(slot)->isChecked()) ticks.Tick(slot);
    return ticks;
  }
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  void Press(int command) { Click(Button(command)); }
  std::string Act(bool& painted);
  std::string Toggle();
  std::string Repaint();
  std::string Play();
  void CheckInvariants(bool painted);

  std::mt19937 rng_;
  int chordSize_ = 3;
  int plays_ = 0;
};

std::string Soak::Toggle() {
  if (Chance(0.1)) chordSize_ = Chance(0.85) ? 1 + Pick(6) : 7 + Pick(5);  // sometimes 7 or more
  const int ticked = Ticks().Count();
  int slot = std::array{48, 49, 51, 52}[Pick(4)];  // the slots that retune string 6
  if (!Chance(0.08)) {
    do slot = Pick(kSlotCount);
    while (!HasCheckBox(slot) || Box(slot)->isChecked() != (ticked > chordSize_));
  }
  Click(Box(slot));
  return "toggle " + std::to_string(slot);
}

std::string Soak::Repaint() {
  const int kind = Pick(3);
  if (kind == 0) {
    const QSize size(600 + Pick(500), 380 + Pick(400));
    frame().resize(size == frame().size() ? size + QSize(1, 1) : size);
  } else {
    if (kind == 2) {  // the offscreen platform has no minimized state: unmap and map again
      frame().hide();
      Flush();
      frame().show();
    }
    QExposeEvent expose(QRegion(frame().rect()));  // what the window system sends on showing
    QCoreApplication::sendEvent(frame().windowHandle(), &expose);
  }
  Flush();
  return std::array{"resize", "expose", "restore"}[kind];
}

// Every tenth play finds one of its files corrupt or missing, restored after the play.
std::string Soak::Play() {
  const int n = state().m_noteCount;
  if (++plays_ % 10 != 0 || n == 0 || n > kMaxPlayNotes) return Press(app::kPlay), "play";
  const QString broken = SoundFile(state().m_soundFiles[Pick(n)]);
  QFile file(broken);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << broken.toStdString();
  const QByteArray bytes = file.readAll();
  file.close();
  file.open(QIODevice::WriteOnly);
  if (Chance(0.5)) file.write("RIFF\x24\0\0\0WAVE but then nothing of a WAVE");
  file.close();
  if (Chance(0.5)) file.remove();
  const std::string name =
      "play with " + broken.toStdString() + (file.exists() ? " corrupt" : " missing");
  Press(app::kPlay);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return name;
}

// One user action, named for the log; `painted` when it repaints the view.
std::string Soak::Act(bool& painted) {
  const int roll = Pick(100);
  painted = false;
  if (roll < 45) return Toggle();
  if (roll < 55) return painted = true, Repaint();
  const std::pair<int, const char*> buttons[] = {
      {app::kShowNotes, "show notes"}, {app::kNextCandidate, "next"}, {app::kClear, "clear"}};
  const auto& [command, name] = buttons[roll < 63 ? 0 : roll < 73 ? 1 : 2];
  if (roll < 78) return Press(command), name;
  if (roll < 88) return Play();
  if (roll < 94) {
    painted = roll < 92;  // New repaints the view
    app_->OnCommand(painted ? app::kFileNew : app::kAppAbout);
    return painted ? "new" : "version dialog";
  }
  boxes_->beforeAnswer = [this] { Repaint(); };  // a box whose own loop repaints the window
  Press(app::kNextCandidate);
  painted = !boxes_->beforeAnswer;
  boxes_->beforeAnswer = nullptr;
  return "next, repainted under its box";
}

void Soak::CheckInvariants(bool painted) {
  EXPECT_LE(boxes_->mostOpen, 1) << "two boxes open at once";
  EXPECT_EQ(boxes_->open, 0);
  boxes_->mostOpen = 0;
  const ViewState& s = state();
  EXPECT_TRUE(s.m_noteCount >= 0 && s.m_noteCount <= 48) << s.m_noteCount;
  EXPECT_TRUE(s.m_stepIndex >= 0 && s.m_stepIndex < 7) << s.m_stepIndex;
  EXPECT_GE(s.m_windowIndex, 0);
  EXPECT_TRUE(s.m_openDeviceCount >= 0 && s.m_openDeviceCount <= kMaxPlayNotes);
  EXPECT_TRUE(s.m_devicesOpen == 0 || s.m_devicesOpen == 1);
  std::set<DeviceId> closedNext;  // every open device is one the next play (or the end) closes
  for (int j = 0; s.m_devicesOpen && j < s.m_openDeviceCount; ++j)
    closedNext.insert(s.m_mciOpen[j].deviceId);
  EXPECT_EQ(devices_.open, closedNext);
  if (!painted) return;

  const TickSet ticks = Ticks();
  const CandidateList engine = ListCandidates(ticks, 1);
  EXPECT_EQ(s.m_noteCount, ticks.Count());
  const std::vector<std::string> files(s.m_soundFiles.begin(),
                                       s.m_soundFiles.begin() + s.m_noteCount);
  EXPECT_TRUE(engine.candidates.empty() || files == engine.candidates.front().soundFiles);
  // The staff and diagram areas as the screen shows them. A pass clears the diagram area only up
  // to x 800, so numbers of high frets may stay beyond it.
  const QImage expected = ExpectedDrawing(ticks, view().canvas().size());
  const QPoint origin = view().mapTo(&frame(), QPoint());
  for (QRect area :
       {QRect(QPoint(kStaffArea.left, kStaffArea.top),
              QPoint(kStaffArea.right - 1, kStaffArea.bottom - 1)),
        QRect(QPoint(kDiagramLeft, kDiagramTop), QPoint(kDiagramRight - 1, kDiagramBottom - 1))}) {
    area &= expected.rect();
    if (area.isEmpty()) continue;
    const QImage shown = frame()
                             .screen()
                             ->grabWindow(frame().winId(), origin.x() + area.x(),
                                          origin.y() + area.y(), area.width(), area.height())
                             .toImage();
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == expected.copy(area))
        << "the screen differs from the engine's drawing";
  }
}

TEST_F(Soak, ARandomWalkOfUserActionsKeepsEveryVisibleInvariant) {
  const unsigned long seed = EnvNumber("FRETWISE_SOAK_SEED", std::random_device{}());
  const unsigned long actions = EnvNumber("FRETWISE_SOAK_ACTIONS", 20000);
  SCOPED_TRACE("replay with FRETWISE_SOAK_SEED=" + std::to_string(seed));
  rng_.seed(seed);
  ASSERT_TRUE(Start());
  std::deque<std::string> recent;
  for (unsigned long i = 0; i < actions && !HasFailure(); ++i) {
    bool painted;
    recent.push_back(std::to_string(i) + " " + Act(painted));
    if (recent.size() > 12) recent.pop_front();
    Flush();
    CheckInvariants(painted);
  }
  std::string log;
  for (const std::string& line : recent) log += "  " + line + "\n";
  if (HasFailure()) ADD_FAILURE() << "the last actions:\n" << log;
  EXPECT_FALSE(boxes_->texts.empty());
}

}  // namespace
}  // namespace fretwise::test
