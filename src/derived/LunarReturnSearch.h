#pragma once

#include <string>
#include <vector>

#include "charts/ChartForm.h"
#include "derived/SearchMoment.h"

namespace velora {

// One lunar return found: the moment as the window holds it after the search wrote it, and the
// line of the list, made from the unrounded calendar values of the exact moment.
struct LunarReturn {
  SearchMoment moment;
  std::string listEntry;
};

// The list line of a return at a Julian day: day (3 wide), ".", month (2), ".", year (4), three
// blanks, hour (2), ":", minute rounded half away from zero (2), all padded with blanks, such as
// « 15. 6.1980    9: 5». A minute that rounds to 60 is shown as «:60».
std::string LunarListEntry(double julianDay);

// Reads a list line back: the day before the first ".", the month before the next ".", the year
// before the next blank, the hour before ":" and the minute after it. Throws UserError when the
// line is not such an entry.
SearchMoment ReadLunarListEntry(const std::string& entry);

// The first three returns of the Moon to its longitude in the first chart after the moment 30
// days before the second window's chosen month, day and time: a scan by days, the step divided
// by 3 until the bracket lies within a degree of the target, and an interpolation. Moments are
// kept in whole minutes as the window would hold them; they may lie outside its years.
std::vector<LunarReturn> FindLunarReturns(const ChartForm& first, const ChartForm& second);

// The outcome of the search as the window shows it: the entries within the window's years and,
// when some fell outside, why the list is shorter.
struct LunarReturnList {
  std::vector<std::string> entries;
  std::string shortNotice;
};

// FindLunarReturns; the returns within the window's years are listed, and the last of them is
// written into `second` (name "Лунар"), where the search leaves the window. Throws UserError when
// the first chart or the second window has no month.
LunarReturnList LunarReturnSearch(const ChartForm& first, ChartForm& second);

}  // namespace velora
