#pragma once

#include <QMainWindow>
#include <QMap>
#include <functional>

#include "app/MainCommands.h"
#include "app/MainViewState.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace velora::gui {

class PictureView;
class Program;

// TForm1, the main window "Велора ": the menu, the chart picture Image1, the text view
// RichEdit1, the step buttons "<" ">", the buttons "Интерпретация", "Карта", "Текст" and the
// about box GroupBox1. It mirrors the view state after every command.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Program& program);

  // Shows and hides the controls as the view state says and refreshes the text view.
  void ApplyView(const MainViewState& view);

  // LayoutMainWindow: picture and text view W - 100 by H - 130, buttons at H - 90, the scanning
  // label at H - 106, the about box centred.
  void Layout();

  PictureView& picture() { return *picture_; }
  QPlainTextEdit& textView() { return *text_; }

  // A menu command by its path of captions, for example "Карта/Радикс/Взрослый".
  QAction* action(const QString& path) const { return actions_.value(path); }

  // "Сохранить как..." once the name is chosen: the text view as rich text and/or the picture as
  // a bitmap, whichever is visible. Returns whether everything was written; failures are
  // reported and leave existing files as they were.
  bool SaveOutputTo(const QString& chosenName);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildControls();
  QAction* AddCommand(QMenu* menu, const QString& path,
                      std::function<void(CommandContext&)> command);
  void SaveAs();
  void ShowReference(const char* fileName);
  void ShowHelp();

  Program& program_;
  QMap<QString, QAction*> actions_;
  PictureView* picture_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QLabel* scanningLabel_ = nullptr;
  QPushButton* stepBack_ = nullptr;
  QPushButton* stepForward_ = nullptr;
  QPushButton* interpretation_ = nullptr;
  QPushButton* showPicture_ = nullptr;
  QPushButton* showText_ = nullptr;
  QGroupBox* about_ = nullptr;
  int shownTextRevision_ = -1;
};

}  // namespace velora::gui
