#pragma once

#include <filesystem>
#include <optional>

namespace velora {

// The existing file or folder `relative` under `base`, found even where the file system is
// case-sensitive and the name on disk differs from the spelling only in the case of ASCII letters.
// `relative` may use '\' as well as '/' between its components (data file names are written
// "\Dann\Radix\Begin.TXT"); empty components are skipped. A component spelled exactly as on disk
// wins; otherwise the first entry of the folder (in name order) that matches ignoring ASCII case
// is taken. Nothing found: nullopt.
std::optional<std::filesystem::path> FindPathIgnoringCase(const std::filesystem::path& base,
                                                          const std::filesystem::path& relative);

// `relative` under `base` as spelled, its '\' separators made '/': the path to name in a message
// when FindPathIgnoringCase found nothing.
std::filesystem::path PathAsSpelled(const std::filesystem::path& base,
                                    const std::filesystem::path& relative);

}  // namespace velora
