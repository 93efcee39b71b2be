#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velora::cli {

// Exit statuses of velora-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the work itself failed (chart, file)
inline constexpr int kExitUsage = 2;    // the command line is wrong

// A mistake on the command line; the message is shown on standard error.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Options of the form "--name value" and flags "--name", plus positional words.
class ParsedOptions {
 public:
  // `valueOptions` take a value, `flagOptions` do not; anything else starting with "--" is an
  // unknown option.
  ParsedOptions(const std::vector<std::string>& arguments,
                const std::set<std::string>& valueOptions,
                const std::set<std::string>& flagOptions);

  bool has(const std::string& name) const { return values_.count(name) || flags_.count(name); }
  std::optional<std::string> value(const std::string& name) const;
  std::string required(const std::string& name) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positional_;
};

}  // namespace velora::cli
