#include "gui/HousesWindow.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace velora::gui {
namespace {

struct HouseSystemButton {
  const char* objectName;
  const char* caption;
  HouseSystemCode code;
};

constexpr HouseSystemButton kButtons[] = {
    {"RadioButton1", "Равнодомные от МС", 'M'},
    {"RadioButton2", "Равнодомные от АСЦ", 'A'},
    {"RadioButton3", "Плацидус", 'P'},
    {"RadioButton4", "Кох", 'K'},
    {"RadioButton5", "Равнодомные от Солнца", 'S'},
    {"RadioButton6", "Равнодомные от Луны ", 'L'},
};

}  // namespace

HousesWindow::HousesWindow(QWidget* owner, Workspace& workspace) : QDialog(owner) {
  setObjectName("TDOM");
  setWindowTitle("Дома");
  auto* column = new QVBoxLayout(this);
  for (const HouseSystemButton& entry : kButtons) {
    auto* button = new QRadioButton(entry.caption, this);
    button->setObjectName(entry.objectName);
    button->setChecked(workspace.settings.houseSystem == entry.code);
    const HouseSystemCode code = entry.code;
    connect(button, &QRadioButton::toggled, this, [&workspace, code](bool checked) {
      if (checked) workspace.settings.houseSystem = code;
    });
    column->addWidget(button);
  }
  setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

}  // namespace velora::gui
