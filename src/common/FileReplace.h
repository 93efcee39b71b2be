#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>

namespace velora {

// Replaces the content of `path` by `bytes` so that the file is always either the old one or the
// new one, whatever happens meanwhile:
//   - a symbolic link is followed, and its target replaced (the link stays a link);
//   - a target that exists but is not a regular file (a device, a pipe) is written directly;
//   - a regular file the user may not write, or one marked read-only, is refused;
//   - otherwise the bytes go to a temporary file in the same folder, which takes the old file's
//     permissions (and owner and group where allowed), is flushed to the disk and renamed over
//     the target, and then the folder is flushed too.
// Throws UserError naming the file when this fails; the temporary file is then removed.
void ReplaceFileSafely(const std::filesystem::path& path, std::string_view bytes);

// Removes the temporary files that interrupted replacements of `path` left in its folder, those
// last written longer than `minimumAge` ago (a replacement in progress is left alone).
void RemoveStaleReplacements(const std::filesystem::path& path,
                             std::chrono::seconds minimumAge = std::chrono::minutes(10));

// The name prefix of the temporary files of `path`: "." + file name + ".tmp-".
std::string TemporaryNamePrefix(const std::filesystem::path& path);

}  // namespace velora
