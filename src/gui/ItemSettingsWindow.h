#pragma once

#include <QDialog>

#include "common/OneBasedArray.h"
#include "workspace/Workspace.h"

class QCheckBox;
class QLineEdit;

namespace velora::gui {

// TPlanUst, "Включение Планет и Орбисы": a check box and an orb for each of the 17 boxes, the
// four orb presets and the caption-less button that checks or clears all boxes.
class ItemSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  ItemSettingsWindow(QWidget* owner, Workspace& workspace);

  // Shows the settings' values in the controls.
  void LoadFromSettings();

 protected:
  bool event(QEvent* event) override;

 private:
  ItemSettings& settings_;
  OneBasedArray<QCheckBox*, kItemBoxCount> boxes_{};
  OneBasedArray<QLineEdit*, kItemBoxCount> orbs_{};
};

}  // namespace velora::gui
