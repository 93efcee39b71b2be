// The chart database window with the entry windows, on a data folder of the test's own.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <string>

#include "GuiTestSupport.h"
#include "common/Cp1251.h"
#include "gui/DatabaseWindow.h"
#include "gui/GuiSupport.h"
#include "gui/MainWindow.h"
#include "gui/Program.h"

using velora::gui::Program;

namespace {

QByteArray Cp1251Lines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += QByteArray::fromStdString(velora::Utf8ToCp1251(line.toStdString())) + "\r\n";
  }
  return bytes;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class DatabaseWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void openShowsEveryLineAndTheFile();
  void takeIntoTheSecondChart();
  void takeKeepsNamesWithBlanksAndNegativeCoordinates();
  void saveAppendsTheRecordByteForByte();
  void savedChartReadsBackTheSame();
  void deleteTouchesOnlyTheListUntilSaved();
  void nothingSelectedDoesNothing();
  void keysDeleteAndTake();
  void missingFileOpensEmptyAndTheFirstSaveCreatesIt();
  void failedWriteKeepsTheOldFile();

 private:
  QString DatabaseFile() const { return data_->filePath("Dann/Basa.TXT"); }
  template <typename T>
  T* Control(QWidget* window, const char* name) {
    return window->findChild<T*>(name);
  }
  QWidget* Base() { return &program_->databaseWindow(); }
  QWidget* First() { return program_->mainWindow().findChild<QWidget*>("TID1"); }
  QWidget* Second() { return program_->mainWindow().findChild<QWidget*>("TID2"); }
  QListWidget* List() { return Control<QListWidget>(Base(), "ListBox1"); }
  void OpenFromMenu();
  void DoubleClickRow(int row);

  std::unique_ptr<QTemporaryDir> data_;
  std::unique_ptr<Program> program_;
  QStringList problems_;
  const QStringList examples_ = {"Ж ;  1. 1.2000 0:0 55.45 37.37 Гостья",
                                 "М ;  5. 6.1980 9:7 56.5 92.45 Новый клиент",
                                 "М ; 15. 0.1980 12:30 -33.55 -0.30 Юг", ""};
};

void DatabaseWindowTest::init() {
  data_ = std::make_unique<QTemporaryDir>();
  QVERIFY(velora::testing::FillDataFolder(*data_));
  QFile file(DatabaseFile());
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(Cp1251Lines(examples_));
  file.close();
  problems_.clear();
  velora::gui::SetProblemRecorder([this](const QString& text) { problems_ << text; });
  program_ = std::make_unique<Program>(data_->path().toStdString());
  program_->Start();
}

void DatabaseWindowTest::cleanup() {
  program_.reset();
  velora::gui::SetProblemRecorder(nullptr);
}

void DatabaseWindowTest::OpenFromMenu() {
  program_->mainWindow().action("Данные/База данных")->trigger();
  QVERIFY(Base()->isVisible());
  QVERIFY(QTest::qWaitForWindowExposed(Base()));
}

void DatabaseWindowTest::DoubleClickRow(int row) {
  QListWidget* list = List();
  const QRect line = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
}

void DatabaseWindowTest::openShowsEveryLineAndTheFile() {
  OpenFromMenu();
  QCOMPARE(Base()->objectName(), QString("TBase"));
  QCOMPARE(Base()->windowTitle(), QString("База данных"));
  QCOMPARE(List()->count(), 4);
  for (int row = 0; row < 4; ++row) QCOMPARE(List()->item(row)->text(), examples_[row]);
  QVERIFY(Control<QLabel>(Base(), "StatusLabel")->text().contains("Basa.TXT"));
  QCOMPARE(Control<QPushButton>(Base(), "Button1")->text(), QString("Удалить запись"));
  QCOMPARE(Control<QPushButton>(Base(), "Button3")->text(), QString("Сохранить изменения"));
  QCOMPARE(Control<QLabel>(Base(), "Label1")->text(), QString("Вставлять "));
  QVERIFY(Control<QRadioButton>(Base(), "RadioButton1")->isChecked());
  QVERIFY(problems_.isEmpty());
}

void DatabaseWindowTest::takeIntoTheSecondChart() {
  OpenFromMenu();
  Control<QRadioButton>(Base(), "RadioButton2")->setChecked(true);
  DoubleClickRow(0);
  QVERIFY(!Base()->isVisible());
  QCOMPARE(Control<QSpinBox>(Second(), "SpinEdit2")->value(), 1);
  QCOMPARE(Control<QComboBox>(Second(), "ComboBox1")->currentText(), QString("Январь"));
  QCOMPARE(Control<QSpinBox>(Second(), "SpinEdit1")->value(), 2000);
  QCOMPARE(Control<QSpinBox>(Second(), "SpinEdit3")->value(), 0);
  QCOMPARE(Control<QSpinBox>(Second(), "SpinEdit4")->value(), 0);
  QCOMPARE(Control<QLineEdit>(Second(), "Edit2")->text(), QString("55.45"));
  QCOMPARE(Control<QLineEdit>(Second(), "Edit3")->text(), QString("37.37"));
  QCOMPARE(Control<QLineEdit>(Second(), "Edit1")->text(), QString("Гостья"));
  QVERIFY(Control<QRadioButton>(Second(), "RadioButton2")->isChecked());
  // The first chart is untouched.
  QCOMPARE(Control<QLineEdit>(First(), "Edit1")->text(), QString());
}

void DatabaseWindowTest::takeKeepsNamesWithBlanksAndNegativeCoordinates() {
  OpenFromMenu();
  DoubleClickRow(1);
  QCOMPARE(Control<QLineEdit>(First(), "Edit1")->text(), QString("Новый клиент"));
  // One digit after the point is read as minutes: 56.5 is 56°05'.
  QCOMPARE(Control<QLineEdit>(First(), "Edit2")->text(), QString("56.05"));
  QCOMPARE(Control<QSpinBox>(First(), "SpinEdit3")->value(), 9);
  QCOMPARE(Control<QSpinBox>(First(), "SpinEdit4")->value(), 7);
  QVERIFY(Control<QRadioButton>(First(), "RadioButton1")->isChecked());
  OpenFromMenu();
  DoubleClickRow(2);
  QCOMPARE(Control<QLineEdit>(First(), "Edit2")->text(), QString("-33.55"));
  QCOMPARE(Control<QLineEdit>(First(), "Edit3")->text(), QString("-0.30"));
  QCOMPARE(Control<QComboBox>(First(), "ComboBox1")->currentIndex(), -1);
  QCOMPARE(Control<QLineEdit>(First(), "Edit1")->text(), QString("Юг"));
}

void DatabaseWindowTest::saveAppendsTheRecordByteForByte() {
  QWidget* first = First();
  Control<QLineEdit>(first, "Edit1")->setText("Клиент");
  Control<QSpinBox>(first, "SpinEdit2")->setValue(5);
  Control<QComboBox>(first, "ComboBox1")->setCurrentIndex(5);
  Control<QSpinBox>(first, "SpinEdit1")->setValue(1980);
  Control<QSpinBox>(first, "SpinEdit3")->setValue(9);
  Control<QSpinBox>(first, "SpinEdit4")->setValue(7);
  Control<QPushButton>(first, "Button3")->click();
  QVERIFY(problems_.isEmpty());
  QVERIFY(Base()->isVisible());
  QCOMPARE(List()->count(), 5);
  QCOMPARE(FileBytes(DatabaseFile()),
           Cp1251Lines(examples_ + QStringList{"М ;  5. 6.1980 9:7 56.01 92.45 Клиент"}));
}

void DatabaseWindowTest::savedChartReadsBackTheSame() {
  QWidget* first = First();
  Control<QLineEdit>(first, "Edit1")->setText("Новый клиент");
  Control<QRadioButton>(first, "RadioButton2")->setChecked(true);
  Control<QLineEdit>(first, "Edit2")->setText("-33.5");
  Control<QLineEdit>(first, "Edit3")->setText("-70.4");
  Control<QComboBox>(first, "ComboBox1")->setCurrentIndex(11);
  Control<QSpinBox>(first, "SpinEdit2")->setValue(31);
  Control<QPushButton>(first, "Button3")->click();
  QVERIFY(problems_.isEmpty());
  // Written with two decimals, so the place comes back as it was typed.
  QVERIFY(FileBytes(DatabaseFile())
              .endsWith(Cp1251Lines({"Ж ; 31.12.1980 12:30 -33.50 -70.40 Новый клиент"})));
  Control<QRadioButton>(Base(), "RadioButton2")->setChecked(true);
  DoubleClickRow(List()->count() - 1);
  QWidget* second = Second();
  QCOMPARE(Control<QLineEdit>(second, "Edit1")->text(), QString("Новый клиент"));
  QCOMPARE(Control<QLineEdit>(second, "Edit2")->text(), QString("-33.50"));
  QCOMPARE(Control<QLineEdit>(second, "Edit3")->text(), QString("-70.40"));
  QCOMPARE(Control<QSpinBox>(second, "SpinEdit2")->value(), 31);
  QCOMPARE(Control<QComboBox>(second, "ComboBox1")->currentText(), QString("Декабрь"));
  QCOMPARE(Control<QSpinBox>(second, "SpinEdit1")->value(), 1980);
  QCOMPARE(Control<QSpinBox>(second, "SpinEdit3")->value(), 12);
  QCOMPARE(Control<QSpinBox>(second, "SpinEdit4")->value(), 30);
  QVERIFY(Control<QRadioButton>(second, "RadioButton2")->isChecked());
}

void DatabaseWindowTest::deleteTouchesOnlyTheListUntilSaved() {
  OpenFromMenu();
  const QByteArray before = FileBytes(DatabaseFile());
  List()->setCurrentRow(0);
  Control<QPushButton>(Base(), "Button1")->click();
  QCOMPARE(List()->count(), 3);
  QCOMPARE(List()->item(0)->text(), examples_[1]);
  QCOMPARE(FileBytes(DatabaseFile()), before);
  // Taking another entry without saving leaves the file as it was.
  DoubleClickRow(0);
  QCOMPARE(FileBytes(DatabaseFile()), before);
  OpenFromMenu();
  QCOMPARE(List()->count(), 4);
  List()->setCurrentRow(0);
  Control<QPushButton>(Base(), "Button1")->click();
  Control<QPushButton>(Base(), "Button3")->click();
  QVERIFY(problems_.isEmpty());
  QCOMPARE(FileBytes(DatabaseFile()), Cp1251Lines(examples_.mid(1)));
}

void DatabaseWindowTest::nothingSelectedDoesNothing() {
  OpenFromMenu();
  List()->clearSelection();
  Control<QPushButton>(Base(), "Button1")->click();
  QCOMPARE(List()->count(), 4);
  program_->databaseWindow().Take(-1);
  program_->databaseWindow().Take(4);
  QVERIFY(Base()->isVisible());
  QVERIFY(problems_.isEmpty());
}

void DatabaseWindowTest::keysDeleteAndTake() {
  OpenFromMenu();
  List()->setFocus();
  List()->setCurrentRow(0);
  QTest::keyClick(List(), Qt::Key_Delete);
  QCOMPARE(List()->count(), 3);
  List()->setCurrentRow(1);
  QTest::keyClick(List(), Qt::Key_Return);
  QVERIFY(!Base()->isVisible());
  QCOMPARE(Control<QLineEdit>(First(), "Edit1")->text(), QString("Юг"));
}

void DatabaseWindowTest::missingFileOpensEmptyAndTheFirstSaveCreatesIt() {
  QVERIFY(QFile::remove(DatabaseFile()));
  OpenFromMenu();
  QCOMPARE(List()->count(), 0);
  QVERIFY(Control<QLabel>(Base(), "StatusLabel")->text().contains("не найден"));
  // A double-click on the empty list does nothing.
  QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QVERIFY(Base()->isVisible());
  Control<QPushButton>(First(), "Button3")->click();
  QVERIFY(problems_.isEmpty());
  QCOMPARE(FileBytes(DatabaseFile()), Cp1251Lines({"М ; 15. 0.1980 12:30 56.01 92.45 "}));
}

void DatabaseWindowTest::failedWriteKeepsTheOldFile() {
  OpenFromMenu();
  const QByteArray before = FileBytes(DatabaseFile());
  // A child process whose files may not grow beyond 16 bytes: every write of the database fails
  // there as on a full disk (permissions would not stop the tests, which may run as root).
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
    const bool saved = program_->databaseWindow().SaveChanges();
    const bool reported = problems_.size() == 1 && problems_.front().contains("Basa.TXT");
    Control<QPushButton>(First(), "Button3")->click();
    const bool chartReported = problems_.size() == 2 && List()->count() == 4;
    _exit(!saved && reported && chartReported ? 0 : 1);
  }
  QVERIFY(child > 0);
  int status = 0;
  QCOMPARE(waitpid(child, &status, 0), child);
  QVERIFY(WIFEXITED(status));
  QCOMPARE(WEXITSTATUS(status), 0);
  QCOMPARE(FileBytes(DatabaseFile()), before);
  // No temporary file is left beside it.
  const QStringList left =
      QDir(data_->filePath("Dann")).entryList({"*Basa*"}, QDir::Files | QDir::Hidden);
  QCOMPARE(left, QStringList{"Basa.TXT"});
}

QTEST_MAIN(DatabaseWindowTest)
#include "DatabaseWindowTest.moc"
