#include <gtest/gtest.h>

#include <algorithm>

#include "../common/TemporaryFolder.h"
#include "cli/CliRunner.h"
#include "common/TextLines.h"

namespace velora {
namespace {

using testing::BundledData;
using testing::RunCli;

const std::string kDefaultChart = "--date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45";

TEST(ReturnCommands, SolarPrintsTheMomentTheWindowHolds) {
  const auto run = RunCli("solar " + kDefaultChart + " --year 2026");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "14.01.2026 16:30\n");
  EXPECT_EQ(RunCli("solar --date 1980-04-01 --time 00:05 --lat 56 --lon 92 --year 1984").output,
            "31.03.1984 23:20\n");

  // Past the window's last year: a message, nothing on standard output.
  const auto refused = RunCli("solar --date 1984-12-31 --time 23:50 --lat 56 --lon 92 --year 2050");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.output, "");
  const auto message =
      RunCli("solar --date 1984-12-31 --time 23:50 --lat 56 --lon 92 --year 2050", true);
  EXPECT_NE(message.output.find("01.01.2051"), std::string::npos) << message.output;

  EXPECT_EQ(RunCli("solar " + kDefaultChart).status, 2);                   // no year
  EXPECT_EQ(RunCli("solar " + kDefaultChart + " --year 2051").status, 2);  // outside the window
  EXPECT_EQ(RunCli("solar " + kDefaultChart + " --year 2026 --month 3").status, 2);
}

TEST(ReturnCommands, LunarPrintsTheListAndSaysWhyItIsShort) {
  const auto run = RunCli("lunar " + kDefaultChart + " --year 2026 --month 12");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "  9.12.2026   13:59\n  5. 1.2027   20: 6\n  2. 2.2027    2:20\n");

  // The hidden day and time move the start of the scan: from 1 December 23:00 its steps fall
  // elsewhere, the interpolated moment shifts by seconds, and its minute rounds up to 60.
  const auto later = RunCli("lunar " + kDefaultChart +
                            " --year 2026 --month 12 --second-day 31 --second-time 23:00");
  EXPECT_EQ(SplitTextLines(later.output, EmptyText::kNoLines).front(), "  9.12.2026   13:60");

  const auto shortList = RunCli("lunar " + kDefaultChart + " --year 2050 --month 12", true);
  EXPECT_EQ(shortList.status, 0);
  EXPECT_NE(shortList.output.find("найдено 2 из 3"), std::string::npos) << shortList.output;
  EXPECT_EQ(RunCli("lunar " + kDefaultChart + " --year 2050 --month 12").output,
            " 16.11.2050   23:49\n 14.12.2050    7:16\n");
  EXPECT_EQ(RunCli("lunar " + kDefaultChart + " --year 2026").status, 2);  // no month
}

TEST(ReturnCommands, InterpretStopsAtAMissingLibraryAfterWhatWasComposed) {
  testing::TemporaryFolder folder;
  folder.Write("Dann/placeholder.txt", "");
  const std::string data = " --data " + folder.path().string();
  const auto lunar = RunCli("interpret --kind lunar --entry 2 --name Анна " + kDefaultChart +
                            " --year 2026 --month 12" + data);
  EXPECT_EQ(lunar.status, 1);
  const auto lines = SplitTextLines(lunar.output, EmptyText::kNoLines);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Лунар  Анна");
  EXPECT_EQ(lines[1], "На  5 Январь 2027");

  const auto solar = RunCli("interpret --kind solar " + kDefaultChart + " --year 2026" + data);
  EXPECT_EQ(solar.status, 1);
  EXPECT_EQ(solar.output.rfind("Описание карты Солнечного возвращения  \nНа  2026 год\n", 0), 0u)
      << solar.output.substr(0, 200);
  EXPECT_NE(solar.output.find(" Прогрессивн. "), std::string::npos);

  EXPECT_EQ(
      RunCli("interpret --kind lunar --entry 4 " + kDefaultChart + " --year 2026 --month 12" + data)
          .status,
      2);
  EXPECT_EQ(RunCli("interpret --kind radix --year 2026 " + kDefaultChart + data).status, 2);
}

}  // namespace
}  // namespace velora

namespace velora {
namespace {

// The bundled libraries answer every section of the default chart's returns.
TEST(ReturnCommands, TheBundledReturnTextsFillEverySection) {
  const std::string data = " --data " + testing::BundledData();
  const auto solar = testing::RunCli("interpret --kind solar --name Анна " + kDefaultChart +
                                     " --year 2026" + data);
  ASSERT_EQ(solar.status, 0);
  const auto lines = SplitTextLines(solar.output, EmptyText::kNoLines);
  const auto after = [&](const std::string& title) {
    const auto at = std::find(lines.begin(), lines.end(), title);
    EXPECT_NE(at, lines.end()) << title;
    return at == lines.end() || at + 2 >= lines.end() ? std::string() : *(at + 2);
  };
  EXPECT_EQ(after("Положение Асц в знаках зодиака").rfind(" Асц Соляра ", 0), 0u);
  EXPECT_EQ(after("Положение Домов СО в домах радикса").rfind(" Асц Соляра в доме радикса", 0), 0u);
  EXPECT_EQ(after("Положение Планет Соляра в домах").rfind(" СОЛНЦЕ Соляра в IV доме", 0), 0u);
  EXPECT_NE(solar.output.find(" Возвращение Солнца на место натального Солнца"), std::string::npos);

  const auto lunar =
      testing::RunCli("interpret --kind lunar " + kDefaultChart + " --year 2026 --month 12" + data);
  ASSERT_EQ(lunar.status, 0);
  EXPECT_EQ(lunar.output.find(" Прогрессивн. "), std::string::npos);
  EXPECT_NE(lunar.output.find(" Асц Лунара во Льве"), std::string::npos);
  EXPECT_NE(lunar.output.find(" Возвращение Луны на место натальной Луны"), std::string::npos)
      << lunar.output;
}

}  // namespace
}  // namespace velora
