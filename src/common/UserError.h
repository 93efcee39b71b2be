#pragma once

#include <stdexcept>
#include <string>

namespace velora {

// A failure that ends the running command and is shown to the user as it stands: the message is
// Russian (UTF-8) and names the field, file or value at fault. What the command drew or appended
// before the failure stays.
class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace velora
