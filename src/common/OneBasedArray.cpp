#include "common/OneBasedArray.h"

#include <stdexcept>
#include <string>

namespace velora {

void ThrowIndexOutOfRange(int number, int count) {
  throw std::out_of_range("номер " + std::to_string(number) + " вне таблицы 1.." +
                          std::to_string(count));
}

}  // namespace velora
