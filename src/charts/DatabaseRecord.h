#pragma once

#include <string>
#include <string_view>

#include "charts/ChartForm.h"

namespace velora {

// One line of the chart database, as written:
//   "М ; " or "Ж ; ", day (width 2) ".", month (width 2) ".", year (width 4), " ",
//   hour ":" minute (no padding), " ", latitude, " ", longitude, " ", name to the end of the line.
// Latitude and longitude are degrees, a point and whole minutes ("56.01" is 56°01').

// The record of an entry form. The coordinates are written with exactly two decimals ("56.5" is
// written "56.50") so that reading the line back gives the chart that was saved. Throws
// UserError naming the field when a coordinate is not a number.
std::string FormatDatabaseRecord(const ChartForm& form);

// The values a line gives, read field by field from the front. A field whose separator is missing
// is empty and removes nothing; an empty or non-numeric numeric field gives 0.
struct DatabaseRecordValues {
  Sex sex = Sex::kMale;
  int day = 0;
  int month = 0;  // 1..12, 0 for none
  int year = 0;
  int hour = 0;
  int minute = 0;
  std::string latitudeText;  // always with two decimals, e.g. "56.05", "-0.30"
  std::string longitudeText;
  std::string name;
};

DatabaseRecordValues ParseDatabaseRecord(std::string_view line);

// Takes a line into an entry form in the order the window does it; values outside a control's
// range are clamped by the form.
void TakeDatabaseRecord(std::string_view line, ChartForm& form);

}  // namespace velora
