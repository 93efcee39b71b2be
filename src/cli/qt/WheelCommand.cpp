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

#include "app/HeadlessSession.h"
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
  const ChartForm firstChart = ChartFormFromOptions(options);
  const bool twoCharts = HasSecondChart(options);
  const ChartForm secondChart = twoCharts ? ChartFormFromOptions(options, "second-") : ChartForm();
  const HouseSystemCode houseSystem = HouseSystemFromOptions(options);
  const PictureSize size = PictureSizeFromOptions(options);
  const std::string outputFile = options.required("out");
  const std::filesystem::path dataDirectory = DataDirectoryFromOptions(options);

  EnsureGuiApplication();
  QtCanvas canvas(size.widthPixels, size.heightPixels);
  HeadlessSession session(canvas);
  Workspace& workspace = session.workspace;
  workspace.resources.dataDirectory = dataDirectory;
  workspace.resources.glyphs = LoadGlyphBitmaps(dataDirectory);
  workspace.settings.houseSystem = houseSystem;
  workspace.forms.first = firstChart;
  workspace.forms.first.name = options.value("name").value_or("");
  if (twoCharts) {
    // "Данные" / "2-й карты", the second chart typed in, "Добавить в карту": drawn with its
    // houses and cusp list and without a caption, since no transit is chosen.
    RunSecondChartData(session.context);
    const std::string defaultName = workspace.forms.second.name;
    workspace.forms.second = secondChart;
    workspace.forms.second.name = options.value("second-name").value_or(defaultName);
    ShowSecondChart(session.context);
  } else {
    RunAdultRadix(session.context);
  }
  canvas.Save(outputFile);
  return kExitSuccess;
}

}  // namespace velora::cli
