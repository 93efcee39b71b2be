#pragma once

#include "workspace/ChartSource.h"

namespace velora {

// Whose bodies the wheel and the position list show: the first chart on the inner ring, the
// second chart or the directed chart on the outer ring.
enum class WheelChart { kFirstChart, kSecondChart, kDirectedChart };

// The ring a chart's bodies and cusps are drawn on: the inner ring inside the inner circle, the
// outer ring across and outside the outer circle.
enum class WheelRing { kInner, kOuter };

// Where a list of positions or cusps is written: on the chart picture or on the listing window.
enum class ListingPlace { kPicture, kListingWindow };

// The entry window behind a chart on the wheel; the directed chart is the first chart moved on,
// so its moment (and its daily motion) is the first chart's.
constexpr ChartSource SourceOf(WheelChart chart) {
  return chart == WheelChart::kSecondChart ? ChartSource::kSecondChart : ChartSource::kFirstChart;
}

constexpr WheelRing RingOf(WheelChart chart) {
  return chart == WheelChart::kFirstChart ? WheelRing::kInner : WheelRing::kOuter;
}

constexpr WheelRing RingOf(ChartSource source) {
  return source == ChartSource::kFirstChart ? WheelRing::kInner : WheelRing::kOuter;
}

// The chart on the wheel whose bodies come from a form.
constexpr WheelChart WheelChartOf(ChartSource source) {
  return source == ChartSource::kFirstChart ? WheelChart::kFirstChart : WheelChart::kSecondChart;
}

}  // namespace velora
