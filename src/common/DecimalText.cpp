#include "common/DecimalText.h"

#include <charconv>
#include <string>

#include "common/UserError.h"

namespace velora {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Accepts exactly: [+-] digits [. digits] | [+-] . digits, then an optional exponent.
bool HasDecimalShape(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t exponentDigits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return pos == text.size();
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  std::string normalized(TrimBlanks(text));
  for (char& c : normalized) {
    if (c == ',') c = '.';
  }
  if (!HasDecimalShape(normalized)) return std::nullopt;
  std::string_view digits = normalized;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

double RequireDecimal(std::string_view text, std::string_view fieldName) {
  if (auto value = ParseDecimal(text)) return *value;
  throw UserError("«" + std::string(fieldName) + "»: «" + std::string(text) + "» — не число");
}

}  // namespace velora
