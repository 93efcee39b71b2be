#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velora {

// The whole content of a file, byte for byte. Throws UserError naming the file when it cannot be
// opened or read.
std::string ReadFileBytes(const std::filesystem::path& path);

// Replaces the content of `path` by `bytes` without ever leaving a half-written file: the bytes go
// to a temporary file in the same folder, which is then renamed over the target. Throws UserError
// naming the file when this fails; the target is then untouched.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace velora
