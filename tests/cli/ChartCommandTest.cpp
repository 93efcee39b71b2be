#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace {

using velora::testing::RunCli;

// The numbers that follow every "key": in the JSON text.
std::vector<double> NumbersAfter(const std::string& text, const std::string& key) {
  std::vector<double> numbers;
  const std::string marker = "\"" + key + "\": ";
  for (std::size_t pos = text.find(marker); pos != std::string::npos;
       pos = text.find(marker, pos + 1)) {
    numbers.push_back(std::stod(text.substr(pos + marker.size())));
  }
  return numbers;
}

std::vector<double> Cusps(const std::string& json) {
  std::vector<double> cusps;
  const auto start = json.find("\"cusps\": [");
  const auto end = json.find(']', start);
  std::string list = json.substr(start + 10, end - start - 10);
  for (std::size_t pos = 0; pos < list.size();) {
    std::size_t next = list.find(',', pos);
    if (next == std::string::npos) next = list.size();
    cusps.push_back(std::stod(list.substr(pos, next - pos)));
    pos = next + 1;
  }
  return cusps;
}

TEST(ChartCommand, PrintsTheKochCuspsOfTheWorkedExample) {
  const auto run =
      RunCli("chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --houses K --json");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<double> quoted = {143.121, 169.313, 194.15, 216.4, 271.331, 299.806,
                                      323.121, 349.313, 14.15,  36.4,  91.331,  119.806};
  const std::vector<double> cusps = Cusps(run.output);
  ASSERT_EQ(cusps.size(), 12u);
  for (std::size_t n = 0; n < 12; ++n) EXPECT_NEAR(cusps[n], quoted[n], 0.0005) << n + 1;
  EXPECT_NE(run.output.find("\"house_system\": \"K\""), std::string::npos);
  EXPECT_NE(run.output.find("\"name\": \"Солнце\""), std::string::npos);
  // The Julian day of the moment, 12:30 on 15 January 1980.
  ASSERT_EQ(NumbersAfter(run.output, "julian_day").size(), 1u);
  EXPECT_NEAR(NumbersAfter(run.output, "julian_day")[0], 2444254.0208333, 1e-6);
}

TEST(ChartCommand, ComputesChartsBefore1900OnTheGregorianCalendar) {
  const auto run = RunCli("chart --date 1890-01-15 --time 12:00 --lat 56.01 --lon 92.45 --json");
  ASSERT_EQ(run.status, 0) << run.output;
  ASSERT_EQ(NumbersAfter(run.output, "julian_day").size(), 1u);
  EXPECT_DOUBLE_EQ(NumbersAfter(run.output, "julian_day")[0], 2411383.0);
}

TEST(ChartCommand, PrintsTheBodiesOfTheWorkedExampleAtNoon) {
  const auto run = RunCli("chart --date 15.01.1980 --time 12:00 --lat 56,01 --lon 92.45 --json");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<double> longitudes = NumbersAfter(run.output, "longitude");
  ASSERT_EQ(longitudes.size(), 16u);
  const double quoted[] = {294.5014, 263.1807, 290.782, 329.218, 165.326, 159.558,
                           176.951,  234.682,  261.435, 201.757, 38.479};
  for (int body = 0; body < 11; ++body) {
    EXPECT_NEAR(longitudes[body], quoted[body], body < 2 ? 0.00005 : 0.0005) << body + 1;
  }
  EXPECT_NEAR(longitudes[12], 151.1297, 0.00005);
  EXPECT_NE(run.output.find("\"house_system\": \"P\""), std::string::npos);
}

TEST(ChartCommand, PrintsAReadableTableWithoutJson) {
  const auto run = RunCli("chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Солнце"), std::string::npos);
  EXPECT_NE(run.output.find("24°31' Козерог"), std::string::npos);
  EXPECT_NE(run.output.find("Плацидус"), std::string::npos);
}

TEST(ChartCommand, AcceptsMinuteSixtyAsTheNextHour) {
  const auto sixty = RunCli("chart --date 1980-01-15 --time 11:60 --lat 56.01 --lon 92.45 --json");
  const auto noon = RunCli("chart --date 1980-01-15 --time 12:00 --lat 56.01 --lon 92.45 --json");
  ASSERT_EQ(sixty.status, 0) << sixty.output;
  EXPECT_EQ(NumbersAfter(sixty.output, "longitude"), NumbersAfter(noon.output, "longitude"));
}

TEST(ChartCommand, ReportsUsageMistakesWithStatusTwoNamingTheValue) {
  struct Case {
    const char* arguments;
    const char* named;
  };
  const Case cases[] = {
      {"chart --date 1980-13-15 --time 12:30 --lat 56.01 --lon 92.45", "месяц"},
      {"chart --date 1879-01-15 --time 12:30 --lat 56.01 --lon 92.45", "год"},
      {"chart --date 15/01/1980 --time 12:30 --lat 56.01 --lon 92.45", "15/01/1980"},
      {"chart --date 1980-01-15 --time 24:00 --lat 56.01 --lon 92.45", "час"},
      {"chart --date 1980-01-15 --time 12:30 --lat север --lon 92.45", "север"},
      {"chart --date 1980-01-15 --time 12:30 --lat 56.01", "--lon"},
      {"chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --houses X", "X"},
      {"chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --colour red", "--colour"},
      {"horoscope", "horoscope"},
  };
  for (const Case& c : cases) {
    const auto run = RunCli(c.arguments, true);
    EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(c.named), std::string::npos) << c.arguments << "\n" << run.output;
  }
}

TEST(ChartCommand, RefusesPolarPlacidusWithStatusOne) {
  const auto run = RunCli("chart --date 1980-01-15 --time 12:30 --lat 70 --lon 92.45", true);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("не определены для широты 70.00"), std::string::npos) << run.output;
  const auto equal = RunCli("chart --date 1980-01-15 --time 12:30 --lat 90 --lon 0 --houses M");
  EXPECT_EQ(equal.status, 0) << equal.output;
}

}  // namespace

namespace {

// The exit status of velora-cli with its standard output sent where `redirection` says.
int StatusWithOutput(const std::string& arguments, const std::string& redirection) {
  const std::string command =
      std::string(VELORA_CLI_PATH) + " " + arguments + " " + redirection + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CommandOutput, AResultThatCannotBeWrittenIsAFailure) {
  const std::string chart = "chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45";
  EXPECT_EQ(StatusWithOutput(chart, "> /dev/null"), 0);
  EXPECT_EQ(StatusWithOutput(chart, "> /dev/full"), 1);
  EXPECT_EQ(StatusWithOutput(chart, ">&-"), 1);
  const std::string interpret =
      "interpret --kind radix --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --data " +
      velora::testing::BundledData();
  EXPECT_EQ(StatusWithOutput(interpret, "> /dev/full"), 1);
}

}  // namespace
