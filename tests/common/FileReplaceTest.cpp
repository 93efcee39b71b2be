#include "common/FileReplace.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "TemporaryFolder.h"
#include "common/FileBytes.h"
#include "common/UserError.h"

namespace velora {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

int TemporaryFilesBeside(const fs::path& path) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(path.parent_path())) {
    if (entry.path().filename().string().rfind(TemporaryNamePrefix(path), 0) == 0) ++count;
  }
  return count;
}

// Runs `body` in a child process; its exit status (or -1 when it did not exit).
int InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReplaceFileSafely, KeepsPermissionsAndReplacesTheContentWhole) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  folder.Write("Basa.TXT", "старое");
  ::chmod(file.c_str(), 0600);
  ReplaceFileSafely(file, "новое");
  EXPECT_EQ(ReadFileBytes(file), "новое");
  EXPECT_EQ(ModeOf(file), 0600u);
  EXPECT_EQ(TemporaryFilesBeside(file), 0);
}

TEST(ReplaceFileSafely, FollowsASymbolicLinkToItsTarget) {
  testing::TemporaryFolder folder;
  fs::create_directories(folder.path() / "real");
  folder.Write("real/Basa.TXT", "старое");
  const fs::path link = folder.path() / "Basa.TXT";
  fs::create_symlink("real/Basa.TXT", link);
  ReplaceFileSafely(link, "новое");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(ReadFileBytes(folder.path() / "real/Basa.TXT"), "новое");
}

TEST(ReplaceFileSafely, RefusesAReadOnlyFileAndLeavesIt) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  folder.Write("Basa.TXT", "старое");
  ::chmod(file.c_str(), 0444);
  try {
    ReplaceFileSafely(file, "новое");
    FAIL() << "a read-only file was replaced";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
  }
  EXPECT_EQ(ReadFileBytes(file), "старое");
  EXPECT_EQ(ModeOf(file), 0444u);
  EXPECT_EQ(TemporaryFilesBeside(file), 0);
}

TEST(ReplaceFileSafely, RefusesAnotherUsersFileToAnOrdinaryUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs to give up the superuser's rights in a child";
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  folder.Write("Basa.TXT", "чужая база");
  ::chmod(folder.path().c_str(), 0777);
  ::chmod(file.c_str(), 0644);
  const int status = InChild([&] {
    constexpr unsigned kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return 2;
    try {
      ReplaceFileSafely(file, "подмена");
    } catch (const UserError&) {
      return TemporaryFilesBeside(file) == 0 ? 0 : 3;
    }
    return 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFileBytes(file), "чужая база");
}

TEST(ReplaceFileSafely, WritesDevicesDirectlyAndReportsTheirErrors) {
  ReplaceFileSafely("/dev/null", "в никуда");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  if (fs::exists("/dev/full")) {
    EXPECT_THROW(ReplaceFileSafely("/dev/full", "полон"), UserError);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
  }
}

TEST(ReplaceFileSafely, WritesIntoAPipeWithoutReplacingIt) {
  testing::TemporaryFolder folder;
  const fs::path pipe = folder.path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] {
    std::ifstream in(pipe, std::ios::binary);
    received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  });
  ReplaceFileSafely(pipe, "через трубу");
  reader.join();
  EXPECT_EQ(received, "через трубу");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(ReplaceFileSafely, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  folder.Write("Basa.TXT", "старое");
  const int status = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      ReplaceFileSafely(file, std::string(1000, 'x'));
    } catch (const UserError&) {
      return 0;
    }
    return 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFileBytes(file), "старое");
  EXPECT_EQ(TemporaryFilesBeside(file), 0);
}

TEST(ReplaceFileSafely, AKilledSaveLeavesTheOldOrTheNewFile) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  const std::string oldBytes(2 << 20, 'a');
  const std::string newBytes(3 << 20, 'b');
  folder.Write("Basa.TXT", oldBytes);
  for (int round = 0; round < 30; ++round) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (int save = 0;; ++save) ReplaceFileSafely(file, save % 2 == 0 ? newBytes : oldBytes);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(3 + round % 7));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes == oldBytes || bytes == newBytes) << "round " << round;
  }
  // What the killed saves left behind goes when the file is opened again after a while.
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  }
  RemoveStaleReplacements(file);
  EXPECT_EQ(TemporaryFilesBeside(file), 0);
  EXPECT_TRUE(fs::exists(file));
}

TEST(RemoveStaleReplacements, LeavesRecentAndForeignFilesAlone) {
  testing::TemporaryFolder folder;
  const fs::path file = folder.path() / "Basa.TXT";
  folder.Write("Basa.TXT", "база");
  folder.Write(".Basa.TXT.tmp-old", "обрывок");
  folder.Write(".Basa.TXT.tmp-new", "идёт запись");
  folder.Write(".Other.TXT.tmp-old", "чужой");
  const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(folder.path() / ".Basa.TXT.tmp-old", hourAgo);
  fs::last_write_time(folder.path() / ".Other.TXT.tmp-old", hourAgo);
  RemoveStaleReplacements(file);
  EXPECT_FALSE(fs::exists(folder.path() / ".Basa.TXT.tmp-old"));
  EXPECT_TRUE(fs::exists(folder.path() / ".Basa.TXT.tmp-new"));
  EXPECT_TRUE(fs::exists(folder.path() / ".Other.TXT.tmp-old"));
  EXPECT_EQ(ReadFileBytes(file), "база");
}

}  // namespace
}  // namespace velora
