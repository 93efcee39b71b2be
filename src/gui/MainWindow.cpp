#include "gui/MainWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/InterpretationCommand.h"
#include "app/MainLayout.h"
#include "app/OutputFiles.h"
#include "common/FileBytes.h"
#include "common/UserError.h"
#include "gui/GuiSupport.h"
#include "gui/PictureView.h"
#include "gui/Program.h"

namespace velora::gui {
namespace {

constexpr int kInitialWidthPixels = 571;
constexpr int kInitialHeightPixels = 466;
constexpr int kPictureLeftPixels = 8;
constexpr int kPictureTopPixels = 16;
constexpr int kTextLeftPixels = 24;
constexpr int kTextTopPixels = 4;
constexpr int kAboutWidthPixels = 330;
constexpr int kAboutHeightPixels = 140;

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption, int left,
                        int width) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setGeometry(left, 0, width, 25);
  button->hide();
  return button;
}

}  // namespace

MainWindow::MainWindow(Program& program) : program_(program) {
  setObjectName("TForm1");
  setWindowTitle("Велора ");
  resize(kInitialWidthPixels, kInitialHeightPixels);
  BuildMenu();
  BuildControls();
  Layout();
}

void MainWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName("ClientArea");
  setCentralWidget(client);

  picture_ = new PictureView(client, kInitialWidthPixels - 100, kInitialHeightPixels - 130);
  picture_->setObjectName("Image1");
  picture_->move(kPictureLeftPixels, kPictureTopPixels);
  picture_->hide();

  text_ = new QPlainTextEdit(client);
  text_->setObjectName("RichEdit1");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont fixedPitch("Courier");
  fixedPitch.setStyleHint(QFont::TypeWriter);
  fixedPitch.setFixedPitch(true);
  fixedPitch.setPixelSize(15);
  text_->setFont(fixedPitch);
  text_->hide();

  scanningLabel_ = new QLabel("Сканирование", client);
  scanningLabel_->setObjectName("Label1");
  scanningLabel_->move(kPictureLeftPixels, 0);
  scanningLabel_->adjustSize();
  scanningLabel_->hide();

  stepBack_ = MakeButton(client, "Button2", "<", 8, 40);
  stepForward_ = MakeButton(client, "Button3", ">", 52, 40);
  interpretation_ = MakeButton(client, "Button4", "Интерпретация", 110, 120);
  showPicture_ = MakeButton(client, "Button5", "Карта", 240, 80);
  showText_ = MakeButton(client, "Button6", "Текст", 326, 80);
  stepBack_->setToolTip("Вторая карта на шаг сканирования назад");
  stepForward_->setToolTip("Вторая карта на шаг сканирования вперёд");

  connect(stepBack_, &QPushButton::clicked, this,
          [this] { program_.Run([](CommandContext& c) { StepSecondChart(c, -1); }); });
  connect(stepForward_, &QPushButton::clicked, this,
          [this] { program_.Run([](CommandContext& c) { StepSecondChart(c, +1); }); });
  connect(interpretation_, &QPushButton::clicked, this,
          [this] { program_.Run(RunInterpretationCommand); });
  connect(showPicture_, &QPushButton::clicked, this, [this] { program_.Run(ShowPictureView); });
  connect(showText_, &QPushButton::clicked, this, [this] { program_.Run(ShowTextView); });

  about_ = new QGroupBox(client);
  about_->setObjectName("GroupBox1");
  about_->setFixedSize(kAboutWidthPixels, kAboutHeightPixels);
  auto* aboutLines = new QVBoxLayout(about_);
  auto* title = new QLabel(" Велора 3.47м", about_);
  title->setObjectName("Label2");
  QFont titleFont("Microsoft Sans Serif");
  titleFont.setStyleHint(QFont::SansSerif);
  titleFont.setPixelSize(23);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setStyleSheet("color: #800080;");
  aboutLines->addWidget(title);
  const char* lines[] = {"Версия 3.47м", "Астрологическая рабочая станция", "© 2026 Велора"};
  const char* names[] = {"Label3", "Label4", "Label5"};
  for (int line = 0; line < 3; ++line) {
    auto* label = new QLabel(lines[line], about_);
    label->setObjectName(names[line]);
    aboutLines->addWidget(label);
  }
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& path,
                                std::function<void(CommandContext&)> command) {
  const QString caption = path.section('/', -1);
  QAction* action = menu->addAction(caption);
  actions_.insert(path, action);
  connect(action, &QAction::triggered, this,
          [this, run = std::move(command)] { program_.Run(run); });
  return action;
}

void MainWindow::BuildMenu() {
  QMenuBar* bar = menuBar();
  QMenu* chart = bar->addMenu("Карта");
  QMenu* radix = chart->addMenu("Радикс");
  AddCommand(radix, "Карта/Радикс/Взрослый", RunAdultRadix);
  AddCommand(radix, "Карта/Радикс/Детский", RunChildRadix);
  QMenu* addChart = chart->addMenu("Добавить карту");
  QMenu* transit = addChart->addMenu("Транзит");
  AddCommand(transit, "Карта/Добавить карту/Транзит/Классический", RunClassicTransit);
  AddCommand(transit, "Карта/Добавить карту/Транзит/Медицинский", RunMedicalTransit);
  AddCommand(addChart, "Карта/Добавить карту/Соляр", RunSolarReturn);
  AddCommand(addChart, "Карта/Добавить карту/Лунар", RunLunarReturn);
  AddCommand(addChart, "Карта/Добавить карту/Дирекции", RunDirections);
  QMenu* synastry = addChart->addMenu("Синастрия");
  AddCommand(synastry, "Карта/Добавить карту/Синастрия/Ожидаем партнера", RunPartnerWaiting);
  AddCommand(synastry, "Карта/Добавить карту/Синастрия/Кармическая", RunKarmicSynastry);
  AddCommand(synastry, "Карта/Добавить карту/Синастрия/Эротическая", RunEroticSynastry);
  AddCommand(synastry, "Карта/Добавить карту/Синастрия/Партнерство", RunPartnershipSynastry);
  QAction* saveAs = chart->addAction("Сохранить как...");
  actions_.insert("Карта/Сохранить как...", saveAs);
  connect(saveAs, &QAction::triggered, this, &MainWindow::SaveAs);
  QAction* quit = chart->addAction("Выход");
  actions_.insert("Карта/Выход", quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);

  QMenu* chartData = bar->addMenu("Данные");
  AddCommand(chartData, "Данные/1-й карты", RunFirstChartData);
  AddCommand(chartData, "Данные/2-й карты", RunSecondChartData);
  AddCommand(chartData, "Данные/База данных", RunDatabase);

  QMenu* settings = bar->addMenu("Установки");
  AddCommand(settings, "Установки/Планеты", RunItemSettings);
  AddCommand(settings, "Установки/Дома", RunHouseSettings);
  AddCommand(settings, "Установки/Аспекты", RunAspectSettings);
  AddCommand(settings, "Установки/Шаг сканирования", RunScanStepSettings);

  QMenu* separate = bar->addMenu("Отдельные расчеты");
  AddCommand(separate, "Отдельные расчеты/Расчет усталости", RunFatigueCalendar);
  AddCommand(separate, "Отдельные расчеты/Таблица транзитов", RunTransitTable);

  QMenu* reference = bar->addMenu("Справка");
  AddCommand(reference, "Справка/О программе", RunAbout);
  QAction* times = reference->addAction("Время");
  actions_.insert("Справка/Время", times);
  connect(times, &QAction::triggered, this, [this] { ShowReference("Times.TXT"); });
  QAction* places = reference->addAction("Координаты");
  actions_.insert("Справка/Координаты", places);
  connect(places, &QAction::triggered, this, [this] { ShowReference("Gorod.TXT"); });

  QMenu* look = bar->addMenu("Посмотреть");
  AddCommand(look, "Посмотреть/Радикс", RunListRadix);
  AddCommand(look, "Посмотреть/Транзит", RunListTransit);
  AddCommand(look, "Посмотреть/Аспекты Радикса", RunRadixAspectGrid);
  AddCommand(look, "Посмотреть/Аспекты Транзита", RunTransitAspectGrid);
  AddCommand(look, "Посмотреть/Взаимные Аспекты", RunCrossAspectGrid);

  QAction* help = bar->addAction("Помощь");
  actions_.insert("Помощь", help);
  connect(help, &QAction::triggered, this, &MainWindow::ShowHelp);
}

void MainWindow::ApplyView(const MainViewState& view) {
  picture_->setVisible(view.pictureVisible);
  picture_->update();
  text_->setVisible(view.textVisible);
  about_->setVisible(view.aboutVisible);
  scanningLabel_->setVisible(view.scanningLabelVisible);
  stepBack_->setVisible(view.stepBackVisible);
  stepForward_->setVisible(view.stepForwardVisible);
  interpretation_->setVisible(view.interpretationVisible);
  interpretation_->setEnabled(view.interpretationEnabled);
  interpretation_->setToolTip(view.interpretationEnabled ? QString() : kLaterVersionTip);
  showPicture_->setVisible(view.showPictureVisible);
  showText_->setVisible(view.showTextVisible);
  if (view.textRevision != shownTextRevision_) {
    QStringList lines;
    for (const std::string& line : view.textLines) lines << FromUtf8(line);
    text_->setPlainText(lines.join('\n'));
    shownTextRevision_ = view.textRevision;
  }
}

void MainWindow::Layout() {
  if (picture_ == nullptr) return;
  const QSize outer = frameGeometry().size();
  const MainLayout layout =
      LayoutMainWindow(outer.width(), outer.height(), about_->width(), about_->height());
  picture_->ResizePicture(layout.viewWidthPixels, layout.viewHeightPixels);
  picture_->move(kPictureLeftPixels, kPictureTopPixels);
  text_->setGeometry(kTextLeftPixels, kTextTopPixels, layout.viewWidthPixels,
                     layout.viewHeightPixels);
  for (QPushButton* button : {stepBack_, stepForward_, interpretation_, showPicture_, showText_}) {
    button->move(button->x(), layout.buttonTopPixels);
  }
  scanningLabel_->move(scanningLabel_->x(), layout.scanningLabelTopPixels);
  about_->move(layout.aboutLeftPixels, layout.aboutTopPixels);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  Layout();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Layout();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, whatever other windows are open.
  event->accept();
  QCoreApplication::quit();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Layout();
    DeleteActivationFile(QDir::currentPath().toStdString());
  }
  return QMainWindow::event(event);
}

void MainWindow::SaveAs() {
  MainViewState& view = program_.view();
  view.aboutVisible = false;
  ApplyView(view);
  const SaveProposal proposal = ProposeSaveName(view);
  const QStringList filters = {"rtf (*.rtf)", "bmp (*.bmp)", "все (*.*)"};
  QFileDialog dialog(this, "Сохранить как");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(proposal.filterIndex - 1));
  dialog.setDirectory(QDir::current());
  dialog.selectFile(FromUtf8(proposal.fileName));
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  Layout();
  if (!confirmed || dialog.selectedFiles().isEmpty()) return;
  SaveOutputTo(dialog.selectedFiles().front());
}

bool MainWindow::SaveOutputTo(const QString& chosenName) {
  const MainViewState& view = program_.view();
  if (!view.textVisible && !view.pictureVisible) {
    ReportProblem(this, "Сохранить как",
                  "Сохранять нечего: сейчас не показаны ни карта, ни текст.");
    return false;
  }
  const SaveTargets targets =
      SaveTargetsFor(ToUtf8(chosenName), view.textVisible, view.pictureVisible);
  bool allWritten = true;
  if (targets.richTextFile) {
    try {
      SaveTextAsRichText(view.textLines, *targets.richTextFile);
    } catch (const UserError& error) {
      ReportProblem(this, "Сохранить как", FromUtf8(error.what()));
      allWritten = false;
    }
  }
  if (targets.pictureFile) {
    const QString file = FromUtf8(targets.pictureFile->string());
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly) || !picture_->image().save(&buffer, "BMP")) {
      ReportProblem(this, "Сохранить как", "Не удалось записать рисунок в файл " + file);
      allWritten = false;
    } else {
      try {
        WriteFileAtomically(
            *targets.pictureFile,
            std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
      } catch (const UserError& error) {
        ReportProblem(this, "Сохранить как", FromUtf8(error.what()));
        allWritten = false;
      }
    }
  }
  return allWritten;
}

void MainWindow::ShowReference(const char* fileName) {
  program_.Run([fileName](CommandContext& context) {
    ShowReferenceText(context.workspace, context.view, fileName);
  });
}

void MainWindow::ShowHelp() {
  const std::filesystem::path dataDirectory = program_.workspace().resources.dataDirectory;
  const auto page = FindHelpPage(QDir::currentPath().toStdString(), dataDirectory);
  if (!page) {
    ReportProblem(this, "Помощь",
                  "Страница помощи Dann/Help/Help.htm не найдена ни в текущей папке (" +
                      QDir::currentPath() + "), ни в папке данных (" +
                      FromUtf8(dataDirectory.string()) + ").");
    return;
  }
  const QString file = FromUtf8(page->string());
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
    ReportProblem(this, "Помощь",
                  "Не удалось открыть страницу помощи " + file +
                      " в браузере: в системе не настроена программа для просмотра страниц. "
                      "Откройте этот файл в браузере вручную.");
  }
}

}  // namespace velora::gui
