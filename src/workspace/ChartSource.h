#pragma once

namespace velora {

// The entry window a chart is read from: the first chart (the radix) or the second chart
// (transit moment, partner, return).
enum class ChartSource { kFirstChart, kSecondChart };

}  // namespace velora
