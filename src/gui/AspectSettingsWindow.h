#pragma once

#include <QColor>
#include <QDialog>

#include "common/OneBasedArray.h"
#include "workspace/Workspace.h"

class QLineEdit;
class QListWidget;

namespace velora::gui {

// TAspUst, "Установка Аспектов": the list of aspect angles with a colour swatch beside each line
// (swatch K colours list position K), an edit with "Добавить" and "Удалить". A click on a swatch
// opens the colour chooser.
class AspectSettingsWindow : public QDialog {
  Q_OBJECT

 public:
  AspectSettingsWindow(QWidget* owner, Workspace& workspace);

  // "Добавить" with the text of Edit11; an eleventh angle is refused with a message.
  void AddAngle();
  // "Удалить": the selected entry; nothing selected, nothing happens.
  void RemoveSelected();
  // The colour of swatch K (1..10), as the colour chooser sets it.
  void SetSwatchColour(int swatch, const QColor& colour);

  // Shows the list and its selection as the settings hold them (a drawing that read the list
  // leaves the selection on the last entry).
  void ShowEntries();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowSwatches();

  AspectSettings& settings_;
  QListWidget* list_ = nullptr;
  QLineEdit* angle_ = nullptr;
  OneBasedArray<QLineEdit*, kMaxAspectCount> swatches_{};
};

}  // namespace velora::gui
