#include "charts/DatabaseRecord.h"

#include <cstdio>
#include <cstdlib>

#include "common/DecimalText.h"

namespace velora {
namespace {

std::string RightAligned(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%*d", width, value);
  return text;
}

// Any finite coordinate, however large, is written whole (1e308 needs over 300 characters).
std::string TwoDecimals(double value) {
  const int length = std::snprintf(nullptr, 0, "%.2f", value);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, "%.2f", value);
  return text;
}

// Removes the first `count` characters of UTF-8 text.
std::string_view DropCharacters(std::string_view text, int count) {
  std::size_t pos = 0;
  for (int n = 0; n < count && pos < text.size(); ++n) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
  }
  return text.substr(pos);
}

// The text before the first `separator`, removed from `rest` together with the separator. When
// the separator is missing the field is empty and nothing is removed.
std::string_view TakeField(std::string_view& rest, char separator) {
  const std::size_t end = rest.find(separator);
  if (end == std::string_view::npos) return {};
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return field;
}

struct WholeNumber {
  int value = 0;
  bool negative = false;
};

// Leading blanks are ignored; anything but an optional minus and digits gives 0.
WholeNumber ParseWholeNumber(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  WholeNumber number;
  if (!field.empty() && field.front() == '-') {
    number.negative = true;
    field.remove_prefix(1);
  }
  if (field.empty() || field.size() > 9) return {};
  for (char c : field) {
    if (c < '0' || c > '9') return {};
    number.value = number.value * 10 + (c - '0');
  }
  if (number.negative) number.value = -number.value;
  return number;
}

std::string CoordinateFromFields(std::string_view degreesField, std::string_view minutesField) {
  const WholeNumber degrees = ParseWholeNumber(degreesField);
  const WholeNumber minutes = ParseWholeNumber(minutesField);
  double value = std::abs(degrees.value) + minutes.value / 100.0;
  if (degrees.negative && value != 0) value = -value;
  return TwoDecimals(value);
}

}  // namespace

std::string FormatDatabaseRecord(const ChartForm& form) {
  const double latitude = RequireDecimal(form.latitudeText, "Широта");
  const double longitude = RequireDecimal(form.longitudeText, "Долгота");
  std::string line = form.sex == Sex::kMale ? "М ; " : "Ж ; ";
  line += RightAligned(form.day(), 2) + "." + RightAligned(form.monthIndex() + 1, 2) + "." +
          RightAligned(form.year(), 4) + " " + std::to_string(form.hour()) + ":" +
          std::to_string(form.minute()) + " " + TwoDecimals(latitude) + " " +
          TwoDecimals(longitude) + " " + form.name;
  return line;
}

DatabaseRecordValues ParseDatabaseRecord(std::string_view line) {
  DatabaseRecordValues values;
  values.sex = line.substr(0, 2) == "М" ? Sex::kMale : Sex::kFemale;
  std::string_view rest = DropCharacters(line, 3);
  values.day = ParseWholeNumber(TakeField(rest, '.')).value;
  values.month = ParseWholeNumber(TakeField(rest, '.')).value;
  values.year = ParseWholeNumber(TakeField(rest, ' ')).value;
  values.hour = ParseWholeNumber(TakeField(rest, ':')).value;
  values.minute = ParseWholeNumber(TakeField(rest, ' ')).value;
  const std::string_view latitudeDegrees = TakeField(rest, '.');
  const std::string_view latitudeMinutes = TakeField(rest, ' ');
  values.latitudeText = CoordinateFromFields(latitudeDegrees, latitudeMinutes);
  const std::string_view longitudeDegrees = TakeField(rest, '.');
  const std::string_view longitudeMinutes = TakeField(rest, ' ');
  values.longitudeText = CoordinateFromFields(longitudeDegrees, longitudeMinutes);
  values.name = std::string(rest);
  return values;
}

void TakeDatabaseRecord(std::string_view line, ChartForm& form) {
  const DatabaseRecordValues values = ParseDatabaseRecord(line);
  form.setDay(values.day);
  form.setMonthIndex(values.month - 1);
  form.setYear(values.year);
  form.setHour(values.hour);
  form.setMinute(values.minute);
  form.latitudeText = values.latitudeText;
  form.longitudeText = values.longitudeText;
  form.name = values.name;
  form.sex = values.sex;
}

}  // namespace velora
