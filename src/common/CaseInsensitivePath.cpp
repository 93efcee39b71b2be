#include "common/CaseInsensitivePath.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velora {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

std::vector<std::string> Components(const std::filesystem::path& relative) {
  std::vector<std::string> components;
  std::string current;
  for (char c : relative.string()) {
    if (c != '\\' && c != '/') {
      current += c;
      continue;
    }
    if (!current.empty()) components.push_back(current);
    current.clear();
  }
  if (!current.empty()) components.push_back(current);
  return components;
}

std::optional<std::string> EntryIgnoringCase(const std::filesystem::path& folder,
                                             const std::string& name) {
  std::error_code error;
  std::vector<std::string> matches;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::string candidate = entry->path().filename().string();
    if (EqualIgnoringAsciiCase(candidate, name)) matches.push_back(std::move(candidate));
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::optional<std::filesystem::path> FindPathIgnoringCase(const std::filesystem::path& base,
                                                          const std::filesystem::path& relative) {
  std::filesystem::path path = base;
  for (const std::string& component : Components(relative)) {
    std::error_code error;
    if (std::filesystem::exists(path / component, error)) {
      path /= component;
    } else if (std::optional<std::string> entry = EntryIgnoringCase(path, component)) {
      path /= *entry;
    } else {
      return std::nullopt;
    }
  }
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return std::nullopt;
  return path;
}

std::filesystem::path PathAsSpelled(const std::filesystem::path& base,
                                    const std::filesystem::path& relative) {
  std::filesystem::path path = base;
  for (const std::string& component : Components(relative)) path /= component;
  return path;
}

}  // namespace velora
