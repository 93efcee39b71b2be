#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora {

// Converts the text of an entry field to a number: optional blanks around, an optional sign,
// digits with a decimal point or comma, an optional exponent. Anything else is not a number.
std::optional<double> ParseDecimal(std::string_view text);

// Converts the text of a field that must hold a number; otherwise throws UserError naming the
// field and the text, for example «Широта»: «abc» — не число.
double RequireDecimal(std::string_view text, std::string_view fieldName);

}  // namespace velora
