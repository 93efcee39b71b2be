#include "charts/ChartDatabase.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <functional>

#include "common/FileBytes.h"
#include "common/UserError.h"

namespace velora {
namespace {

namespace fs = std::filesystem;

// Runs `check` in a child process without the superuser's rights (as "nobody" when the tests run
// as root), so that folder permissions apply to it; true when the check passed.
bool PassesWithoutSuperuser(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    constexpr unsigned kNobody = 65534;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ChartDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("velora-db-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "Dann");
  }
  void TearDown() override {
    fs::permissions(folder_ / "Dann", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  fs::path File() const { return folder_ / "Dann" / "Basa.TXT"; }

  fs::path folder_;
};

TEST_F(ChartDatabaseTest, MissingFileOpensEmptyAndTheFirstSaveCreatesIt) {
  ChartDatabase database(File());
  const auto notice = database.Load();
  ASSERT_TRUE(notice.has_value());
  EXPECT_NE(notice->find("Basa.TXT"), std::string::npos);
  EXPECT_TRUE(database.lines().empty());
  database.Append("М ; 15. 0.1980 12:30 56.01 92.45 ");
  database.Save();
  // "М" is 0xCC in Windows-1251; lines end with CR LF.
  EXPECT_EQ(ReadFileBytes(File()), "\xCC ; 15. 0.1980 12:30 56.01 92.45 \r\n");
}

TEST_F(ChartDatabaseTest, ReadsEveryLineBlankOnesIncluded) {
  std::ofstream(File(), std::ios::binary)
      << "\xC6 ;  1. 1.2000 0:0 55.45 37.37 \xC3\xEE\xF1\xF2\xFC\xFF\r\n"
      << "\r\n"
      << "\xCC ; 15. 0.1980 12:30 56.01 92.45 \n";
  ChartDatabase database(File());
  EXPECT_FALSE(database.Load().has_value());
  ASSERT_EQ(database.lines().size(), 3u);
  EXPECT_EQ(database.lines()[0], "Ж ;  1. 1.2000 0:0 55.45 37.37 Гостья");
  EXPECT_EQ(database.lines()[1], "");
  database.Save();
  EXPECT_EQ(ReadFileBytes(File()),
            "\xC6 ;  1. 1.2000 0:0 55.45 37.37 \xC3\xEE\xF1\xF2\xFC\xFF\r\n\r\n"
            "\xCC ; 15. 0.1980 12:30 56.01 92.45 \r\n");
}

TEST_F(ChartDatabaseTest, RemovingChangesOnlyTheListUntilSaved) {
  std::ofstream(File(), std::ios::binary) << "a\r\nb\r\nc\r\n";
  ChartDatabase database(File());
  database.Load();
  database.Remove(1);
  database.Remove(-1);
  database.Remove(7);
  EXPECT_EQ(database.lines(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(ReadFileBytes(File()), "a\r\nb\r\nc\r\n");
  database.Save();
  EXPECT_EQ(ReadFileBytes(File()), "a\r\nc\r\n");
}

TEST_F(ChartDatabaseTest, FailedWriteKeepsTheOldFile) {
  std::ofstream(File(), std::ios::binary) << "old\r\n";
  // The data folder is not writable for an ordinary user.
  fs::permissions(folder_ / "Dann", fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(PassesWithoutSuperuser([this] {
    ChartDatabase database(File());
    database.Load();
    database.Append("new");
    try {
      database.Save();
    } catch (const UserError&) {
      return true;
    }
    return false;
  })) << "the failed write was not reported";
  EXPECT_EQ(ReadFileBytes(File()), "old\r\n");
}

TEST_F(ChartDatabaseTest, WriteThatRunsOutOfSpaceKeepsTheOldFile) {
  std::ofstream(File(), std::ios::binary) << "old\r\n";
  // A child process with a tiny file-size limit: its writes fail as on a full disk.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8, 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ChartDatabase database(File());
    database.Load();
    database.Append(std::string(4000, 'x'));
    try {
      database.Save();
    } catch (const UserError&) {
      ::_exit(0);
    }
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
  EXPECT_EQ(ReadFileBytes(File()), "old\r\n");
  for (const auto& entry : fs::directory_iterator(folder_ / "Dann")) {
    EXPECT_EQ(entry.path().filename(), "Basa.TXT") << "a temporary file was left behind";
  }
}

TEST_F(ChartDatabaseTest, NameWithoutAWindowsCodeIsRefusedAndNothingIsWritten) {
  std::ofstream(File(), std::ios::binary) << "old\r\n";
  ChartDatabase database(File());
  database.Load();
  database.Append("М ; 15. 0.1980 12:30 56.01 92.45 日本");
  EXPECT_THROW(database.Save(), UserError);
  EXPECT_EQ(ReadFileBytes(File()), "old\r\n");
}

TEST_F(ChartDatabaseTest, SeedFileFillsAMissingDatabaseOnFirstUse) {
  std::ofstream(File(), std::ios::binary) << "seed\r\n";
  const fs::path own = folder_ / "user" / "Dann" / "Basa.TXT";
  ChartDatabase database(DatabaseLocation{own, File()});
  EXPECT_FALSE(database.Load().has_value());
  EXPECT_EQ(ReadFileBytes(own), "seed\r\n");
  database.Append("new");
  database.Save();
  EXPECT_EQ(ReadFileBytes(File()), "seed\r\n") << "the bundled file is left alone";
  ChartDatabase again(DatabaseLocation{own, File()});
  again.Load();
  EXPECT_EQ(again.lines(), (std::vector<std::string>{"seed", "new"}));
}

TEST_F(ChartDatabaseTest, WritableDataFolderKeepsItsOwnDatabase) {
  std::ofstream(File(), std::ios::binary) << "x\r\n";
  const DatabaseLocation location = ResolveDatabaseLocation(folder_, folder_ / "user");
  EXPECT_EQ(location.file, File());
  EXPECT_FALSE(location.seed.has_value());
  EXPECT_FALSE(fs::exists(folder_ / "user"));
}

TEST_F(ChartDatabaseTest, ReadOnlyDataFolderSeedsTheUsersOwnCopy) {
  std::ofstream(File(), std::ios::binary) << "bundled\r\n";
  fs::permissions(folder_, fs::perms::all);
  fs::permissions(folder_ / "Dann", fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const fs::path user = folder_ / "user";
  fs::create_directories(user);
  fs::permissions(user, fs::perms::all);
  EXPECT_TRUE(PassesWithoutSuperuser([&] {
    const DatabaseLocation location = ResolveDatabaseLocation(folder_, user);
    if (location.file != user / "Dann" / "Basa.TXT" || fs::exists(location.file)) return false;
    ChartDatabase database(location);
    return !database.Load().has_value() &&
           database.lines() == std::vector<std::string>{"bundled"} &&
           ReadFileBytes(location.file) == "bundled\r\n";
  }));
}

}  // namespace
}  // namespace velora
