#pragma once

#include "common/UserError.h"

namespace velora {

// A computation left the domain of its formulas (a square root of a negative number, a division
// by zero). It ends the command with a message instead of producing a value that is not a number.
class NumericFault : public UserError {
 public:
  using UserError::UserError;
};

}  // namespace velora
