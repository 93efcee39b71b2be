#include "gui/DirectionsDateWindow.h"

#include <QDateEdit>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/DateBoxes.h"

namespace velora::gui {

DirectionsDateWindow::DirectionsDateWindow(QWidget* owner, DirectionsRequest& request,
                                           std::function<void()> compute)
    : QDialog(owner), request_(request) {
  setObjectName("TDat2");
  setWindowTitle("Дата2");
  date_ = MakeDateBox(this, "DateEdit1");
  auto* computeButton = new QPushButton("Расчет", this);
  computeButton->setObjectName("Button1");
  computeButton->setDefault(true);
  sixMajor_ = new QRadioButton("6 мажорных аспектов", this);
  sixMajor_->setObjectName("RadioButton1");
  sixteen_ = new QRadioButton("16 основных аспектов", this);
  sixteen_->setObjectName("RadioButton2");
  auto* column = new QVBoxLayout(this);
  column->addWidget(date_);
  column->addWidget(sixMajor_);
  column->addWidget(sixteen_);
  column->addWidget(computeButton);
  connect(computeButton, &QPushButton::clicked, this, std::move(compute));
  connect(date_, &QDateEdit::dateChanged, this,
          [this](const QDate& date) { request_.date = DayDateOf(date); });
  connect(sixteen_, &QRadioButton::toggled, this, [this](bool checked) {
    request_.aspectSet = checked ? DirectionsAspectSet::kSixteen : DirectionsAspectSet::kSixMajor;
  });
  LoadFromRequest();
  setFixedSize(sizeHint().expandedTo(QSize(220, 0)));
}

void DirectionsDateWindow::LoadFromRequest() {
  const QSignalBlocker blockDate(date_);
  const QSignalBlocker blockSixteen(sixteen_);
  date_->setDate(QDateOf(request_.date));
  const bool sixteen = request_.aspectSet == DirectionsAspectSet::kSixteen;
  sixteen_->setChecked(sixteen);
  sixMajor_->setChecked(!sixteen);
}

bool DirectionsDateWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    request_.ResetTo(Today());
    LoadFromRequest();
  }
  return QDialog::event(event);
}

}  // namespace velora::gui
