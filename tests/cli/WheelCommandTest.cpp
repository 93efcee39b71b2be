#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/CliRunner.h"

namespace {

using RunResult = velora::testing::CliResult;

RunResult RunCli(const std::string& arguments) {
  return velora::testing::RunCli(arguments, true);
}

std::string FirstBytes(const std::filesystem::path& file, std::size_t count) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

const std::string kFirstChart = "--date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45";
const std::string kSecondChart =
    "--second-date 2000-06-01 --second-time 08:15 --second-lat 55.75 --second-lon 37.62";

class WheelCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunCli("wheel --help").status != 0) GTEST_SKIP() << "velora-cli built without pictures";
    folder = std::filesystem::temp_directory_path() /
             ("velora-wheel-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Data() const { return "--data " + std::string(VELORA_SOURCE_DIR) + "/data"; }

  std::filesystem::path folder;
};

TEST_F(WheelCommand, WritesAPngOfOneChart) {
  const std::filesystem::path out = folder / "radix.png";
  const RunResult run =
      RunCli("wheel " + kFirstChart + " --name Иван " + Data() + " --out " + out.string());
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(FirstBytes(out, 4), "\x89PNG");
}

TEST_F(WheelCommand, WritesABmpOfTwoCharts) {
  const std::filesystem::path out = folder / "two.bmp";
  const RunResult run = RunCli("wheel " + kFirstChart + " " + kSecondChart + " --houses K " +
                               Data() + " --size 800x520 --out " + out.string());
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string header = FirstBytes(out, 26);
  ASSERT_EQ(header.size(), 26u);
  EXPECT_EQ(header.substr(0, 2), "BM");
  const auto width =
      static_cast<unsigned char>(header[18]) | (static_cast<unsigned char>(header[19]) << 8);
  EXPECT_EQ(width, 800);
}

TEST_F(WheelCommand, MissingPictureFolderFailsNamingTheFile) {
  const RunResult run = RunCli("wheel " + kFirstChart + " --data " + folder.string() + " --out " +
                               (folder / "x.png").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Owen.bmp"), std::string::npos) << run.output;
  EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}

TEST_F(WheelCommand, UsageMistakesExitWithTwo) {
  EXPECT_EQ(RunCli("wheel " + kFirstChart + " " + Data()).status, 2);  // no --out
  EXPECT_EQ(RunCli("wheel " + kFirstChart + " --size 529 --out a.png").status, 2);
  EXPECT_EQ(RunCli("wheel " + kFirstChart + " --second-date 2000-01-01 --out a.png").status, 2);
}

TEST_F(WheelCommand, PolarHousesFailWithAMessage) {
  const RunResult run = RunCli("wheel --date 1980-01-15 --time 12:30 --lat 80 --lon 20 " + Data() +
                               " --out " + (folder / "polar.png").string());
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_FALSE(run.output.empty());
}

}  // namespace
