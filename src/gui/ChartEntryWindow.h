#pragma once

#include <QDialog>

#include "charts/ChartForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velora::gui {

class Program;

// The controls both chart entry windows share: name, year, month, day, hour, minute, latitude,
// longitude and sex, bound to one chart form of the workspace. Every change goes into the form at
// once; LoadFromForm shows what operations wrote into it. A latitude or longitude that is not a
// number is marked in its field.
class ChartEntryWindow : public QDialog {
  Q_OBJECT

 public:
  struct Names {
    const char* window;
    const char* caption;
    const char* timeNote;     // Label6 at start
    const char* minuteLabel;  // Label7 at start
    const char* latitudeUnitLabel;
    const char* longitudeUnitLabel;
  };

  ChartEntryWindow(QWidget* owner, Program& program, ChartForm& form, const Names& names);

  // Shows the form's values in the controls.
  void LoadFromForm();

  // Top of the controls that other layouts refer to.
  static constexpr int kTimeNoteTopPixels = 120;
  static constexpr int kCoordinateNoteTopPixels = 160;
  static constexpr int kCoordinateLabelTopPixels = 180;
  static constexpr int kRightColumnLeftPixels = 350;

 protected:
  QPushButton* PlaceButton(const char* objectName, const QString& caption, int top, int width);

  Program& program_;
  ChartForm& form_;
  QLineEdit* name_ = nullptr;
  QSpinBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QSpinBox* day_ = nullptr;
  QSpinBox* hour_ = nullptr;
  QSpinBox* minute_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QRadioButton* male_ = nullptr;
  QRadioButton* female_ = nullptr;
  QLabel* monthLabel_ = nullptr;
  QLabel* dayLabel_ = nullptr;
  QLabel* hourLabel_ = nullptr;
  QLabel* timeNote_ = nullptr;
  QLabel* minuteLabel_ = nullptr;
  QLabel* longitudeLabel_ = nullptr;

 private:
  void MarkCoordinates();
};

}  // namespace velora::gui
