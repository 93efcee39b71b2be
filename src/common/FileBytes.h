#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velora {

// The whole content of a file, byte for byte. Throws UserError naming the file when it cannot be
// opened or read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Replaces the content of `path` by `bytes` without ever leaving a half-written file, as
// ReplaceFileSafely does. Throws UserError naming the file when this fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velora
