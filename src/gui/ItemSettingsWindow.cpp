#include "gui/ItemSettingsWindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/DecimalText.h"
#include "gui/GuiSupport.h"

namespace velora::gui {
namespace {

// Boxes per column; three columns of box and orb.
constexpr int kBoxesPerColumn = 6;

void MarkOrb(QLineEdit* edit) {
  const bool number = edit->text().trimmed().isEmpty() || ParseDecimal(ToUtf8(edit->text()));
  MarkFieldProblem(
      edit,
      number ? QString() : "«" + edit->text() + "» — не число; такой орбис считается равным 0.");
}

}  // namespace

ItemSettingsWindow::ItemSettingsWindow(QWidget* owner, Workspace& workspace)
    : QDialog(owner), settings_(workspace.settings.items) {
  setObjectName("TPlanUst");
  setWindowTitle("Включение Планет и Орбисы");

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  auto* toggle = new QPushButton(this);
  toggle->setObjectName("Button3");
  toggle->setFixedSize(18, 18);
  toggle->setAutoDefault(false);
  toggle->setToolTip("Включить все / выключить все");
  grid->addWidget(toggle, 0, 0, Qt::AlignLeft);
  for (int column = 0; column < 3; ++column) {
    auto* heading = new QLabel("Орбисы", this);
    heading->setObjectName(QString("Label%1").arg(column + 1));
    grid->addWidget(heading, 0, column * 2 + 1);
  }
  for (int box = 1; box <= kItemBoxCount; ++box) {
    const int column = (box - 1) / kBoxesPerColumn;
    const int row = (box - 1) % kBoxesPerColumn + 1;
    auto* check = new QCheckBox(FromUtf8(ItemSettings::BoxCaption(box)), this);
    check->setObjectName(QString("CheckBox%1").arg(box));
    auto* orb = new QLineEdit(this);
    orb->setObjectName(QString("Edit%1").arg(box));
    orb->setFixedWidth(50);
    grid->addWidget(check, row, column * 2);
    grid->addWidget(orb, row, column * 2 + 1);
    boxes_[box] = check;
    orbs_[box] = orb;
    connect(check, &QCheckBox::toggled, this,
            [this, box](bool checked) { settings_.setChecked(box, checked); });
    connect(orb, &QLineEdit::textChanged, this, [this, box, orb](const QString& text) {
      settings_.setOrbText(box, ToUtf8(text));
      MarkOrb(orb);
    });
  }

  struct Preset {
    const char* objectName;
    const char* caption;
    OrbPreset preset;
  };
  constexpr Preset kPresets[] = {{"Button1", "Радикс", OrbPreset::kRadix},
                                 {"Button2", "Транзит", OrbPreset::kTransit},
                                 {"Button4", "Дирекции", OrbPreset::kDirections},
                                 {"Button5", "Синастрия", OrbPreset::kSynastry}};
  auto* presets = new QHBoxLayout;
  for (const Preset& entry : kPresets) {
    auto* button = new QPushButton(entry.caption, this);
    button->setObjectName(entry.objectName);
    button->setAutoDefault(false);
    const OrbPreset preset = entry.preset;
    connect(button, &QPushButton::clicked, this, [this, preset] {
      settings_.LoadPreset(preset);
      LoadFromSettings();
    });
    presets->addWidget(button);
  }
  connect(toggle, &QPushButton::clicked, this, [this] {
    settings_.PressToggleAll();
    LoadFromSettings();
  });

  auto* whole = new QVBoxLayout(this);
  whole->addLayout(grid);
  whole->addSpacing(8);
  whole->addLayout(presets);
  LoadFromSettings();
  setFixedSize(sizeHint());
}

void ItemSettingsWindow::LoadFromSettings() {
  for (int box = 1; box <= kItemBoxCount; ++box) {
    const QSignalBlocker blockBox(boxes_[box]);
    boxes_[box]->setChecked(settings_.checked(box));
    const QSignalBlocker blockOrb(orbs_[box]);
    orbs_[box]->setText(FromUtf8(settings_.orbText(box)));
    MarkOrb(orbs_[box]);
  }
}

bool ItemSettingsWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) settings_.OnWindowActivated();
  return QDialog::event(event);
}

}  // namespace velora::gui
