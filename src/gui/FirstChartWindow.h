#pragma once

#include "gui/ChartEntryWindow.h"

namespace velora::gui {

// TID1, "Исходные-Данные": the first chart (the radix), with "На Сейчас" and the two database
// buttons "Открыть" and "Сохранить".
class FirstChartWindow : public ChartEntryWindow {
  Q_OBJECT

 public:
  FirstChartWindow(QWidget* owner, Program& program);
};

}  // namespace velora::gui
