#pragma once

#include "app/MainViewState.h"
#include "gui/ChartEntryWindow.h"

class QListWidget;

namespace velora::gui {

// TID2, "2 -я Карта": the second chart (transit, partner, return) in one of its three
// arrangements, with "Добавить в карту", "На сейчас" and the return searches.
class SecondChartWindow : public ChartEntryWindow {
  Q_OBJECT

 public:
  SecondChartWindow(QWidget* owner, Program& program);

  // Shows the controls as the arrangement says.
  void ApplyArrangement(const SecondChartArrangement& arrangement);

 private:
  void ShowLunarList(const std::vector<std::string>& entries);

  QLabel* lunarPrompt_ = nullptr;
  QPushButton* addToChart_ = nullptr;
  QPushButton* now_ = nullptr;
  QPushButton* solarSearch_ = nullptr;
  QPushButton* lunarSearch_ = nullptr;
  QListWidget* lunarList_ = nullptr;
};

}  // namespace velora::gui
