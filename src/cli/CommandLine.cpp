#include "cli/CommandLine.h"

#include "common/UserError.h"
#include "common/Utf8Text.h"

namespace velora::cli {
namespace {

// File names may be any bytes; every other value is text that ends up in a chart or a file.
bool IsFileNameOption(const std::string& name) {
  return name == "out" || name == "data";
}

void RequireUtf8(const std::string& name, const std::string& value) {
  try {
    for (std::size_t offset = 0; offset < value.size();) NextCodePoint(value, offset);
  } catch (const UserError&) {
    throw UsageError("--" + name + ": значение не в кодировке UTF-8");
  }
}

}  // namespace

ParsedOptions::ParsedOptions(const std::vector<std::string>& arguments,
                             const std::set<std::string>& valueOptions,
                             const std::set<std::string>& flagOptions) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.rfind("--", 0) != 0 || argument.size() == 2) {
      positional_.push_back(argument);
      continue;
    }
    std::string name = argument.substr(2);
    std::optional<std::string> inlineValue;
    if (auto equals = name.find('='); equals != std::string::npos) {
      inlineValue = name.substr(equals + 1);
      name.resize(equals);
    }
    if (flagOptions.count(name) && !inlineValue) {
      flags_.insert(name);
    } else if (valueOptions.count(name)) {
      if (!inlineValue) {
        if (i + 1 >= arguments.size()) throw UsageError("у параметра --" + name + " нет значения");
        inlineValue = arguments[++i];
      }
      if (!IsFileNameOption(name)) RequireUtf8(name, *inlineValue);
      values_[name] = *inlineValue;
    } else {
      throw UsageError("неизвестный параметр --" + name);
    }
  }
}

std::optional<std::string> ParsedOptions::value(const std::string& name) const {
  auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::string ParsedOptions::required(const std::string& name) const {
  if (auto found = value(name)) return *found;
  throw UsageError("не задан параметр --" + name);
}

}  // namespace velora::cli
