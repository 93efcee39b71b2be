#include "gui/FirstChartWindow.h"

#include <QPushButton>

#include "app/LocalClock.h"
#include "gui/DatabaseWindow.h"
#include "gui/GuiSupport.h"
#include "gui/Program.h"

namespace velora::gui {

FirstChartWindow::FirstChartWindow(QWidget* owner, Program& program)
    : ChartEntryWindow(
          owner, program, program.workspace().forms.first,
          {"TID1", "Исходные-Данные", "Время по Гринвичу", "Минуты", "Label10", "Label11"}) {
  QPushButton* now = PlaceButton("Button1", "На Сейчас", 100, 110);
  PlaceLabel(this, "Label12", "База данных", kRightColumnLeftPixels, 150);
  QPushButton* open = PlaceButton("Button2", "Открыть", 170, 110);
  QPushButton* save = PlaceButton("Button3", "Сохранить", 200, 110);
  now->setToolTip("Дата и время с часов компьютера");
  save->setToolTip("Добавить эту карту в базу данных");
  setFixedSize(475, 250);

  connect(now, &QPushButton::clicked, this, [this] {
    ReadNowIntoForm(form_, LocalClockNow(), kFirstChartNowName);
    LoadFromForm();
  });
  connect(open, &QPushButton::clicked, this, [this] { program_.databaseWindow().Open(); });
  connect(save, &QPushButton::clicked, this,
          [this] { program_.databaseWindow().SaveChart(form_); });
}

}  // namespace velora::gui
