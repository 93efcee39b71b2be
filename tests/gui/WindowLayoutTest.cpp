// Every window opened and looked at: captions fit their controls and no two controls overlap.
// With VELORA_SHOT_DIR set, each window is also saved there as a PNG to look at by eye.

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/GuiSupport.h"
#include "gui/MainWindow.h"
#include "gui/Program.h"

using velora::gui::Program;

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void everyWindowFitsItsTexts_data();
  void everyWindowFitsItsTexts();
  void everyMenuShowsItsCaptions();

 private:
  std::unique_ptr<QTemporaryDir> data_;
  std::unique_ptr<Program> program_;
};

void WindowLayoutTest::init() {
  data_ = std::make_unique<QTemporaryDir>();
  QVERIFY(velora::testing::FillDataFolder(*data_));
  velora::gui::SetProblemRecorder([](const QString&) {});
  program_ = std::make_unique<Program>(data_->path().toStdString());
  program_->Start();
}

void WindowLayoutTest::cleanup() {
  program_.reset();
  velora::gui::SetProblemRecorder(nullptr);
}

void WindowLayoutTest::everyWindowFitsItsTexts_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QStringList>("commands");
  const auto row = [](const char* name, const char* window, QStringList commands) {
    QTest::newRow(name) << QString(window) << commands;
  };
  row("about", "TForm1", {});
  row("radix", "TForm1", {"Карта/Радикс/Взрослый"});
  row("transit", "TForm1",
      {"Карта/Добавить карту/Транзит/Классический", "Карта/Радикс/Взрослый",
       "Карта/Добавить карту/Транзит/Классический"});
  row("text", "TForm1", {"Справка/Координаты"});
  row("first chart", "TID1", {"Данные/1-й карты"});
  row("second chart", "TID2", {"Данные/2-й карты"});
  row("solar", "TID2", {"Карта/Добавить карту/Соляр"});
  row("lunar", "TID2", {"Карта/Добавить карту/Лунар"});
  row("houses", "TDOM", {"Установки/Дома"});
  row("items", "TPlanUst", {"Установки/Планеты"});
  row("aspects", "TAspUst", {"Установки/Аспекты"});
  row("step", "THsk", {"Установки/Шаг сканирования"});
  row("database", "TBase", {"Данные/База данных"});
  row("listing", "TProsm", {"Посмотреть/Радикс"});
  row("grid", "TAspq", {"Посмотреть/Аспекты Радикса"});
  row("cross grid", "TAspq", {"Посмотреть/Взаимные Аспекты"});
  row("calendar", "TKalendar", {"Отдельные расчеты/Расчет усталости"});
  row("directions", "TDat2", {"Карта/Добавить карту/Дирекции"});
}

void WindowLayoutTest::everyWindowFitsItsTexts() {
  QFETCH(QString, window);
  QFETCH(QStringList, commands);
  for (const QString& path : commands) program_->mainWindow().action(path)->trigger();
  QWidget* shown = window == "TForm1" ? &program_->mainWindow()
                                      : program_->mainWindow().findChild<QWidget*>(
                                            window, Qt::FindDirectChildrenOnly);
  QVERIFY(shown != nullptr);
  QVERIFY(shown->isVisible());
  QVERIFY(QTest::qWaitForWindowExposed(shown));

  const QString shots = qEnvironmentVariable("VELORA_SHOT_DIR");
  if (!shots.isEmpty()) {
    QDir().mkpath(shots);
    QString name = QTest::currentDataTag();
    name.replace(' ', '-');
    QVERIFY(shown->grab().save(shots + "/" + name + ".png"));
  }

  const QList<QWidget*> controls = shown->findChildren<QWidget*>();
  for (QWidget* control : controls) {
    if (!control->isVisible() || control->window() != shown) continue;
    const bool captioned =
        qobject_cast<QLabel*>(control) != nullptr || qobject_cast<QAbstractButton*>(control);
    if (!captioned || control->objectName().isEmpty()) continue;
    const QString what = window + "." + control->objectName();
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      // A push button needs room for its caption and a little margin on each side.
      const int captionWidth = button->fontMetrics().horizontalAdvance(button->text());
      QVERIFY2(button->width() >= captionWidth + 12, qPrintable(what));
    } else {
      QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(what));
    }
  }
  // Controls placed side by side in the same parent do not overlap.
  for (QWidget* a : controls) {
    for (QWidget* b : controls) {
      if (a >= b || !a->isVisible() || !b->isVisible() || a->parentWidget() != b->parentWidget())
        continue;
      if (a->objectName().isEmpty() || b->objectName().isEmpty()) continue;
      // Other windows (the dialogs the main window owns) have geometries of their own.
      if (a->window() != shown || b->window() != shown) continue;
      if (a->objectName() == "GroupBox1" || b->objectName() == "GroupBox1") continue;
      const QString pair = window + ": " + a->objectName() + " / " + b->objectName();
      QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(pair));
    }
  }
}

void WindowLayoutTest::everyMenuShowsItsCaptions() {
  const QString shots = qEnvironmentVariable("VELORA_SHOT_DIR");
  QList<QMenu*> menus;
  for (QAction* action : program_->mainWindow().menuBar()->actions()) {
    if (action->menu() != nullptr) menus << action->menu();
  }
  for (int index = 0; index < menus.size(); ++index) {
    QMenu* menu = menus[index];
    for (QAction* action : menu->actions()) {
      if (action->menu() != nullptr) menus << action->menu();
    }
    menu->popup(program_->mainWindow().mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    for (QAction* action : menu->actions()) {
      const int captionWidth = menu->fontMetrics().horizontalAdvance(action->text());
      QVERIFY2(menu->actionGeometry(action).width() > captionWidth, qPrintable(action->text()));
    }
    if (!shots.isEmpty()) QVERIFY(menu->grab().save(shots + QString("/menu-%1.png").arg(index)));
    menu->hide();
  }
  QCOMPARE(menus.size(), 10);
}

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
