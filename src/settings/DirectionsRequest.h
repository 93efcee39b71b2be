#pragma once

#include "settings/DayDate.h"

namespace velora {

// Which aspects the directions text looks for: the six major angles or sixteen.
enum class DirectionsAspectSet { kSixMajor, kSixteen };

// The directions window: the date to direct the chart to and the aspect set of its text. The
// date box holds "01.01.2002" until the window is first activated, then today's date.
struct DirectionsRequest {
  DayDate date{1, 1, 2002};
  DirectionsAspectSet aspectSet = DirectionsAspectSet::kSixMajor;

  // Each time the window becomes active the date becomes today (kept inside the box's range).
  void ResetTo(const DayDate& today) { date = ClampToDateBoxRange(today); }
  // The date box's text, as the directed chart's header and the texts show it.
  std::string DateText() const { return ShortDateText(date); }
};

}  // namespace velora
