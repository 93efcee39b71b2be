#pragma once

#include <QDialog>

#include "workspace/Workspace.h"

namespace velora::gui {

// TDOM, "Дома": six radio buttons choosing the house system; Placidus at start.
class HousesWindow : public QDialog {
  Q_OBJECT

 public:
  HousesWindow(QWidget* owner, Workspace& workspace);
};

}  // namespace velora::gui
