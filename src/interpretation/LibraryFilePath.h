#pragma once

#include <filesystem>
#include <string_view>

namespace velora {

// The file `dataDirectory` + `fileName` of the text library, where `fileName` is written as in
// the composers ("\Dann\Radix\PLZODIAC.txt"): found ignoring ASCII case, or, when there is no such
// file, the path as spelled (so that opening it fails naming that path).
std::filesystem::path LibraryFilePath(const std::filesystem::path& dataDirectory,
                                      std::string_view fileName);

}  // namespace velora
