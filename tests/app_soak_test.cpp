// A seeded random walk of user actions on the real window, with the real sound layer on SDL's
// dummy driver, checking after every action what a user could see go wrong. Replay a failure
// with FRETWISE_SOAK_SEED (and, to make it longer, FRETWISE_SOAK_ACTIONS).
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

constexpr int kLeastActions = 20000;
constexpr std::array<int, 4> kRetuningSlots = {48, 49, 51, 52};

unsigned long EnvNumber(const char* name, unsigned long otherwise) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? otherwise : value.toULong();
}

class Quiet final : public MessageBox {
 public:
  void Show(std::string_view) override {}
};

// What a fresh paint draws for these ticks: the drawing the window must show after a paint.
QImage ExpectedDrawing(const TickSet& ticks, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  CanvasSource source(image);
  StaffDrawing staff(source);
  FretboardDrawing diagram(source);
  TickSet boxes = ticks;
  Quiet messages;
  NullSound sound;
  ViewCore view({boxes, staff, diagram, messages, sound});
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
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (HasCheckBox(slot) && Box(slot)->isChecked()) ticks.Tick(slot);
    }
    return ticks;
  }
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  // One user action, named for the log; true when it repaints the view.
  bool Act(std::string& name);
  void ToggleTowardsChord(std::string& name);
  void Repaint(std::string& name);
  void Play(std::string& name);
  void CheckInvariants(bool painted);

  std::mt19937 rng_;
  int chordSize_ = 3;
  int plays_ = 0;
};

void Soak::ToggleTowardsChord(std::string& name) {
  if (Chance(0.1)) {  // a new chord: mostly one to six notes, sometimes seven or more
    chordSize_ = Chance(0.85) ? 1 + Pick(6) : 7 + Pick(5);
  }
  int slot;
  const int ticked = Ticks().Count();
  if (Chance(0.08)) {
    slot = kRetuningSlots[Pick(4)];
  } else {
    do slot = Pick(kSlotCount);
    while (!HasCheckBox(slot) || Box(slot)->isChecked() != (ticked > chordSize_));
  }
  name = "toggle " + std::to_string(slot);
  QTest::mouseClick(Box(slot), Qt::LeftButton);
}

void Soak::Repaint(std::string& name) {
  switch (Pick(3)) {
    case 0: {
      const QSize size(600 + Pick(500), 380 + Pick(400));
      name = "resize";
      frame().resize(size == frame().size() ? size + QSize(1, 1) : size);
      break;
    }
    case 1:
      name = "expose";
      break;
    default:
      name = "restore";  // the offscreen platform has no minimized state: unmap and map again
      frame().hide();
      Settle();
      frame().show();
  }
  if (name != "resize") {  // what the window system sends when the window shows again
    QExposeEvent expose(QRegion(frame().rect()));
    QCoreApplication::sendEvent(frame().windowHandle(), &expose);
  }
  Settle();
}

void Soak::Play(std::string& name) {
  name = "play";
  const int n = state().m_noteCount;
  QString broken;
  QByteArray bytes;
  if (++plays_ % 10 == 0 && n > 0 && n <= kMaxPlayNotes) {
    broken = SoundFile(state().m_soundFiles[Pick(n)]);
    QFile file(broken);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << broken.toStdString();
    bytes = file.readAll();
    file.close();
    file.open(QIODevice::WriteOnly);
    if (Chance(0.5)) file.write("RIFF\x24\0\0\0WAVE but then nothing of a WAVE");
    file.close();
    if (Chance(0.5)) file.remove();
    name += " with " + broken.toStdString() + (file.exists() ? " corrupt" : " missing");
  }
  QTest::mouseClick(Button(app::kPlay), Qt::LeftButton);
  if (broken.isEmpty()) return;
  QFile file(broken);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
}

bool Soak::Act(std::string& name) {
  const auto press = [&](int command, const char* what) {
    name = what;
    QTest::mouseClick(Button(command), Qt::LeftButton);
    return false;
  };
  const int roll = Pick(100);
  if (roll < 45) {
    ToggleTowardsChord(name);
    return false;
  }
  if (roll < 55) {
    Repaint(name);
    return true;
  }
  if (roll < 63) return press(app::kShowNotes, "show notes");
  if (roll < 73) return press(app::kNextCandidate, "next");
  if (roll < 78) return press(app::kClear, "clear");
  if (roll < 88) {
    Play(name);
    return false;
  }
  if (roll < 94) {
    const bool isNew = roll < 92;
    name = isNew ? "new" : "version dialog";
    app_->OnCommand(isNew ? app::kFileNew : app::kAppAbout);
    return isNew;  // New repaints the view
  }
  // A box whose own loop repaints the window before it is answered.
  name = "next, repainted under its box";
  boxes_->beforeAnswer = [this] {
    std::string ignored;
    Repaint(ignored);
  };
  QTest::mouseClick(Button(app::kNextCandidate), Qt::LeftButton);
  const bool answered = !boxes_->beforeAnswer;
  boxes_->beforeAnswer = nullptr;
  return answered;
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
  // Every open device is one that the next play (or the window's end) closes.
  std::set<DeviceId> closedNext;
  for (int j = 0; s.m_devicesOpen && j < s.m_openDeviceCount; ++j)
    closedNext.insert(s.m_mciOpen[j].deviceId);
  EXPECT_EQ(sound_.open, closedNext);
  if (!painted) return;

  const TickSet ticks = Ticks();
  const CandidateList engine = ListCandidates(ticks, 1);
  EXPECT_EQ(s.m_noteCount, ticks.Count());
  if (!engine.candidates.empty()) {
    const std::vector<std::string> paths(s.m_soundFiles.begin(),
                                         s.m_soundFiles.begin() + s.m_noteCount);
    EXPECT_EQ(paths, engine.candidates.front().soundFiles);
  }
  // The staff and the diagram areas as the screen shows them (the controls stand elsewhere). A
  // pass clears the diagram area only up to x 800, so numbers of high frets may stay beyond it.
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
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shown == expected.copy(area)) << "the screen differs from the engine's drawing";
  }
}

TEST_F(Soak, ARandomWalkOfUserActionsKeepsEveryVisibleInvariant) {
  const unsigned long seed = EnvNumber("FRETWISE_SOAK_SEED", std::random_device{}());
  const unsigned long actions = EnvNumber("FRETWISE_SOAK_ACTIONS", kLeastActions);
  SCOPED_TRACE("replay with FRETWISE_SOAK_SEED=" + std::to_string(seed));
  rng_.seed(seed);
  Start();
  std::deque<std::string> recent;
  for (unsigned long i = 0; i < actions && !HasFailure(); ++i) {
    std::string name;
    const bool painted = Act(name);
    Settle();
    recent.push_back(std::to_string(i) + " " + name);
    if (recent.size() > 12) recent.pop_front();
    CheckInvariants(painted);
  }
  if (HasFailure()) {
    std::string log;
    for (const std::string& line : recent) log += "  " + line + "\n";
    ADD_FAILURE() << "the last actions:\n" << log;
  }
  EXPECT_TRUE(boxes_->texts.size() > 0);
}

}  // namespace
}  // namespace fretwise::test
