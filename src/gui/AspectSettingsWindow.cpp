#include "gui/AspectSettingsWindow.h"

#include <QColorDialog>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "common/UserError.h"
#include "gui/GuiSupport.h"

namespace velora::gui {
namespace {

// The list's lines are 20 pixels high and each swatch sits level with its line.
constexpr int kLineHeightPixels = 20;
constexpr int kListLeftPixels = 10;
constexpr int kListTopPixels = 50;
constexpr int kListWidthPixels = 120;
constexpr int kListFramePixels = 2;

}  // namespace

AspectSettingsWindow::AspectSettingsWindow(QWidget* owner, Workspace& workspace)
    : QDialog(owner), settings_(workspace.settings.aspects) {
  setObjectName("TAspUst");
  setWindowTitle("Установка Аспектов");

  auto* title = new QLabel("Аспекты", this);
  title->setObjectName("Label1");
  QFont titleFont = title->font();
  titleFont.setPixelSize(20);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->move(kListLeftPixels, 12);
  title->adjustSize();

  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setUniformItemSizes(true);
  list_->setFrameShape(QFrame::Box);
  list_->setLineWidth(1);
  list_->setGeometry(kListLeftPixels, kListTopPixels, kListWidthPixels,
                     kLineHeightPixels * kMaxAspectCount + 2 * kListFramePixels);
  list_->setStyleSheet("QListWidget { border: 1px solid gray; padding: 1px; }");

  for (int swatch = 1; swatch <= kMaxAspectCount; ++swatch) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("Edit%1").arg(swatch));
    edit->setReadOnly(true);
    edit->setCursor(Qt::PointingHandCursor);
    edit->setToolTip(QString("Цвет аспекта %1 в списке; щёлкните, чтобы выбрать").arg(swatch));
    edit->setGeometry(kListLeftPixels + kListWidthPixels + 6,
                      kListTopPixels + kListFramePixels + kLineHeightPixels * (swatch - 1) + 2, 26,
                      kLineHeightPixels - 4);
    edit->installEventFilter(this);
    swatches_[swatch] = edit;
  }

  const int belowList = kListTopPixels + kLineHeightPixels * kMaxAspectCount + 16;
  angle_ = new QLineEdit(this);
  angle_->setObjectName("Edit11");
  angle_->setGeometry(kListLeftPixels, belowList, 70, 24);
  angle_->setPlaceholderText("угол");
  auto* add = new QPushButton("Добавить", this);
  add->setObjectName("Button1");
  add->setGeometry(kListLeftPixels + 78, belowList, 90, 25);
  add->setDefault(true);
  auto* remove = new QPushButton("Удалить", this);
  remove->setObjectName("Button2");
  remove->setAutoDefault(false);
  remove->setGeometry(kListLeftPixels + 78, belowList + 32, 90, 25);
  setFixedSize(kListLeftPixels + 78 + 90 + 20, belowList + 70);

  ShowEntries();
  ShowSwatches();
  connect(add, &QPushButton::clicked, this, &AspectSettingsWindow::AddAngle);
  connect(remove, &QPushButton::clicked, this, &AspectSettingsWindow::RemoveSelected);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { settings_.Select(row); });
}

void AspectSettingsWindow::ShowEntries() {
  const QSignalBlocker block(list_);
  list_->clear();
  for (const std::string& entry : settings_.entries()) {
    auto* item = new QListWidgetItem(FromUtf8(entry), list_);
    item->setSizeHint(QSize(kListWidthPixels - 8, kLineHeightPixels));
  }
  list_->setCurrentRow(settings_.selectedIndex());
}

void AspectSettingsWindow::ShowSwatches() {
  for (int swatch = 1; swatch <= kMaxAspectCount; ++swatch) {
    const Rgb colour = settings_.swatchColours()[swatch];
    swatches_[swatch]->setStyleSheet(QString("QLineEdit { background: rgb(%1, %2, %3); }")
                                         .arg(colour.red)
                                         .arg(colour.green)
                                         .arg(colour.blue));
  }
}

void AspectSettingsWindow::AddAngle() {
  try {
    settings_.Add(ToUtf8(angle_->text()));
  } catch (const UserError& error) {
    ReportProblem(this, windowTitle(), FromUtf8(error.what()));
    return;
  }
  ShowEntries();
}

void AspectSettingsWindow::RemoveSelected() {
  // The settings hold the selection: the list's own, or the last entry after an aspect drawing
  // has read the list. With nothing selected nothing happens.
  settings_.RemoveSelected();
  ShowEntries();
}

void AspectSettingsWindow::SetSwatchColour(int swatch, const QColor& colour) {
  settings_.setSwatchColour(swatch, Rgb{static_cast<std::uint8_t>(colour.red()),
                                        static_cast<std::uint8_t>(colour.green()),
                                        static_cast<std::uint8_t>(colour.blue())});
  ShowSwatches();
}

bool AspectSettingsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int swatch = 1; swatch <= kMaxAspectCount; ++swatch) {
      if (watched != swatches_[swatch]) continue;
      const Rgb current = settings_.swatchColours()[swatch];
      const QColor chosen = QColorDialog::getColor(QColor(current.red, current.green, current.blue),
                                                   this, QString("Цвет аспекта %1").arg(swatch));
      if (chosen.isValid()) SetSwatchColour(swatch, chosen);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velora::gui
