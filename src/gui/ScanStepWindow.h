#pragma once

#include <QDialog>

#include "workspace/Workspace.h"

namespace velora::gui {

// THsk, "Шаг": the step of the main window's "<" and ">" buttons; "1 сутки" at start.
class ScanStepWindow : public QDialog {
  Q_OBJECT

 public:
  ScanStepWindow(QWidget* owner, Workspace& workspace);
};

}  // namespace velora::gui
