#pragma once

#include "app/MainViewState.h"
#include "canvas/Canvas.h"
#include "workspace/ChartKinds.h"
#include "workspace/Workspace.h"

namespace velora {

// What the command flow draws on: the main window's picture (sized by LayoutMainWindow), the
// listing window and the separation-table window.
class CommandSurfaces {
 public:
  virtual ~CommandSurfaces() = default;
  // Lays the main window out: picture and text view W - 100 by H - 130, and so on.
  virtual void LayoutMainWindow() = 0;
  virtual Canvas& picture() = 0;
  virtual Canvas& listing() = 0;
  virtual Canvas& grid() = 0;
};

// One command's view of the program: the state it acts on and the surfaces it draws on.
struct CommandContext {
  Workspace& workspace;
  MainViewState& view;
  CommandSurfaces& surfaces;
};

// The main window's menu commands and buttons. Each acts on the workspace, the view state and
// the surfaces in the order of its row of the command table; a UserError (a latitude that is
// not a number, a missing file) ends it where it happens, and what was drawn until then stays.

// "Карта" / "Радикс"
void RunAdultRadix(CommandContext& context);  // "Взрослый"
void RunChildRadix(CommandContext& context);  // "Детский"
// "Карта" / "Добавить карту"
void RunClassicTransit(CommandContext& context);  // "Транзит" / "Классический"
void RunMedicalTransit(CommandContext& context);  // "Транзит" / "Медицинский"
void RunSolarReturn(CommandContext& context);     // "Соляр"
void RunLunarReturn(CommandContext& context);     // "Лунар"
void RunDirections(CommandContext& context);      // "Дирекции"
// "Карта" / "Добавить карту" / "Синастрия"
void RunPartnerWaiting(CommandContext& context);       // "Ожидаем партнера"
void RunKarmicSynastry(CommandContext& context);       // "Кармическая"
void RunEroticSynastry(CommandContext& context);       // "Эротическая"
void RunPartnershipSynastry(CommandContext& context);  // "Партнерство"
// "Данные"
void RunFirstChartData(CommandContext& context);   // "1-й карты"
void RunSecondChartData(CommandContext& context);  // "2-й карты"
void RunDatabase(CommandContext& context);  // "База данных" (shows the database window)
// "Установки"
void RunItemSettings(CommandContext& context);      // "Планеты"
void RunHouseSettings(CommandContext& context);     // "Дома"
void RunAspectSettings(CommandContext& context);    // "Аспекты"
void RunScanStepSettings(CommandContext& context);  // "Шаг сканирования"
// "Отдельные расчеты"
void RunFatigueCalendar(CommandContext& context);  // "Расчет усталости"
void RunTransitTable(CommandContext& context);     // "Таблица транзитов"
// "Справка"
void RunAbout(CommandContext& context);  // "О программе"
// "Посмотреть"
void RunListRadix(CommandContext& context);          // "Радикс"
void RunListTransit(CommandContext& context);        // "Транзит"
void RunRadixAspectGrid(CommandContext& context);    // "Аспекты Радикса"
void RunTransitAspectGrid(CommandContext& context);  // "Аспекты Транзита"
void RunCrossAspectGrid(CommandContext& context);    // "Взаимные Аспекты"

// Buttons of the main window.
void ShowPictureView(CommandContext& context);  // "Карта"
void ShowTextView(CommandContext& context);     // "Текст"
// "<" (direction -1) and ">" (direction +1): the second chart moved by the scan step and drawn
// around the first.
void StepSecondChart(CommandContext& context, int direction);

// "Добавить в карту" of the second chart window: the second chart drawn around the first; a
// classic transit without houses and with the caption "Транзит".
void ShowSecondChart(CommandContext& context);

// The step controls on: text view hidden; picture, "<", ">", "Интерпретация" and "Сканирование"
// shown.
void SwitchStepControlsOn(MainViewState& view);

// The text view emptied (one empty line, as a fresh view holds).
void EmptyTextView(MainViewState& view);

}  // namespace velora
