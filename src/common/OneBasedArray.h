#pragma once

#include <array>
#include <cstddef>

namespace velora {

// Throws std::out_of_range naming the index and the range: an index outside a table is a
// programming error, and it must stop the command rather than read or write a neighbour.
[[noreturn]] void ThrowIndexOutOfRange(int number, int count);

// A fixed array indexed from 1, as every body, item, house, sign and aspect table of the program
// is numbered. Element 0 exists but is never used; every access checks its index, in every build.
template <typename T, int Count>
struct OneBasedArray {
  std::array<T, Count + 1> elements{};

  static constexpr int size() { return Count; }
  T& operator[](int number) { return elements[Checked(number)]; }
  const T& operator[](int number) const { return elements[Checked(number)]; }
  bool operator==(const OneBasedArray&) const = default;

 private:
  static std::size_t Checked(int number) {
    if (number < 1 || number > Count) [[unlikely]] {
      ThrowIndexOutOfRange(number, Count);
    }
    return static_cast<std::size_t>(number);
  }
};

}  // namespace velora
