#include "cli/ChartOptions.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "common/DecimalText.h"

namespace velora::cli {
namespace {

int ParseWholeNumber(std::string_view text, const std::string& what) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw UsageError(what);
  }
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos <= text.size(); ++pos) {
    if (pos == text.size() || text[pos] == separator) {
      parts.push_back(text.substr(start, pos - start));
      start = pos + 1;
    }
  }
  return parts;
}

void RequireRange(int value, int low, int high, const std::string& what) {
  if (value < low || value > high) {
    throw UsageError(what + " " + std::to_string(value) + " вне допустимого промежутка " +
                     std::to_string(low) + ".." + std::to_string(high));
  }
}

void ApplyDate(const std::string& option, const std::string& text, ChartForm& form) {
  const std::string bad =
      "--" + option + ": дата «" + text + "» не в виде ГГГГ-ММ-ДД или ДД.ММ.ГГГГ";
  int year = 0, month = 0, day = 0;
  if (auto parts = Split(text, '-'); parts.size() == 3) {
    year = ParseWholeNumber(parts[0], bad);
    month = ParseWholeNumber(parts[1], bad);
    day = ParseWholeNumber(parts[2], bad);
  } else if (parts = Split(text, '.'); parts.size() == 3) {
    day = ParseWholeNumber(parts[0], bad);
    month = ParseWholeNumber(parts[1], bad);
    year = ParseWholeNumber(parts[2], bad);
  } else {
    throw UsageError(bad);
  }
  RequireRange(year, ChartForm::kMinYear, ChartForm::kMaxYear, "--" + option + ": год");
  RequireRange(month, 1, 12, "--" + option + ": месяц");
  RequireRange(day, ChartForm::kMinDay, ChartForm::kMaxDay, "--" + option + ": день");
  form.setYear(year);
  form.setMonthIndex(month - 1);
  form.setDay(day);
}

void ApplyTime(const std::string& option, const std::string& text, ChartForm& form) {
  const std::string bad = "--" + option + ": время «" + text + "» не в виде ЧЧ:ММ";
  auto parts = Split(text, ':');
  if (parts.size() != 2) throw UsageError(bad);
  const int hour = ParseWholeNumber(parts[0], bad);
  const int minute = ParseWholeNumber(parts[1], bad);
  RequireRange(hour, 0, ChartForm::kMaxHour, "--" + option + ": час");
  RequireRange(minute, 0, ChartForm::kMaxMinute, "--" + option + ": минуты");
  form.setHour(hour);
  form.setMinute(minute);
}

std::string CoordinateText(const ParsedOptions& options, const std::string& option,
                           const char* fieldName) {
  const std::string text = options.required(option);
  if (!ParseDecimal(text)) {
    throw UsageError("--" + option + ": " + fieldName + " «" + text + "» — не число");
  }
  return text;
}

}  // namespace

std::set<std::string> ChartOptionNames(const std::string& prefix) {
  return {prefix + "date", prefix + "time", prefix + "lat", prefix + "lon"};
}

ChartForm ChartFormFromOptions(const ParsedOptions& options, const std::string& prefix) {
  ChartForm form;
  ApplyDate(prefix + "date", options.required(prefix + "date"), form);
  ApplyTime(prefix + "time", options.required(prefix + "time"), form);
  // A second chart keeps the place its window starts with unless one is given.
  if (!prefix.empty()) {
    ApplySecondPlace(options, form);
    return form;
  }
  form.latitudeText = CoordinateText(options, "lat", "широта");
  form.longitudeText = CoordinateText(options, "lon", "долгота");
  return form;
}

int WholeNumberOption(const ParsedOptions& options, const std::string& name, int low, int high,
                      std::optional<int> fallback) {
  const std::optional<std::string> text = options.value(name);
  if (!text && fallback) return *fallback;
  const std::string given = options.required(name);
  const int value = ParseWholeNumber(given, "--" + name + ": «" + given + "» — не целое число");
  RequireRange(value, low, high, "--" + name + ":");
  return value;
}

void ApplyTimeOption(const ParsedOptions& options, const std::string& name, ChartForm& form) {
  if (const std::optional<std::string> text = options.value(name)) ApplyTime(name, *text, form);
}

void ApplySecondPlace(const ParsedOptions& options, ChartForm& form) {
  if (options.has("second-lat")) {
    form.latitudeText = CoordinateText(options, "second-lat", "широта");
  }
  if (options.has("second-lon")) {
    form.longitudeText = CoordinateText(options, "second-lon", "долгота");
  }
}

DayDate DayDateFromOption(const ParsedOptions& options, const std::string& name) {
  const std::string text = options.required(name);
  ChartForm form;
  ApplyDate(name, text, form);
  const DayDate date{form.day(), form.monthIndex() + 1, form.year()};
  if (!IsCalendarDay(date)) {
    throw UsageError("--" + name + ": дня «" + text + "» нет в календаре");
  }
  return date;
}

HouseSystemCode HouseSystemFromOptions(const ParsedOptions& options) {
  const std::string code = options.value("houses").value_or("P");
  if (code.size() != 1 || std::string_view("MAPKSL").find(code[0]) == std::string_view::npos) {
    throw UsageError("--houses: система домов «" + code + "» неизвестна (M, A, P, K, S или L)");
  }
  return code[0];
}

}  // namespace velora::cli
