#include "common/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <sstream>
#include <system_error>

#include "common/UserError.h"

namespace velora {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLinksFollowed = 40;

std::string Quoted(const fs::path& path) {
  return "«" + path.string() + "»";
}

[[noreturn]] void Fail(const fs::path& path, const std::string& why) {
  throw UserError("Не удаётся записать файл " + Quoted(path) + ": " + why);
}

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

// The file a chain of symbolic links ends at (which need not exist yet).
fs::path FollowLinks(fs::path path) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  Fail(path, "слишком длинная цепочка символических ссылок");
}

// Writes every byte; the error of the first write that fails, or 0.
int WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// A device or a pipe cannot be replaced by a rename; it takes the bytes as they come.
void WriteDirectly(const fs::path& path, std::string_view bytes) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) Fail(path, SystemReason(errno));
  const int writeError = WriteAll(descriptor, bytes);
  const int closeError = ::close(descriptor) != 0 ? errno : 0;
  if (writeError != 0) Fail(path, SystemReason(writeError));
  if (closeError != 0) Fail(path, SystemReason(closeError));
}

bool MarkedReadOnly(const struct stat& status) {
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void FlushFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

// The temporary file, removed again unless it was renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) : target_(target) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 16 && descriptor_ < 0; ++attempt) {
      std::ostringstream name;
      name << TemporaryNamePrefix(target) << std::hex << entropy() << entropy();
      path_ = target.parent_path() / name.str();
      descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (descriptor_ < 0 && errno != EEXIST) break;
    }
    if (descriptor_ < 0) {
      Fail(target, "не удаётся создать временный файл в папке " + Quoted(target.parent_path()) +
                       " (" + SystemReason(errno) + ")");
    }
  }
  ~TemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view bytes) {
    if (const int error = WriteAll(descriptor_, bytes); error != 0) {
      Fail(target_, SystemReason(error));
    }
  }

  // The old file's permissions, and its owner and group where the user may give them.
  void TakeOver(const struct stat& old) {
    if (::fchmod(descriptor_, old.st_mode & 07777) != 0) Fail(target_, SystemReason(errno));
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      (void)::fchown(descriptor_, old.st_uid, old.st_gid);
    }
  }

  // A new file gets what the user's file creation mask allows.
  void TakeDefaultPermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor_, 0666 & ~mask) != 0) Fail(target_, SystemReason(errno));
  }

  void CommitOver() {
    if (::fsync(descriptor_) != 0) Fail(target_, SystemReason(errno));
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) Fail(target_, SystemReason(errno));
    if (::rename(path_.c_str(), target_.c_str()) != 0) Fail(target_, SystemReason(errno));
    renamed_ = true;
    FlushFolder(target_.parent_path());
  }

 private:
  fs::path target_;
  fs::path path_;
  int descriptor_ = -1;
  bool renamed_ = false;
};

}  // namespace

std::string TemporaryNamePrefix(const fs::path& path) {
  return "." + path.filename().string() + ".tmp-";
}

void ReplaceFileSafely(const fs::path& path, std::string_view bytes) {
  const fs::path target = FollowLinks(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) Fail(target, SystemReason(errno));
  if (exists && S_ISDIR(old.st_mode)) Fail(target, "это папка");
  if (exists && !S_ISREG(old.st_mode)) {
    WriteDirectly(target, bytes);
    return;
  }
  if (exists && (MarkedReadOnly(old) || ::access(target.c_str(), W_OK) != 0)) {
    Fail(target, "файл защищён от записи");
  }
  TemporaryFile temporary(target);
  temporary.Write(bytes);
  if (exists) {
    temporary.TakeOver(old);
  } else {
    temporary.TakeDefaultPermissions();
  }
  temporary.CommitOver();
}

void RemoveStaleReplacements(const fs::path& path, std::chrono::seconds minimumAge) {
  const fs::path target = FollowLinks(path);
  const std::string prefix = TemporaryNamePrefix(target);
  std::error_code error;
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const auto now = fs::file_time_type::clock::now();
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0 || !entry.is_regular_file(error)) continue;
    const auto written = entry.last_write_time(error);
    if (error || now - written < minimumAge) continue;
    fs::remove(entry.path(), error);
  }
}

}  // namespace velora
