#include "gui/SecondChartWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/LocalClock.h"
#include "app/ReturnCommands.h"
#include "gui/GuiSupport.h"
#include "gui/Program.h"

namespace velora::gui {
namespace {

constexpr int kHeightWithoutListPixels = 250;
constexpr int kHeightWithListPixels = 345;

}  // namespace

SecondChartWindow::SecondChartWindow(QWidget* owner, Program& program)
    : ChartEntryWindow(
          owner, program, program.workspace().forms.second,
          {"TID2", "2 -я Карта", "Время по гринвичу", "Минуты", "Label11", "Label12"}) {
  lunarPrompt_ = PlaceLabel(this, "Label10", "Выбери год и месяц Лунара", 10, 100);
  lunarPrompt_->hide();
  addToChart_ = PlaceButton("Button1", "Добавить в карту", 100, 130);
  addToChart_->setDefault(true);
  addToChart_->setAutoDefault(true);
  now_ = PlaceButton("Button2", "На сейчас", 132, 130);
  now_->setToolTip("Дата и время с часов компьютера");
  solarSearch_ = PlaceButton("Button3", "Расчет Cоляра", 100, 130);
  solarSearch_->hide();
  lunarSearch_ = PlaceButton("Button4", "Расчет Лунара", 164, 130);
  lunarList_ = new QListWidget(this);
  lunarList_->setObjectName("ListBox1");
  lunarList_->setGeometry(10, 250, 330, 85);
  QFont fixedPitch("Courier");
  fixedPitch.setStyleHint(QFont::TypeWriter);
  lunarList_->setFont(fixedPitch);
  lunarList_->hide();
  lunarList_->setToolTip("Двойной щелчок или Enter — нарисовать этот лунар");
  setFixedSize(485, kHeightWithoutListPixels);

  connect(solarSearch_, &QPushButton::clicked, this,
          [this] { program_.Run(RunSolarReturnSearch); });
  connect(lunarSearch_, &QPushButton::clicked, this,
          [this] { program_.Run(RunLunarReturnSearch); });
  // A double-click (or Enter) on an entry draws that return.
  connect(lunarList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const auto row = static_cast<std::size_t>(lunarList_->row(item));
    program_.Run([row](CommandContext& context) { TakeLunarReturn(context, row); });
  });

  connect(addToChart_, &QPushButton::clicked, this, [this] { program_.Run(ShowSecondChart); });
  connect(now_, &QPushButton::clicked, this, [this] {
    ReadNowIntoForm(form_, LocalClockNow(), kSecondChartNowName);
    LoadFromForm();
  });
}

void SecondChartWindow::ApplyArrangement(const SecondChartArrangement& arrangement) {
  monthLabel_->setText(FromUtf8(arrangement.monthLabel));
  monthLabel_->adjustSize();
  dayLabel_->setText(FromUtf8(arrangement.dayLabel));
  hourLabel_->setText(FromUtf8(arrangement.hourLabel));
  minuteLabel_->setText(FromUtf8(arrangement.minuteLabel));
  timeNote_->setText(FromUtf8(arrangement.timeNote));
  for (QLabel* label : {dayLabel_, hourLabel_, minuteLabel_, timeNote_}) label->adjustSize();
  switch (arrangement.timeNotePlace) {
    case TimeNotePlace::kAboveHour:
      timeNote_->move(timeNote_->x(), kTimeNoteTopPixels);
      break;
    case TimeNotePlace::kAboveCoordinates:
      timeNote_->move(timeNote_->x(), kCoordinateNoteTopPixels);
      break;
    case TimeNotePlace::kAboveLongitudeLabel:
      timeNote_->move(timeNote_->x(), longitudeLabel_->y() - 20);
      break;
  }
  // The month label may still hold the long solar prompt when the lunar arrangement shows the box
  // again; the box then moves under the label, into the day row that this arrangement leaves
  // empty.
  constexpr int kMonthBoxLeftPixels = 200, kMonthRowTopPixels = 40, kDayRowTopPixels = 72;
  const bool labelFits = monthLabel_->x() + monthLabel_->width() + 4 <= kMonthBoxLeftPixels;
  month_->move(labelFits ? kMonthBoxLeftPixels : monthLabel_->x(),
               labelFits ? kMonthRowTopPixels : kDayRowTopPixels);
  month_->setVisible(arrangement.monthVisible);
  for (QSpinBox* spin : {day_, hour_, minute_}) spin->setVisible(arrangement.dayHourMinuteVisible);
  lunarPrompt_->setVisible(arrangement.lunarPromptVisible);
  addToChart_->setVisible(arrangement.addToChartVisible);
  now_->setVisible(arrangement.nowVisible);
  solarSearch_->setVisible(arrangement.solarSearchVisible);
  lunarSearch_->setVisible(arrangement.lunarSearchVisible);
  lunarList_->setVisible(arrangement.lunarListVisible);
  ShowLunarList(arrangement.lunarList);
  setFixedHeight(arrangement.lunarListVisible ? kHeightWithListPixels : kHeightWithoutListPixels);
}

void SecondChartWindow::ShowLunarList(const std::vector<std::string>& entries) {
  // Refilled only when the entries changed, so that the chosen entry stays chosen.
  QStringList texts;
  for (const std::string& entry : entries) texts.append(FromUtf8(entry));
  QStringList shown;
  for (int row = 0; row < lunarList_->count(); ++row) shown.append(lunarList_->item(row)->text());
  if (texts == shown) return;
  lunarList_->clear();
  lunarList_->addItems(texts);
}

}  // namespace velora::gui
