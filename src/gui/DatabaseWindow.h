#pragma once

#include <QDialog>

#include "charts/ChartDatabase.h"
#include "charts/ChartForm.h"

class QLabel;
class QListWidget;
class QRadioButton;

namespace velora::gui {

class Program;

// TBase, "База данных": the lines of the chart database file as a list. Entries can be deleted
// and the list written back; a double-click takes an entry into the first or the second chart.
// The file in use is shown under the list.
class DatabaseWindow : public QDialog {
  Q_OBJECT

 public:
  DatabaseWindow(QWidget* owner, Program& program);

  // Shows the window and loads the file into the list.
  void Open();
  // "Сохранить" of the first chart window: shows the window, appends the chart's record and
  // writes the list back. Failures are reported; the old file stays.
  void SaveChart(const ChartForm& form);
  // "Удалить запись": the selected entry leaves the list (not the file); nothing selected,
  // nothing happens.
  void DeleteSelected();
  // "Сохранить изменения": the list written to the file.
  bool SaveChanges();
  // Double-click: entry `row` into the chosen chart window, then the window hides. A row outside
  // the list does nothing.
  void Take(int row);

  const ChartDatabase& database() const { return database_; }

 private:
  void ShowLines();
  void ShowStatus(const QString& text, bool problem);

  Program& program_;
  ChartDatabase database_;
  QListWidget* list_ = nullptr;
  QRadioButton* intoFirst_ = nullptr;
  QRadioButton* intoSecond_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace velora::gui
