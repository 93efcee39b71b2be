// velora: the desktop program.
//
//   velora [--data ПАПКА] [--run "Меню/Команда"]... [--show ИМЯ_ОКНА]...
//
// --data names the folder that holds Dann; without it the current folder is used when it holds
// Dann, else the data installed beside the program. --run presses menu commands after start and
// --show opens windows by their object name (TID1, TAspUst, ...); both serve checking the
// windows by eye.

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include "app/DataDirectory.h"
#include "gui/MainWindow.h"
#include "gui/Program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("velora");
  QApplication::setOrganizationName("Velora");
  QApplication::setApplicationVersion("3.47");

  QCommandLineParser parser;
  parser.setApplicationDescription("Велора — астрологическая рабочая станция");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dataOption("data", "Папка, в которой лежит Dann.", "ПАПКА");
  const QCommandLineOption runOption("run", "Выполнить команду меню после запуска.", "КОМАНДА");
  const QCommandLineOption showOption("show", "Открыть окно по имени после запуска.", "ОКНО");
  parser.addOptions({dataOption, runOption, showOption});
  parser.process(application);

  std::optional<std::filesystem::path> given;
  if (parser.isSet(dataOption)) {
    given = QDir(parser.value(dataOption)).absolutePath().toStdString();
  }
  const std::filesystem::path dataDirectory =
      velora::ResolveDataDirectory(given, QDir::currentPath().toStdString(),
                                   QCoreApplication::applicationDirPath().toStdString());

  velora::gui::Program program(dataDirectory);
  program.Start();

  const QStringList commands = parser.values(runOption);
  const QStringList windows = parser.values(showOption);
  QTimer::singleShot(0, [&program, commands, windows] {
    for (const QString& path : commands) {
      if (QAction* action = program.mainWindow().action(path)) action->trigger();
    }
    for (const QString& name : windows) {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) widget->show();
      }
    }
  });
  return application.exec();
}
