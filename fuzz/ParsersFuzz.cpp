// The number and date parsers and the chart options of the command-line tool: any text either
// gives a value or a usage error, and a number read from its own fixed-point text comes back.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/ChartOptions.h"
#include "common/DecimalText.h"
#include "common/UserError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::string_view text = fuzz::Text(data, size);
  if (const std::optional<double> value = ParseDecimal(text); value && std::isfinite(*value)) {
    char again[512];
    std::snprintf(again, sizeof again, "%.17g", *value);
    const std::optional<double> reread = ParseDecimal(again);
    fuzz::Require(reread && *reread == *value, "a number read back from its own text");
  }
  // The input split at zero bytes into option words for the chart options.
  std::vector<std::string> words{"--date"};
  std::string word;
  for (char c : text) {
    if (c == '\0') {
      words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  words.push_back(word);
  const std::vector<std::string> names = {"--time", "--lat", "--lon", "--houses", "--to"};
  for (std::size_t n = 2, name = 0; n < words.size() && name < names.size(); n += 2, ++name) {
    words.insert(words.begin() + static_cast<std::ptrdiff_t>(n), names[name]);
  }
  try {
    std::set<std::string> valueOptions = cli::ChartOptionNames();
    valueOptions.insert({"houses", "to"});
    const cli::ParsedOptions options(words, valueOptions, {});
    const ChartForm form = cli::ChartFormFromOptions(options);
    fuzz::Require(form.year() >= ChartForm::kMinYear && form.year() <= ChartForm::kMaxYear,
                  "a year outside the form's range");
    cli::HouseSystemFromOptions(options);
    if (options.has("to")) {
      const DayDate date = cli::DayDateFromOption(options, "to");
      fuzz::Require(IsCalendarDay(date), "a date the box cannot hold");
    }
  } catch (const UserError&) {
  } catch (const cli::UsageError&) {
  }
  return 0;
}
