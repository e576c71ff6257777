#include "app/finder_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>

#include "app/fretwise_doc.h"
#include "app/fretwise_view.h"
#include "app/shell_ports.h"
#include "app/utf8.h"
#include "canvas/chord_box_files.h"

namespace fretwise::app {
namespace {

// The panel's check boxes as the finder sets them: without a click, so that no tick handler runs.
class CheckBoxPanel final : public finder::Panel {
 public:
  explicit CheckBoxPanel(CheckBoxSlots& boxes) : boxes_(boxes) {}
  bool IsTicked(int slot) const override { return boxes_.IsTicked(slot); }
  void SetTicked(int slot, bool ticked) override {
    if (QCheckBox* box = boxes_.m_slotButtons[slot]) box->setChecked(ticked);
  }

 private:
  CheckBoxSlots& boxes_;
};

constexpr QSize kFirstSize(830, 620);  // five boxes across, three rows down

QString Joined(const std::vector<std::string>& names) {
  QStringList shown;
  for (const std::string& name : names) shown << ToQString(name);
  return shown.join(" = ");
}

}  // namespace

FinderWindow::FinderWindow(QWidget* mainWindow, CheckBoxSlots& panel, SoundLayer& sound,
                           FileDialogs& dialogs)
    : QWidget(mainWindow, Qt::Window),
      panel_(std::make_unique<CheckBoxPanel>(panel)),
      core_(*panel_, sound),
      dialogs_(dialogs),
      mainWindow_(mainWindow) {
  Build();
  resize(kFirstSize);
  if (mainWindow) mainWindow->installEventFilter(this);  // to close with it
  Refresh(true);
}

// The grid goes first: it reads the core, which goes before the window's children do.
FinderWindow::~FinderWindow() { delete grid_; }

void FinderWindow::Build() {
  field_ = new QLineEdit;
  field_->setPlaceholderText("Am7, C/E, C3 E3 G3");
  field_->installEventFilter(this);
  reason_ = new QLabel;
  reason_->setStyleSheet("color: #C00000");
  preset_ = new QComboBox;
  for (const voicings::Preset& preset : voicings::kPresets)
    preset_->addItem(ToQString(preset.name));
  capo_ = new QSpinBox;
  capo_->setRange(0, voicings::kHighestCapo);
  capo_->setSpecialValueText("なし");
  span_ = new QSpinBox;
  span_->setRange(voicings::kFewestSpan, voicings::kMostSpan);
  span_->setValue(voicings::kDefaultSpan);
  span_->setSuffix(" ﾌﾚｯﾄ");
  leftHanded_ = new QCheckBox("左利き");
  stroke_ = new QComboBox;
  stroke_->addItems({"↓ ﾀﾞｳﾝ", "↑ ｱｯﾌﾟ"});
  strum_ = new QSpinBox;
  strum_->setRange(0, int(playback::kSlowestStrum.count()));
  strum_->setValue(int(playback::kLightStrum.count()));
  strum_->setSuffix(" ms");
  strum_->setSpecialValueText("同時");
  names_ = new QLabel;
  for (auto [widget, name] : {std::pair<QWidget*, const char*>{reason_, "reason"},
                              {names_, "names"},
                              {stroke_, "stroke"},
                              {strum_, "strum"},
                              {capo_, "capo"},
                              {span_, "span"},
                              {preset_, "preset"},
                              {leftHanded_, "leftHanded"}})
    widget->setObjectName(name);  // for tests and style sheets
  QFont large = names_->font();
  large.setPointSizeF(large.pointSizeF() * 1.5);
  names_->setFont(large);
  grid_ = new BoxGrid(core_, [this] { Refresh(false); });
  toPanel_ = new QPushButton("ﾊﾟﾈﾙへ");
  save_ = new QPushButton("ｼｰﾄ保存(&S)...");
  status_ = new QLabel;
  status_->setObjectName("status");

  auto* layout = new QGridLayout(this);
  layout->addWidget(field_, 0, 0);
  layout->addWidget(reason_, 0, 1);
  layout->setColumnStretch(1, 1);
  auto* settings = new QHBoxLayout;
  const auto label = [&](const char* text, QWidget* control) {
    auto* caption = new QLabel(text);
    caption->setBuddy(control);
    settings->addWidget(caption), settings->addWidget(control);
  };
  label("ﾁｭｰﾆﾝｸﾞ(&T)", preset_), label("ｶﾎﾟ", capo_), label("ｽﾊﾟﾝ", span_);
  settings->addWidget(leftHanded_);
  label("ｽﾄﾛｰｸ", stroke_), settings->addWidget(strum_), settings->addStretch();
  layout->addLayout(settings, 1, 0, 1, 2);
  layout->addWidget(names_, 2, 0, 1, 2);
  layout->addWidget(grid_, 3, 0, 1, 2);
  layout->setRowStretch(3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(toPanel_), buttons->addWidget(save_), buttons->addWidget(status_, 1);
  layout->addLayout(buttons, 4, 0, 1, 2);

  connect(field_, &QLineEdit::returnPressed, this, &FinderWindow::Enter);
  for (QSpinBox* spin : {capo_, span_, strum_})
    connect(spin, &QSpinBox::valueChanged, this, &FinderWindow::SettingsChanged);
  for (QComboBox* combo : {preset_, stroke_})
    connect(combo, &QComboBox::currentIndexChanged, this, &FinderWindow::SettingsChanged);
  connect(leftHanded_, &QCheckBox::toggled, this, &FinderWindow::SettingsChanged);
  connect(toPanel_, &QPushButton::clicked, this, [this] { core_.SendToPanel(), Refresh(false); });
  connect(save_, &QPushButton::clicked, this, &FinderWindow::SaveSheet);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(Qt::CTRL | Qt::Key_F, this), &QShortcut::activated, this,
          &FinderWindow::OpenOrRaise);
  setTabOrder(field_, grid_);
}

void FinderWindow::OpenOrRaise() {
  if (!placed_ && mainWindow_) {
    // The window's sound module (12 ms) loads once the finder is up, not at its first click.
    QTimer::singleShot(0, this, [this] { core_.PrepareSound(); });
    // Beside the main window: on its right, else on its left, where the screen has room.
    placed_ = true;
    const QRect main = mainWindow_->frameGeometry();
    const QRect screen = mainWindow_->screen()->availableGeometry();
    QPoint at(main.right() + 1, main.top());
    if (at.x() + width() > screen.right() && main.left() - width() >= screen.left())
      at.setX(main.left() - width());
    move(at);
  }
  show();
  raise();
  activateWindow();
  field_->setFocus();
  field_->selectAll();
}

void FinderWindow::OnPanelTick() {
  if (!isVisible()) return;
  core_.ShowTicked();
  field_->setText(ToQString(core_.fieldText()));
  Refresh(true);
}

void FinderWindow::Enter() { Refresh(core_.Enter(field_->text().toStdString())); }

void FinderWindow::SettingsChanged() {
  const finder::FinderSettings before = core_.settings();
  core_.Change(
      {.preset = preset_->currentIndex(),
       .capo = capo_->value(),
       .span = span_->value(),
       .leftHanded = leftHanded_->isChecked(),
       .strum = {stroke_->currentIndex() == 0 ? playback::Stroke::kDown : playback::Stroke::kUp,
                 std::chrono::milliseconds(strum_->value())}});
  const finder::FinderSettings& after = core_.settings();
  // A hand or a strum changes no voicing; the left hand draws every box anew all the same.
  Refresh(after.preset != before.preset || after.capo != before.capo || after.span != before.span ||
          after.leftHanded != before.leftHanded);
}

void FinderWindow::SaveSheet() {
  const std::vector<chordbox::ChordBox> boxes = core_.SelectedBoxes();
  if (boxes.empty()) return;
  const QString name = core_.names().empty() ? "chords" : ToQString(core_.names().front());
  QString path = dialogs_.SheetFileName(this, QString(name).replace('/', '_') + ".pdf");
  if (path.isEmpty()) return;
  std::optional<ImageFormat> format = FormatOfPath(path);
  if (!format) path += ".pdf", format = ImageFormat::kPdf;
  const SheetOptions options{core_.names().empty() ? "" : core_.names().front()};
  const files::Outcome outcome =
      WriteChordSheet(path, *format, boxes, options, files::FifoReader::kDoNotWait);
  core_.Saved(path.toStdString(), outcome.ok() ? "" : RefusalReason(outcome).toStdString());
  Refresh(false);
}

void FinderWindow::Refresh(bool newList) {
  setWindowTitle(ToQString(core_.Title()));
  names_->setText(Joined(core_.names()));
  reason_->setText(ToQString(core_.reason()));
  status_->setText(ToQString(core_.status()));
  toPanel_->setEnabled(core_.current().has_value());
  save_->setEnabled(core_.HasSelection());
  if (newList) {
    grid_->Reset();
  } else {
    grid_->viewport()->update();
  }
}

void FinderWindow::closeEvent(QCloseEvent* event) {
  core_.Silence();
  QWidget::closeEvent(event);
}

bool FinderWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && event->type() == QEvent::Close) close();
  // Up and down in the field move through the boxes; left and right stay with the text.
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      grid_->setFocus();
      QCoreApplication::sendEvent(grid_, event);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace fretwise::app
