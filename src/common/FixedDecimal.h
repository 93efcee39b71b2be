#pragma once

#include <string>

namespace velora {

// Appends `value` with one decimal, right-aligned in `width` characters with blanks, exactly as
// printf's "%*.1f" writes it (the exact binary value rounded to nearest, ties to even). Listings
// write thousands of such numbers, so the common case avoids the formatting machinery.
void AppendOneDecimal(std::string& out, double value, int width);

}  // namespace velora
