#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velora {

// The largest data file the program reads: the text library, the database, texts and pictures
// are all far smaller.
inline constexpr std::uintmax_t kLargestInputFileBytes = std::uintmax_t{64} << 20;

// The whole content of a file, byte for byte. Throws UserError naming the file when it cannot be
// opened or read, when it is not a regular file (a device or a pipe could be read for ever), or
// when it is larger than `largestBytes`.
std::string ReadFileBytes(const std::filesystem::path& path,
                          std::uintmax_t largestBytes = kLargestInputFileBytes);

// Replaces the content of `path` by `bytes` without ever leaving a half-written file, as
// ReplaceFileSafely does. Throws UserError naming the file when this fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velora
