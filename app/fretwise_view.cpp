#include "app/fretwise_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/commands.h"
#include "app/panel_layout.h"
#include "app/utf8.h"

namespace fretwise::app {
namespace {

QRect Geometry(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

struct PushButton {
  Command command;
  std::string_view caption;
  Rect rect;
};

// In the order of creation.
constexpr std::array<PushButton, 4> kPushButtons = {{
    {kShowNotes, "音符を表示", {25, 265, 125, 290}},
    {kPlay, "再生", {25, 295, 125, 320}},
    {kClear, "クリア", {25, 325, 125, 350}},
    {kNextCandidate, "次の候補", {25, 355, 125, 380}},
}};

struct ViewCommand {
  Command command;
  void (ViewCore::*handler)();
};

constexpr std::array<ViewCommand, 4> kViewCommands = {{
    {kShowNotes, &ViewCore::OnShowNotes},
    {kPlay, &ViewCore::OnPlay},
    {kClear, &ViewCore::OnClear},
    {kNextCandidate, &ViewCore::OnNextCandidate},
}};

constexpr char kControlIdProperty[] = "controlId";

// Every pass draws within this: the diagram area ends at y 600, and the number of fret 23, the
// highest a window reaches, stands at x 880. A larger view is white beyond it.
constexpr QSize kDrawnExtent(920, 600);

}  // namespace

bool CheckBoxSlots::IsTicked(int slot) const {
  return m_slotButtons[slot] && m_slotButtons[slot]->isChecked();
}

void CheckBoxSlots::Untick(int slot) {
  if (m_slotButtons[slot]) m_slotButtons[slot]->setChecked(false);
}

CFretwiseView::CFretwiseView(QWidget* parent, SoundLayer& sound, MessageBox& messages)
    : QWidget(parent),
      canvas_(1, 1, QImage::Format_RGB32),
      source_(canvas_, [this](const QRect& dirty) { repaint(dirty); }) {
  canvas_.fill(Qt::white);
  core_ = std::make_unique<ViewCore>(ViewPorts{slots_, staff_, diagram_, messages, sound});
  OnCreate();
}

CFretwiseView::~CFretwiseView() = default;

int CFretwiseView::OnCreate() {
  for (const PushButton& b : kPushButtons) {
    auto* button = new QPushButton(ToQString(b.caption), this);
    button->setGeometry(Geometry(b.rect));
    button->setFocusPolicy(Qt::ClickFocus);  // no tab stop
    button->setProperty(kControlIdProperty, int(b.command));
    const int command = b.command;
    connect(button, &QPushButton::clicked, this, [this, command] { OnCmdMsg(command); });
  }
  // Ascending slot index, which is also the tab order. A click only toggles the box.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!HasCheckBox(slot)) continue;
    const SlotInfo& info = kSlots[slot];
    auto* box = new QCheckBox(ToQString(info.caption), this);
    box->setGeometry(Geometry(kSlotRects[slot]));
    box->setProperty(kControlIdProperty, info.controlId);
    slots_.m_slotButtons[slot] = box;
  }
  return 0;
}

bool CFretwiseView::OnCmdMsg(int command) {
  for (const ViewCommand& c : kViewCommands) {
    if (c.command != command) continue;
    ((*core_).*c.handler)();
    return true;
  }
  return false;
}

void CFretwiseView::OnDraw() {
  window()->setWindowTitle(ToQString(kViewTitle));
  // The paint's surface goes back before the show-notes pass, which may open a message box.
  Surface* paint = source_.GetDC();
  DrawPitchLegend(*paint);
  source_.ReleaseDC(paint);
  core_->OnPaintPass(QApplication::activeModalWidget() != nullptr);
}

void CFretwiseView::DrawAnew() {
  drawPending_ = false;
  const QSize drawn = size().boundedTo(kDrawnExtent);
  if (canvas_.size() != drawn && !drawn.isEmpty()) canvas_ = QImage(drawn, QImage::Format_RGB32);
  canvas_.fill(Qt::white);
  OnDraw();
}

void CFretwiseView::ScheduleDrawAnew() {
  // Show, resize and expose often come together; they make one OnDraw.
  if (drawPending_) return;
  drawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (drawPending_) DrawAnew();
  });
}

void CFretwiseView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect onCanvas = event->rect() & canvas_.rect();
  painter.drawImage(onCanvas, canvas_, onCanvas);
  for (const QRect& beyond : QRegion(event->rect()).subtracted(canvas_.rect())) {
    painter.fillRect(beyond, Qt::white);
  }
}

void CFretwiseView::resizeEvent(QResizeEvent*) { ScheduleDrawAnew(); }

void CFretwiseView::showEvent(QShowEvent*) {
  QWindow* window = this->window()->windowHandle();
  if (window && watchedWindow_ != window) {
    window->installEventFilter(this);
    watchedWindow_ = window;
  }
  ScheduleDrawAnew();
}

bool CFretwiseView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedWindow_ && event->type() == QEvent::Expose &&
      static_cast<QWindow*>(watched)->isExposed()) {
    ScheduleDrawAnew();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace fretwise::app
