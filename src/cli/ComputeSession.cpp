#include "cli/ComputeSession.h"

#include <iostream>

#include "cli/ChartOptions.h"
#include "cli/SettingsOptions.h"

namespace velora::cli {

void ApplyFirstChartAndSettings(const ParsedOptions& options, Workspace& workspace) {
  workspace.forms.first = ChartFormFromOptions(options);
  workspace.settings.houseSystem = HouseSystemFromOptions(options);
  ApplySettingsOptions(options, workspace.settings);
}

void PrintLines(const std::vector<std::string>& lines, std::size_t first) {
  std::string text;
  for (std::size_t n = first; n < lines.size(); ++n) text += lines[n] + "\n";
  std::cout << text;
}

}  // namespace velora::cli
