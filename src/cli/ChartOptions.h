#pragma once

#include <optional>
#include <set>
#include <string>

#include "charts/ChartForm.h"
#include "cli/CommandLine.h"
#include "ephemeris/HouseSystems.h"
#include "settings/DayDate.h"

namespace velora::cli {

// The chart options shared by the subcommands: --date, --time, --lat, --lon (each with an
// optional prefix, such as "second-" for a second chart).
std::set<std::string> ChartOptionNames(const std::string& prefix = "");

// Fills an entry form from the options, as typing into the entry window would; with a prefix
// (a second chart) latitude and longitude may be left out and keep the window's start values.
// Dates are
// YYYY-MM-DD or DD.MM.YYYY, times HH:MM with minute 0..60; every value must lie in the range of
// its control, and latitude and longitude must be decimal numbers.
ChartForm ChartFormFromOptions(const ParsedOptions& options, const std::string& prefix = "");

// A whole-number option within low..high; `fallback` when it is absent (nullopt: required).
int WholeNumberOption(const ParsedOptions& options, const std::string& name, int low, int high,
                      std::optional<int> fallback = std::nullopt);

// A time option (--second-time) HH:MM into the form's hour and minute, when it is given.
void ApplyTimeOption(const ParsedOptions& options, const std::string& name, ChartForm& form);

// --second-lat and --second-lon into the form when given; the window's place stays otherwise.
void ApplySecondPlace(const ParsedOptions& options, ChartForm& form);

// A day option (--to) in the forms of --date: a real calendar day of 1880..2050.
DayDate DayDateFromOption(const ParsedOptions& options, const std::string& name);

// --houses: one of M, A, P, K, S, L; P when absent.
HouseSystemCode HouseSystemFromOptions(const ParsedOptions& options);

}  // namespace velora::cli
