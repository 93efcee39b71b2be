#pragma once

#include <array>
#include <cassert>

namespace velora {

// A fixed array indexed from 1, as every body, item, house, sign and aspect table of the program
// is numbered. Element 0 exists but is never used.
template <typename T, int Count>
struct OneBasedArray {
  std::array<T, Count + 1> elements{};

  static constexpr int size() { return Count; }
  T& operator[](int number) {
    assert(number >= 1 && number <= Count);
    return elements[static_cast<std::size_t>(number)];
  }
  const T& operator[](int number) const {
    assert(number >= 1 && number <= Count);
    return elements[static_cast<std::size_t>(number)];
  }
  bool operator==(const OneBasedArray&) const = default;
};

}  // namespace velora
