#include "common/FixedDecimal.h"

#include <cmath>
#include <cstdio>

namespace velora {
namespace {

void AppendPadded(std::string& out, const char* text, std::size_t length, int width) {
  if (static_cast<int>(length) < width) out.append(static_cast<std::size_t>(width) - length, ' ');
  out.append(text, length);
}

void AppendThroughPrintf(std::string& out, double value, int width) {
  char text[512];
  const int length = std::snprintf(text, sizeof text, "%.1f", value);
  AppendPadded(out, text, static_cast<std::size_t>(length), width);
}

}  // namespace

void AppendOneDecimal(std::string& out, double value, int width) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e9) {
    AppendThroughPrintf(out, value, width);
    return;
  }
  const double tenths = std::nearbyint(value * 10);
  // How far the exact value lies from the chosen tenth; near a tie the product may have been
  // rounded, and printf decides.
  const double remainder = std::fma(value, 10, -tenths);
  if (std::fabs(std::fabs(remainder) - 0.5) < 1e-6 || std::fabs(remainder) > 0.5) {
    AppendThroughPrintf(out, value, width);
    return;
  }
  const auto magnitude = static_cast<long long>(std::fabs(tenths));
  char text[32];
  char* end = text + sizeof text;
  char* at = end;
  *--at = static_cast<char>('0' + magnitude % 10);
  *--at = '.';
  long long whole = magnitude / 10;
  do {
    *--at = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole > 0);
  if (std::signbit(value)) *--at = '-';
  AppendPadded(out, at, static_cast<std::size_t>(end - at), width);
}

}  // namespace velora
