#include "gui/ScanStepWindow.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/GuiSupport.h"

namespace velora::gui {

ScanStepWindow::ScanStepWindow(QWidget* owner, Workspace& workspace) : QDialog(owner) {
  setObjectName("THsk");
  setWindowTitle("Шаг");
  auto* column = new QVBoxLayout(this);
  constexpr ScanStepChoice kChoices[] = {ScanStepChoice::kSevenDays, ScanStepChoice::kOneDay,
                                         ScanStepChoice::kOneHour, ScanStepChoice::kTenMinutes};
  for (int index = 0; index < 4; ++index) {
    auto* button =
        new QRadioButton(FromUtf8(kScanStepCaptions[static_cast<std::size_t>(index)]), this);
    button->setObjectName(QString("RadioButton%1").arg(index + 1));
    const ScanStepChoice choice = kChoices[index];
    button->setChecked(workspace.settings.scanStep == choice);
    connect(button, &QRadioButton::toggled, this, [&workspace, choice](bool checked) {
      if (checked) workspace.settings.scanStep = choice;
    });
    column->addWidget(button);
  }
  setFixedSize(sizeHint().expandedTo(QSize(160, 0)));
}

}  // namespace velora::gui
