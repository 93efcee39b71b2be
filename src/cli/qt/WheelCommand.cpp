// velora-cli wheel: the chart picture of one chart, or of two charts drawn as "Добавить в карту"
// draws them, written as PNG or BMP.

#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "app/ChartPictures.h"
#include "app/Workspace.h"
#include "aspects/CrossAspects.h"
#include "cli/ChartOptions.h"
#include "cli/Commands.h"
#include "cli/DataDirectoryOption.h"
#include "render/QtCanvas.h"

namespace velora::cli {
namespace {

constexpr const char* kWheelUsage =
    "velora-cli wheel --date ГГГГ-ММ-ДД --time ЧЧ:ММ --lat ШИРОТА --lon ДОЛГОТА [--name ИМЯ]\n"
    "                 [--houses M|A|P|K|S|L] [--size 529x345]\n"
    "                 [--second-date … --second-time … --second-lat … --second-lon …\n"
    "                  [--second-name ИМЯ]]\n"
    "                 [--data ПАПКА] --out ФАЙЛ.png|ФАЙЛ.bmp\n"
    "  Рисует карту (время по Гринвичу). С параметрами --second-* вторая карта рисуется\n"
    "  вокруг первой, с её домами и взаимными аспектами. --data: папка, в которой лежит Dann\n"
    "  (по умолчанию текущая папка, если в ней есть Dann, иначе папка программы).\n";

constexpr int kDefaultWidthPixels = 529;
constexpr int kDefaultHeightPixels = 345;
constexpr int kLargestSidePixels = 10000;
constexpr int kSmallestSidePixels = 50;

struct PictureSize {
  int widthPixels = kDefaultWidthPixels;
  int heightPixels = kDefaultHeightPixels;
};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

PictureSize PictureSizeFromOptions(const ParsedOptions& options) {
  const std::optional<std::string> text = options.value("size");
  if (!text) return {};
  const std::size_t cross = text->find('x');
  const std::string bad = "--size: размер «" + *text + "» не в виде ШИРИНАxВЫСОТА (от " +
                          std::to_string(kSmallestSidePixels) + " до " +
                          std::to_string(kLargestSidePixels) + " точек)";
  if (cross == std::string::npos) throw UsageError(bad);
  const std::optional<int> width = WholeNumber(std::string_view(*text).substr(0, cross));
  const std::optional<int> height = WholeNumber(std::string_view(*text).substr(cross + 1));
  const auto fits = [](std::optional<int> side) {
    return side && *side >= kSmallestSidePixels && *side <= kLargestSidePixels;
  };
  if (!fits(width) || !fits(height)) throw UsageError(bad);
  return {*width, *height};
}

bool HasSecondChart(const ParsedOptions& options) {
  for (const std::string& name : ChartOptionNames("second-")) {
    if (options.has(name)) return true;
  }
  return options.has("second-name");
}

std::set<std::string> WheelValueOptions() {
  std::set<std::string> names = ChartOptionNames();
  names.merge(ChartOptionNames("second-"));
  names.insert({"name", "second-name", "houses", "size", "data", "out"});
  return names;
}

// Qt's own notes (a missing runtime folder and the like) would only clutter standard error;
// its fatal messages still end the program.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Qt paints text only with a GUI application object; without a display it uses the offscreen
// platform.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietQtMessages);
  const bool noDisplay = std::getenv("DISPLAY") == nullptr &&
                         std::getenv("WAYLAND_DISPLAY") == nullptr &&
                         std::getenv("QT_QPA_PLATFORM") == nullptr;
  if (noDisplay) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argumentCount = 1;
  static char programName[] = "velora-cli";
  static char* argumentValues[] = {programName, nullptr};
  static QGuiApplication application(argumentCount, argumentValues);
}

// The second chart around the first, as "Добавить в карту" draws it for a chart that is not a
// classic transit: with the second chart's houses and cusp list and without a caption.
void DrawTwoCharts(Workspace& workspace, Canvas& canvas) {
  DrawInnerChart(workspace, canvas);
  DrawCrossAspects(workspace, canvas);
  workspace.ReadChartInputFrom(2);
  DrawOuterChart(workspace, canvas, true);
}

}  // namespace

int RunWheelCommand(const std::vector<std::string>& arguments) {
  const ParsedOptions options(arguments, WheelValueOptions(), {"help"});
  if (options.has("help")) {
    std::cout << kWheelUsage;
    return kExitSuccess;
  }
  if (!options.positional().empty()) {
    throw UsageError("лишнее слово «" + options.positional().front() + "»");
  }
  Workspace workspace;
  workspace.firstChart = ChartFormFromOptions(options);
  workspace.firstChart.name = options.value("name").value_or("");
  const bool twoCharts = HasSecondChart(options);
  if (twoCharts) {
    workspace.secondChart = ChartFormFromOptions(options, "second-");
    workspace.secondChart.name = options.value("second-name").value_or("2-я карта");
  }
  workspace.houseSystem = HouseSystemFromOptions(options);
  const PictureSize size = PictureSizeFromOptions(options);
  const std::string outputFile = options.required("out");
  const std::filesystem::path dataDirectory = DataDirectoryFromOptions(options);

  EnsureGuiApplication();
  workspace.glyphs = LoadGlyphBitmaps(dataDirectory);
  QtCanvas canvas(size.widthPixels, size.heightPixels);
  if (twoCharts) {
    DrawTwoCharts(workspace, canvas);
  } else {
    DrawRadixPicture(workspace, canvas);
  }
  canvas.Save(outputFile);
  return kExitSuccess;
}

}  // namespace velora::cli
