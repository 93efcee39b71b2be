#include "gui/ChartEntryWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "common/DecimalText.h"
#include "gui/GuiSupport.h"

namespace velora::gui {
namespace {

constexpr int kFieldHeightPixels = 22;

QSpinBox* PlaceSpin(QWidget* parent, const char* objectName, int low, int high, int x, int y,
                    int width) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(objectName);
  spin->setRange(low, high);
  spin->setGeometry(x, y, width, kFieldHeightPixels);
  return spin;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* objectName, int x, int y, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setGeometry(x, y, width, kFieldHeightPixels);
  return edit;
}

QString CoordinateProblem(const QString& text, const QString& field) {
  if (ParseDecimal(ToUtf8(text))) return {};
  return "«" + field + "»: «" + text +
         "» — не число. Введите градусы и минуты через точку, например 56.01 или -33.55.";
}

}  // namespace

ChartEntryWindow::ChartEntryWindow(QWidget* owner, Program& program, ChartForm& form,
                                   const Names& names)
    : QDialog(owner), program_(program), form_(form) {
  setObjectName(names.window);
  setWindowTitle(names.caption);
  setModal(false);

  PlaceLabel(this, "Label1", "Имя     ", 10, 13);
  name_ = PlaceEdit(this, "Edit1", 70, 10, 260);

  PlaceLabel(this, "Label2", "Год", 10, 43);
  year_ = PlaceSpin(this, "SpinEdit1", ChartForm::kMinYear, ChartForm::kMaxYear, 70, 40, 70);
  monthLabel_ = PlaceLabel(this, "Label3", "Месяц", 150, 43);
  month_ = new QComboBox(this);
  month_->setObjectName("ComboBox1");
  for (const char* monthName : kMonthNames) month_->addItem(monthName);
  month_->setPlaceholderText("Выбери месяц");
  month_->setGeometry(200, 40, 130, kFieldHeightPixels);

  dayLabel_ = PlaceLabel(this, "Label4", "День   ", 10, 75);
  day_ = PlaceSpin(this, "SpinEdit2", ChartForm::kMinDay, ChartForm::kMaxDay, 70, 72, 55);

  timeNote_ = PlaceLabel(this, "Label6", names.timeNote, 10, kTimeNoteTopPixels);
  hourLabel_ = PlaceLabel(this, "Label5", "Час", 10, 143);
  hour_ = PlaceSpin(this, "SpinEdit3", 0, ChartForm::kMaxHour, 70, 140, 55);
  minuteLabel_ = PlaceLabel(this, "Label7", names.minuteLabel, 150, 143);
  minute_ = PlaceSpin(this, "SpinEdit4", 0, ChartForm::kMaxMinute, 210, 140, 55);

  PlaceLabel(this, "Label8", "Широта", 10, kCoordinateLabelTopPixels);
  longitudeLabel_ = PlaceLabel(this, "Label9", "Долгота", 150, kCoordinateLabelTopPixels);
  latitude_ = PlaceEdit(this, "Edit2", 10, 198, 110);
  longitude_ = PlaceEdit(this, "Edit3", 150, 198, 110);
  PlaceLabel(this, names.latitudeUnitLabel, "Градус.Мин", 10, 224);
  PlaceLabel(this, names.longitudeUnitLabel, "Градус.Мин", 150, 224);

  male_ = new QRadioButton("Мужчина", this);
  male_->setObjectName("RadioButton1");
  male_->move(kRightColumnLeftPixels, 40);
  male_->adjustSize();
  female_ = new QRadioButton("Женщина", this);
  female_->setObjectName("RadioButton2");
  female_->move(kRightColumnLeftPixels, 62);
  female_->adjustSize();

  LoadFromForm();

  connect(name_, &QLineEdit::textChanged, this,
          [this](const QString& text) { form_.name = ToUtf8(text); });
  connect(year_, &QSpinBox::valueChanged, this, [this](int value) { form_.setYear(value); });
  connect(month_, &QComboBox::currentIndexChanged, this,
          [this](int index) { form_.setMonthIndex(index); });
  connect(day_, &QSpinBox::valueChanged, this, [this](int value) { form_.setDay(value); });
  connect(hour_, &QSpinBox::valueChanged, this, [this](int value) { form_.setHour(value); });
  connect(minute_, &QSpinBox::valueChanged, this, [this](int value) { form_.setMinute(value); });
  connect(latitude_, &QLineEdit::textChanged, this, [this](const QString& text) {
    form_.latitudeText = ToUtf8(text);
    MarkCoordinates();
  });
  connect(longitude_, &QLineEdit::textChanged, this, [this](const QString& text) {
    form_.longitudeText = ToUtf8(text);
    MarkCoordinates();
  });
  connect(male_, &QRadioButton::toggled, this,
          [this](bool checked) { form_.sex = checked ? Sex::kMale : Sex::kFemale; });
}

QPushButton* ChartEntryWindow::PlaceButton(const char* objectName, const QString& caption, int top,
                                           int width) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  button->setGeometry(kRightColumnLeftPixels, top, width, 25);
  return button;
}

void ChartEntryWindow::LoadFromForm() {
  const QSignalBlocker blockName(name_), blockYear(year_), blockMonth(month_), blockDay(day_),
      blockHour(hour_), blockMinute(minute_), blockLatitude(latitude_), blockLongitude(longitude_),
      blockMale(male_), blockFemale(female_);
  if (name_->text() != FromUtf8(form_.name)) name_->setText(FromUtf8(form_.name));
  year_->setValue(form_.year());
  month_->setCurrentIndex(form_.monthIndex());
  day_->setValue(form_.day());
  hour_->setValue(form_.hour());
  minute_->setValue(form_.minute());
  if (latitude_->text() != FromUtf8(form_.latitudeText)) {
    latitude_->setText(FromUtf8(form_.latitudeText));
  }
  if (longitude_->text() != FromUtf8(form_.longitudeText)) {
    longitude_->setText(FromUtf8(form_.longitudeText));
  }
  (form_.sex == Sex::kMale ? male_ : female_)->setChecked(true);
  MarkCoordinates();
}

void ChartEntryWindow::MarkCoordinates() {
  MarkFieldProblem(latitude_, CoordinateProblem(latitude_->text(), "Широта"));
  MarkFieldProblem(longitude_, CoordinateProblem(longitude_->text(), "Долгота"));
}

}  // namespace velora::gui
