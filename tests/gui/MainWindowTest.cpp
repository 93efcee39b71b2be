// The main window and the windows it opens, run with the offscreen platform.

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/RichText.h"
#include "common/FileBytes.h"
#include "gui/DateBoxes.h"
#include "gui/GuiSupport.h"
#include "gui/MainWindow.h"
#include "gui/PictureView.h"
#include "gui/Program.h"
#include "gui/SecondChartWindow.h"

using velora::gui::Program;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void startUpCreatesEveryWindowAndShowsOnlyTheMainOne();
  void menuHasTheCaptionsOfEveryCommand();
  void adultRadixDrawsTheChart();
  void stepForwardCarriesTheMonth();
  void twentyFourHourStepsLandOnTheSameTime();
  void transitCommandArrangesTheSecondChartWindow();
  void latitudeThatIsNotANumberIsMarkedAndStopsTheCommand();
  void saveAsWritesABitmapThatLoadsBack();
  void saveAsWritesRichTextThatReadsBack();
  void referenceTextsAreShownOrReported();
  void returnSearchesDrawFromTheSecondWindow();
  void interpretationReplacesThePictureWithTheText();
  void aspectListSelectionIsLeftOnTheLastEntryByADrawing();
  void interpretationWaitsForKindsWithoutTextYet();
  void startWithoutPicturesSaysSoAndStillDraws();
  void dateWindowsShowAndEditTheCoreDates();
  void directionsComputeFromTheirWindow();
  void calendarComputesTheTransitTable();

 private:
  QWidget* Window(const char* name);
  template <typename T>
  T* Control(const char* window, const char* name);
  void Trigger(const QString& path);
  void SetSecondChart(int year, int monthIndex, int day, int hour, int minute);

  std::unique_ptr<QTemporaryDir> data_;
  std::unique_ptr<Program> program_;
  QStringList problems_;
};

void MainWindowTest::init() {
  data_ = std::make_unique<QTemporaryDir>();
  QVERIFY(velora::testing::FillDataFolder(*data_));
  problems_.clear();
  velora::gui::SetProblemRecorder([this](const QString& text) { problems_ << text; });
  program_ = std::make_unique<Program>(data_->path().toStdString());
  program_->Start();
  QVERIFY(QTest::qWaitForWindowExposed(&program_->mainWindow()));
}

void MainWindowTest::cleanup() {
  program_.reset();
  velora::gui::SetProblemRecorder(nullptr);
}

QWidget* MainWindowTest::Window(const char* name) {
  if (program_->mainWindow().objectName() == name) return &program_->mainWindow();
  return program_->mainWindow().findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

template <typename T>
T* MainWindowTest::Control(const char* window, const char* name) {
  QWidget* owner = Window(window);
  return owner == nullptr ? nullptr : owner->findChild<T*>(name);
}

void MainWindowTest::Trigger(const QString& path) {
  QAction* action = program_->mainWindow().action(path);
  QVERIFY2(action != nullptr, qPrintable(path));
  action->trigger();
}

void MainWindowTest::SetSecondChart(int year, int monthIndex, int day, int hour, int minute) {
  Control<QSpinBox>("TID2", "SpinEdit1")->setValue(year);
  Control<QComboBox>("TID2", "ComboBox1")->setCurrentIndex(monthIndex);
  Control<QSpinBox>("TID2", "SpinEdit2")->setValue(day);
  Control<QSpinBox>("TID2", "SpinEdit3")->setValue(hour);
  Control<QSpinBox>("TID2", "SpinEdit4")->setValue(minute);
}

void MainWindowTest::startUpCreatesEveryWindowAndShowsOnlyTheMainOne() {
  QCOMPARE(program_->mainWindow().objectName(), QString("TForm1"));
  QCOMPARE(program_->mainWindow().windowTitle(), QString("Велора "));
  QVERIFY(program_->mainWindow().isVisible());
  const char* others[] = {"TDOM",  "TAspUst", "TID1",      "TID2",  "TPlanUst", "TProsm",
                          "TAspq", "TBase",   "TKalendar", "TDat2", "THsk"};
  for (const char* name : others) {
    QWidget* window = Window(name);
    QVERIFY2(window != nullptr, name);
    QVERIFY2(window->isWindow(), name);
    QVERIFY2(!window->isVisible(), name);
  }
  QVERIFY(Control<QGroupBox>("TForm1", "GroupBox1")->isVisible());
  QCOMPARE(Control<QLabel>("TForm1", "Label2")->text(), QString(" Велора 3.47м"));
  QVERIFY(!Control<QWidget>("TForm1", "Image1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  for (const char* button : {"Button2", "Button3", "Button4", "Button5", "Button6"}) {
    QVERIFY2(!Control<QPushButton>("TForm1", button)->isVisible(), button);
  }
  QVERIFY(problems_.isEmpty());
  QVERIFY(program_->workspace().chartKind.empty());
  // The picture follows LayoutMainWindow: W - 100 by H - 130.
  const QSize outer = program_->mainWindow().frameGeometry().size();
  QCOMPARE(program_->mainWindow().picture().image().size(),
           QSize(outer.width() - 100, outer.height() - 130));
  // The entry windows start with the defaults.
  QCOMPARE(Control<QSpinBox>("TID1", "SpinEdit1")->value(), 1980);
  QCOMPARE(Control<QComboBox>("TID1", "ComboBox1")->currentIndex(), -1);
  QCOMPARE(Control<QLineEdit>("TID1", "Edit2")->text(), QString("56.01"));
  QCOMPARE(Control<QLineEdit>("TID2", "Edit1")->text(), QString("Транзит"));
  QVERIFY(Control<QRadioButton>("THsk", "RadioButton2")->isChecked());
  QVERIFY(Control<QRadioButton>("TDOM", "RadioButton3")->isChecked());
}

void MainWindowTest::menuHasTheCaptionsOfEveryCommand() {
  QStringList topLevel;
  for (QAction* action : program_->mainWindow().menuBar()->actions()) topLevel << action->text();
  QCOMPARE(topLevel, QStringList({"Карта", "Данные", "Установки", "Отдельные расчеты", "Справка",
                                  "Посмотреть", "Помощь"}));
  const QStringList paths = {"Карта/Радикс/Взрослый",
                             "Карта/Радикс/Детский",
                             "Карта/Добавить карту/Транзит/Классический",
                             "Карта/Добавить карту/Транзит/Медицинский",
                             "Карта/Добавить карту/Соляр",
                             "Карта/Добавить карту/Лунар",
                             "Карта/Добавить карту/Дирекции",
                             "Карта/Добавить карту/Синастрия/Ожидаем партнера",
                             "Карта/Добавить карту/Синастрия/Кармическая",
                             "Карта/Добавить карту/Синастрия/Эротическая",
                             "Карта/Добавить карту/Синастрия/Партнерство",
                             "Карта/Сохранить как...",
                             "Карта/Выход",
                             "Данные/1-й карты",
                             "Данные/2-й карты",
                             "Данные/База данных",
                             "Установки/Планеты",
                             "Установки/Дома",
                             "Установки/Аспекты",
                             "Установки/Шаг сканирования",
                             "Отдельные расчеты/Расчет усталости",
                             "Отдельные расчеты/Таблица транзитов",
                             "Справка/О программе",
                             "Справка/Время",
                             "Справка/Координаты",
                             "Посмотреть/Радикс",
                             "Посмотреть/Транзит",
                             "Посмотреть/Аспекты Радикса",
                             "Посмотреть/Аспекты Транзита",
                             "Посмотреть/Взаимные Аспекты",
                             "Помощь"};
  for (const QString& path : paths) {
    QAction* action = program_->mainWindow().action(path);
    QVERIFY2(action != nullptr, qPrintable(path));
    QCOMPARE(action->text(), path.section('/', -1));
  }
}

void MainWindowTest::adultRadixDrawsTheChart() {
  Trigger("Карта/Радикс/Взрослый");
  QVERIFY(problems_.isEmpty());
  QCOMPARE(QString::fromStdString(program_->workspace().chartKind), QString("Радикс"));
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  QVERIFY(!Control<QGroupBox>("TForm1", "GroupBox1")->isVisible());
  QPushButton* interpretation = Control<QPushButton>("TForm1", "Button4");
  QVERIFY(interpretation->isVisible());
  QCOMPARE(interpretation->text(), QString("Интерпретация"));
  QVERIFY(!Control<QPushButton>("TForm1", "Button3")->isVisible());
  QVERIFY(velora::testing::HasDrawing(program_->mainWindow().picture().image(), 2000));
}

void MainWindowTest::stepForwardCarriesTheMonth() {
  Trigger("Карта/Добавить карту/Транзит/Классический");
  QVERIFY(Window("TID2")->isVisible());
  SetSecondChart(2001, 1, 28, 12, 30);
  QPushButton* forward = Control<QPushButton>("TForm1", "Button3");
  QVERIFY(forward->isVisible());
  QCOMPARE(forward->text(), QString(">"));
  QTest::mouseClick(forward, Qt::LeftButton);
  QVERIFY(problems_.isEmpty());
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit2")->value(), 1);
  QCOMPARE(Control<QComboBox>("TID2", "ComboBox1")->currentText(), QString("Март"));
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit1")->value(), 2001);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit3")->value(), 12);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit4")->value(), 30);
  QVERIFY(!Window("TID2")->isVisible());
  QVERIFY(Control<QLabel>("TForm1", "Label1")->isVisible());
  QTest::mouseClick(Control<QPushButton>("TForm1", "Button2"), Qt::LeftButton);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit2")->value(), 28);
  QCOMPARE(Control<QComboBox>("TID2", "ComboBox1")->currentText(), QString("Февраль"));
}

void MainWindowTest::twentyFourHourStepsLandOnTheSameTime() {
  Trigger("Установки/Шаг сканирования");
  QVERIFY(Window("THsk")->isVisible());
  QVERIFY(QTest::qWaitForWindowExposed(Window("THsk")));
  // A radio button reacts to clicks on its indicator and caption, at its left.
  QRadioButton* hour = Control<QRadioButton>("THsk", "RadioButton3");
  QTest::mouseClick(hour, Qt::LeftButton, {}, QPoint(6, hour->height() / 2));
  QVERIFY(Control<QRadioButton>("THsk", "RadioButton3")->isChecked());
  Trigger("Карта/Добавить карту/Транзит/Классический");
  SetSecondChart(2001, 5, 15, 11, 30);
  QPushButton* forward = Control<QPushButton>("TForm1", "Button3");
  for (int press = 0; press < 24; ++press) QTest::mouseClick(forward, Qt::LeftButton);
  QVERIFY(problems_.isEmpty());
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit2")->value(), 16);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit3")->value(), 11);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit4")->value(), 30);
}

void MainWindowTest::transitCommandArrangesTheSecondChartWindow() {
  Trigger("Карта/Добавить карту/Соляр");
  QVERIFY(Window("TID2")->isVisible());
  QCOMPARE(Control<QLineEdit>("TID2", "Edit1")->text(), QString("Соляр"));
  QVERIFY(!Control<QComboBox>("TID2", "ComboBox1")->isVisible());
  QVERIFY(Control<QPushButton>("TID2", "Button3")->isVisible());
  QCOMPARE(Control<QLabel>("TID2", "Label6")->y(), 160);
  Trigger("Данные/2-й карты");
  QCOMPARE(Control<QLineEdit>("TID2", "Edit1")->text(), QString("2-я карта"));
  QCOMPARE(Control<QLabel>("TID2", "Label3")->text(), QString("Месяц"));
  QCOMPARE(Control<QLabel>("TID2", "Label6")->text(), QString("Время по Гринвичу "));
  QCOMPARE(Control<QLabel>("TID2", "Label6")->y(), 120);
  QCOMPARE(Control<QLabel>("TID2", "Label7")->text(), QString("Минут"));
  QVERIFY(Control<QPushButton>("TID2", "Button1")->isVisible());
  QVERIFY(!Control<QPushButton>("TID2", "Button3")->isVisible());
  QVERIFY(!Control<QPushButton>("TID2", "Button4")->isVisible());
  QTest::mouseClick(Control<QPushButton>("TID2", "Button1"), Qt::LeftButton);
  QVERIFY(problems_.isEmpty());
  QVERIFY(!Window("TID2")->isVisible());
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
  Trigger("Карта/Добавить карту/Лунар");
  QVERIFY(Control<QWidget>("TID2", "ListBox1")->isVisible());
  QCOMPARE(Control<QLabel>("TID2", "Label6")->y(), Control<QLabel>("TID2", "Label9")->y() - 20);
}

void MainWindowTest::latitudeThatIsNotANumberIsMarkedAndStopsTheCommand() {
  QLineEdit* latitude = Control<QLineEdit>("TID1", "Edit2");
  latitude->setText("56,01x");
  QVERIFY(!latitude->styleSheet().isEmpty());
  QVERIFY(latitude->toolTip().contains("Широта"));
  Trigger("Карта/Радикс/Взрослый");
  QCOMPARE(problems_.size(), 1);
  QVERIFY(problems_.front().contains("Широта"));
  QVERIFY(problems_.front().contains("«Исходные-Данные»"));
  QVERIFY(!problems_.front().contains("«2 -я Карта»"));
  latitude->setText("56.01");
  QVERIFY(latitude->styleSheet().isEmpty());
  Trigger("Карта/Радикс/Взрослый");
  QCOMPARE(problems_.size(), 1);
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
}

void MainWindowTest::saveAsWritesABitmapThatLoadsBack() {
  Trigger("Карта/Радикс/Взрослый");
  QTemporaryDir output;
  QVERIFY(program_->mainWindow().SaveOutputTo(output.filePath("Chart1")));
  QImage saved(output.filePath("Chart1.bmp"));
  QVERIFY(!saved.isNull());
  QCOMPARE(saved.size(), program_->mainWindow().picture().image().size());
  QVERIFY(velora::testing::HasDrawing(saved, 2000));
  // A name that already ends in ".bmp" is kept as it is.
  QVERIFY(program_->mainWindow().SaveOutputTo(output.filePath("Karta.bmp")));
  QVERIFY(QFile::exists(output.filePath("Karta.bmp")));
  QVERIFY(!QFile::exists(output.filePath("Karta.bmp.bmp")));
  QVERIFY(!QFile::exists(output.filePath("Chart1.rtf")));
}

void MainWindowTest::saveAsWritesRichTextThatReadsBack() {
  Trigger("Справка/Время");
  QVERIFY(problems_.isEmpty());
  QVERIFY(Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "Image1")->isVisible());
  const std::vector<std::string> shown = program_->view().textLines;
  QVERIFY(shown.size() > 3);
  QTemporaryDir output;
  QVERIFY(program_->mainWindow().SaveOutputTo(output.filePath("Shriebe.rtf")));
  QVERIFY(!QFile::exists(output.filePath("Shriebe.rtf.rtf")));
  const std::string rtf = velora::ReadFileBytes(output.filePath("Shriebe.rtf").toStdString());
  QVERIFY(velora::LooksLikeRichText(rtf));
  QVERIFY(velora::LinesFromRichText(rtf) == shown);
  // The text view shows the same lines.
  QCOMPARE(Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText().split('\n').size(),
           static_cast<int>(shown.size()));
}

void MainWindowTest::referenceTextsAreShownOrReported() {
  Trigger("Справка/Координаты");
  QVERIFY(problems_.isEmpty());
  QVERIFY(Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText().contains("Москва"));
  QFile::remove(data_->filePath("Dann/Times.TXT"));
  Trigger("Справка/Время");
  QCOMPARE(problems_.size(), 1);
  QVERIFY(problems_.front().contains("Times.TXT"));
  // The text view keeps what it showed.
  QVERIFY(Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText().contains("Москва"));
}

void MainWindowTest::returnSearchesDrawFromTheSecondWindow() {
  Control<QComboBox>("TID1", "ComboBox1")->setCurrentIndex(0);
  QPushButton* interpretation = Control<QPushButton>("TForm1", "Button4");

  Trigger("Карта/Добавить карту/Соляр");
  QVERIFY(Window("TID2")->isVisible());
  Control<QSpinBox>("TID2", "SpinEdit1")->setValue(2026);
  Control<QPushButton>("TID2", "Button3")->click();
  QVERIFY(problems_.isEmpty());
  QVERIFY(!Window("TID2")->isVisible());
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
  QVERIFY(interpretation->isVisible() && interpretation->isEnabled());
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit2")->value(), 14);
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit3")->value(), 16);
  QVERIFY(Control<QPushButton>("TID2", "Button1")->isVisibleTo(Window("TID2")));

  Trigger("Карта/Добавить карту/Лунар");
  Control<QComboBox>("TID2", "ComboBox1")->setCurrentIndex(11);
  Control<QPushButton>("TID2", "Button4")->click();
  auto* list = Control<QListWidget>("TID2", "ListBox1");
  QCOMPARE(list->count(), 3);
  QCOMPARE(list->item(0)->text(), QString("  9.12.2026   13:59"));
  // The chosen entry stays chosen when the windows are brought up to date.
  list->setCurrentRow(1);
  program_->Sync();
  QCOMPARE(list->currentRow(), 1);
  emit list->itemActivated(list->item(1));
  QVERIFY(problems_.isEmpty());
  QVERIFY(!Window("TID2")->isVisible());
  QCOMPARE(Control<QSpinBox>("TID2", "SpinEdit2")->value(), 5);
  QCOMPARE(Control<QComboBox>("TID2", "ComboBox1")->currentIndex(), 0);
  QVERIFY(interpretation->isEnabled());
  QTest::mouseClick(interpretation, Qt::LeftButton);
  QVERIFY(Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText().startsWith("Лунар  "));
}

void MainWindowTest::interpretationReplacesThePictureWithTheText() {
  Control<QLineEdit>("TID1", "Edit1")->setText("Анна");
  Trigger("Карта/Радикс/Взрослый");
  QPushButton* interpretation = Control<QPushButton>("TForm1", "Button4");
  QVERIFY(interpretation->isVisible() && interpretation->isEnabled());
  QTest::mouseClick(interpretation, Qt::LeftButton);
  QVERIFY(problems_.isEmpty());
  QVERIFY(Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "Image1")->isVisible());
  QVERIFY(!interpretation->isVisible());
  const QString text = Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText();
  QVERIFY(text.startsWith("Описание карты гороскопа   Анна\n"));
  QVERIFY(text.contains("\nПоложение Планет в домах\n"));
  QVERIFY(text.contains("\nАспекты планет показывают\n"));

  QTest::mouseClick(Control<QPushButton>("TForm1", "Button5"), Qt::LeftButton);
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  QTest::mouseClick(Control<QPushButton>("TForm1", "Button6"), Qt::LeftButton);
  QVERIFY(Control<QWidget>("TForm1", "RichEdit1")->isVisible());
  QVERIFY(!Control<QWidget>("TForm1", "Image1")->isVisible());
}

void MainWindowTest::interpretationWaitsForKindsWithoutTextYet() {
  Trigger("Карта/Добавить карту/Синастрия/Кармическая");
  QPushButton* interpretation = Control<QPushButton>("TForm1", "Button4");
  QVERIFY(interpretation->isVisible());
  QVERIFY(!interpretation->isEnabled());
  QCOMPARE(interpretation->toolTip(), QString(velora::gui::kLaterVersionTip));
  Trigger("Карта/Радикс/Детский");
  QVERIFY(interpretation->isEnabled());
}

void MainWindowTest::aspectListSelectionIsLeftOnTheLastEntryByADrawing() {
  Trigger("Установки/Аспекты");
  QListWidget* list = Control<QListWidget>("TAspUst", "ListBox1");
  QCOMPARE(list->currentRow(), -1);
  QTest::mouseClick(Control<QPushButton>("TAspUst", "Button2"), Qt::LeftButton);
  QCOMPARE(list->count(), 5);  // nothing selected: nothing removed
  // Drawing the chart reads the list by walking its selection to the last entry.
  Trigger("Карта/Радикс/Взрослый");
  Trigger("Установки/Аспекты");
  QCOMPARE(list->currentRow(), 4);
  QTest::mouseClick(Control<QPushButton>("TAspUst", "Button2"), Qt::LeftButton);
  QCOMPARE(list->count(), 4);
  QCOMPARE(list->item(3)->text(), QString("120"));
}

void MainWindowTest::startWithoutPicturesSaysSoAndStillDraws() {
  program_.reset();
  QTemporaryDir empty;
  program_ = std::make_unique<Program>(empty.path().toStdString());
  program_->Start();
  QCOMPARE(problems_.size(), 1);
  QVERIFY(problems_.front().contains("Owen.bmp"));
  QVERIFY(program_->mainWindow().isVisible());
  Trigger("Карта/Радикс/Взрослый");
  QCOMPARE(problems_.size(), 1);
  QVERIFY(velora::testing::HasDrawing(program_->mainWindow().picture().image(), 2000));
  // The separation table reloads the pictures first, and stops when they are missing.
  Trigger("Посмотреть/Аспекты Радикса");
  QCOMPARE(problems_.size(), 2);
  QVERIFY(problems_.back().contains("Owen.bmp"));
}

void MainWindowTest::dateWindowsShowAndEditTheCoreDates() {
  velora::Workspace& workspace = program_->workspace();
  auto* first = Control<QDateEdit>("TKalendar", "DateEdit1");
  auto* second = Control<QDateEdit>("TKalendar", "DateEdit2");
  auto* warning = Control<QLabel>("TKalendar", "Label5");
  auto* directionsDate = Control<QDateEdit>("TDat2", "DateEdit1");
  auto* sixteen = Control<QRadioButton>("TDat2", "RadioButton2");
  QVERIFY(first && second && warning && directionsDate && sixteen);

  // What the core holds is what the windows show.
  workspace.settings.calendar.first = {6, 12, 2026};
  workspace.settings.calendar.second = {13, 12, 2026};
  workspace.settings.directions.date = {15, 1, 2010};
  workspace.settings.directions.aspectSet = velora::DirectionsAspectSet::kSixteen;
  program_->Sync();
  QCOMPARE(first->date(), QDate(2026, 12, 6));
  QCOMPARE(second->date(), QDate(2026, 12, 13));
  QCOMPARE(directionsDate->text(), QString("15.01.2010"));
  QVERIFY(sixteen->isChecked());
  QVERIFY(warning->isHidden());

  // What the user picks goes into the core; a second date before the first is flagged.
  second->setDate(QDate(2026, 12, 1));
  QCOMPARE(workspace.settings.calendar.second, (velora::DayDate{1, 12, 2026}));
  QVERIFY(!warning->isHidden());
  directionsDate->setDate(QDate(1999, 3, 8));
  QCOMPARE(workspace.settings.directions.DateText(), std::string("08.03.1999"));
  Control<QRadioButton>("TDat2", "RadioButton1")->setChecked(true);
  QVERIFY(workspace.settings.directions.aspectSet == velora::DirectionsAspectSet::kSixMajor);

  // The boxes hold only days of 1880..2050.
  directionsDate->setDate(QDate(1700, 1, 1));
  QCOMPARE(directionsDate->date(), QDate(1880, 1, 1));

  // Activation sets today's dates.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(Window("TKalendar"), &activate);
  QApplication::sendEvent(Window("TDat2"), &activate);
  QCOMPARE(first->date(), QDate::currentDate());
  QCOMPARE(second->date(), QDate::currentDate().addDays(7));
  QCOMPARE(workspace.settings.directions.date, velora::gui::Today());
}

void MainWindowTest::directionsComputeFromTheirWindow() {
  Control<QComboBox>("TID1", "ComboBox1")->setCurrentIndex(0);
  Trigger("Карта/Добавить карту/Дирекции");
  QVERIFY(Window("TDat2")->isVisible());
  Control<QDateEdit>("TDat2", "DateEdit1")->setDate(QDate(2026, 12, 8));
  QPushButton* compute = Control<QPushButton>("TDat2", "Button1");
  QVERIFY(compute->isEnabled());
  compute->click();
  QVERIFY(!Window("TDat2")->isVisible());
  QVERIFY(Control<QWidget>("TForm1", "Image1")->isVisible());
  QPushButton* interpretation = Control<QPushButton>("TForm1", "Button4");
  QVERIFY(interpretation->isVisible() && interpretation->isEnabled());
  QVERIFY(Control<QPlainTextEdit>("TForm1", "RichEdit1")
              ->toPlainText()
              .contains("Приращение =    46.90"));
}

void MainWindowTest::calendarComputesTheTransitTable() {
  Control<QComboBox>("TID1", "ComboBox1")->setCurrentIndex(0);
  Trigger("Отдельные расчеты/Таблица транзитов");
  QVERIFY(Window("TKalendar")->isVisible());
  Control<QDateEdit>("TKalendar", "DateEdit1")->setDate(QDate(2026, 12, 6));
  Control<QDateEdit>("TKalendar", "DateEdit2")->setDate(QDate(2026, 12, 13));
  Control<QPushButton>("TKalendar", "Button3")->click();
  QVERIFY(!Window("TKalendar")->isVisible());
  const QString text = Control<QPlainTextEdit>("TForm1", "RichEdit1")->toPlainText();
  QVERIFY(text.contains("Транзиты на Радикс 15.01.1980"));
  QVERIFY(text.contains("13.12.2026  воскресенье"));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
