#include "gui/DatabaseWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/ChartDatabaseCommands.h"
#include "charts/DatabaseRecord.h"
#include "common/UserError.h"
#include "gui/GuiSupport.h"
#include "gui/Program.h"

namespace velora::gui {
namespace {

std::filesystem::path UserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace

DatabaseWindow::DatabaseWindow(QWidget* owner, Program& program)
    : QDialog(owner),
      program_(program),
      database_(
          ResolveDatabaseLocation(program.workspace().resources.dataDirectory, UserDataFolder())) {
  setObjectName("TBase");
  setWindowTitle("База данных");
  setModal(false);

  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  QFont fixedPitch("Courier");
  fixedPitch.setStyleHint(QFont::TypeWriter);
  list_->setFont(fixedPitch);
  auto* remove = new QPushButton("Удалить запись", this);
  remove->setObjectName("Button1");
  auto* save = new QPushButton("Сохранить изменения", this);
  save->setObjectName("Button3");
  for (QPushButton* button : {remove, save}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 24);
  }
  auto* insertLabel = new QLabel("Вставлять ", this);
  insertLabel->setObjectName("Label1");
  intoFirst_ = new QRadioButton("в 1-ю карту", this);
  intoFirst_->setObjectName("RadioButton1");
  intoFirst_->setChecked(true);
  intoSecond_ = new QRadioButton("во 2-ю карту", this);
  intoSecond_->setObjectName("RadioButton2");
  status_ = new QLabel(this);
  status_->setObjectName("StatusLabel");
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* side = new QVBoxLayout;
  side->addWidget(remove);
  side->addWidget(save);
  side->addSpacing(16);
  side->addWidget(insertLabel);
  side->addWidget(intoFirst_);
  side->addWidget(intoSecond_);
  side->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(side);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(top, 1);
  whole->addWidget(status_);
  resize(640, 360);
  ShowStatus("Файл: " + FromUtf8(database_.file().string()), false);

  connect(remove, &QPushButton::clicked, this, &DatabaseWindow::DeleteSelected);
  connect(save, &QPushButton::clicked, this, &DatabaseWindow::SaveChanges);
  // Del deletes the selected entry and Enter takes it, as the button and a double-click do.
  auto* deleteKey =
      new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(deleteKey, &QShortcut::activated, this, &DatabaseWindow::DeleteSelected);
  for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
    auto* takeKey = new QShortcut(QKeySequence(key), list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(takeKey, &QShortcut::activated, this, [this] {
      if (!list_->selectedItems().isEmpty()) Take(list_->currentRow());
    });
  }
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Take(list_->row(item)); });
}

void DatabaseWindow::ShowStatus(const QString& text, bool problem) {
  status_->setText(text);
  status_->setStyleSheet(problem ? "color: #b00000;" : QString());
}

void DatabaseWindow::ShowLines() {
  list_->clear();
  for (const std::string& line : database_.lines()) list_->addItem(FromUtf8(line));
}

void DatabaseWindow::Open() {
  show();
  raise();
  activateWindow();
  try {
    const std::optional<std::string> notice = database_.Load();
    ShowLines();
    const QString file = "Файл: " + FromUtf8(database_.file().string());
    if (notice) {
      ShowStatus(FromUtf8(*notice), true);
    } else {
      ShowStatus(file, false);
    }
  } catch (const UserError& error) {
    ShowStatus(FromUtf8(error.what()), true);
    ReportProblem(this, windowTitle(), FromUtf8(error.what()));
  }
}

void DatabaseWindow::SaveChart(const ChartForm& form) {
  show();
  raise();
  try {
    SaveChartToDatabase(database_, form);
    ShowLines();
    list_->setCurrentRow(list_->count() - 1);
    ShowStatus("Карта добавлена и сохранена в файл " + FromUtf8(database_.file().string()), false);
  } catch (const UserError& error) {
    ShowLines();
    const QString problem = "Карта не сохранена: " + FromUtf8(error.what());
    ShowStatus(problem, true);
    ReportProblem(this, windowTitle(), problem);
  }
}

void DatabaseWindow::DeleteSelected() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const int row = list_->row(selected.front());
  database_.Remove(row);
  delete list_->takeItem(row);
  ShowStatus("Запись удалена из списка; файл изменится после «Сохранить изменения».", false);
}

bool DatabaseWindow::SaveChanges() {
  try {
    database_.Save();
    ShowStatus("Сохранено в файл " + FromUtf8(database_.file().string()), false);
    return true;
  } catch (const UserError& error) {
    const QString problem =
        "Изменения не сохранены, прежний файл не тронут. " + FromUtf8(error.what());
    ShowStatus(problem, true);
    ReportProblem(this, windowTitle(), problem);
    return false;
  }
}

void DatabaseWindow::Take(int row) {
  if (row < 0 || row >= static_cast<int>(database_.lines().size())) return;
  Workspace& workspace = program_.workspace();
  ChartForm& target = intoFirst_->isChecked() ? workspace.forms.first : workspace.forms.second;
  TakeDatabaseRecord(database_.lines()[static_cast<std::size_t>(row)], target);
  hide();
  program_.Sync();
}

}  // namespace velora::gui
