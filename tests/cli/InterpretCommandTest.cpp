#include <gtest/gtest.h>

#include <filesystem>

#include "../common/TemporaryFolder.h"
#include "app/RichText.h"
#include "cli/CliRunner.h"
#include "common/Cp1251.h"
#include "common/FileBytes.h"
#include "common/TextLines.h"

namespace velora {
namespace {

using testing::BundledData;
using testing::RunCli;

const std::string kDefaultChart =
    "--date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --data " + BundledData();

TEST(InterpretCommand, PrintsTheWholeRadixTextOfTheDefaultChart) {
  const auto run = RunCli("interpret --kind radix --name 'Анна Петровна' " + kDefaultChart, false);
  ASSERT_EQ(run.status, 0) << run.output;
  const auto lines = SplitTextLines(run.output, EmptyText::kNoLines);
  ASSERT_GT(lines.size(), 100u);
  EXPECT_EQ(lines[0], "Описание карты гороскопа   Анна Петровна");
  for (const char* expected :
       {"Положение Планет в знаках зодиака", " Солнце в Козероге", "Положение Планет в домах",
        "Положение Домов в знаках зодиака", "Положение Хозяев Домов в знаках зодиака",
        "Хозяева домов гороскопа в домах", "Положение Хозяев домов в домах",
        "Аспекты планет показывают"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
  }
  EXPECT_NE(run.output.find(" Хозяин  1 дома  Солнце     в  Козероге и в доме №  5 \n"),
            std::string::npos);
}

TEST(InterpretCommand, ChildsTextHasNoRulersAndWritesRtfThatReadsBack) {
  testing::TemporaryFolder folder;
  const std::string out = (folder.path() / "child.rtf").string();
  const auto printed = RunCli("interpret --kind radix-child " + kDefaultChart, false);
  ASSERT_EQ(printed.status, 0) << printed.output;
  EXPECT_EQ(printed.output.find("Хозяева домов"), std::string::npos);
  const auto saved =
      RunCli("interpret --kind radix-child --out " + out + " " + kDefaultChart, true);
  ASSERT_EQ(saved.status, 0) << saved.output;
  EXPECT_EQ(LinesFromRichText(ReadFileBytes(out)),
            SplitTextLines(printed.output, EmptyText::kNoLines));
}

TEST(InterpretCommand, MissingLibraryFileIsNamedAndTheTextSoFarKept) {
  testing::TemporaryFolder folder;
  std::filesystem::copy(BundledData(), folder.path(), std::filesystem::copy_options::recursive);
  std::filesystem::remove(folder.path() / "Dann" / "Radix" / "Hozzod.txt");
  const auto run = RunCli(
      "interpret --kind radix --date 1980-01-15 --time 12:30 --lat 56.01 "
      "--lon 92.45 --data " +
          folder.path().string(),
      true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("Hozzod.txt"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Положение Домов в знаках зодиака"), std::string::npos);
  EXPECT_EQ(run.output.find("Аспекты планет показывают"), std::string::npos);
}

TEST(InterpretCommand, RefusesAnUnknownKind) {
  const auto run = RunCli("interpret --kind horoscope " + kDefaultChart, true);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("horoscope"), std::string::npos);
}

TEST(TextlibCheck, FindsTheBundledLibrariesComplete) {
  const auto run = RunCli("textlib check " + BundledData(), true);
  EXPECT_EQ(run.status, 0) << run.output;
  for (const char* group : {"радикс", "транзиты", "соляры", "лунары", "дирекции"}) {
    EXPECT_NE(run.output.find(std::string("Группа «") + group + "» полна."), std::string::npos)
        << group;
  }
  const auto viaDann = RunCli("textlib check " + BundledData() + "/Dann");
  EXPECT_EQ(viaDann.status, 0) << viaDann.output;
}

TEST(TextlibCheck, ReportsMissingFilesAndUnansweredKeys) {
  testing::TemporaryFolder folder;
  folder.Write(
      "Dann/Radix/Kinder/KinderAsc.txt",
      Utf8ToCp1251("&1 дом в Овне\r\nтекст\r\n&1 дом в Овне и в Тельце\r\nтекст\r\n&&&&&\r\n"));
  const auto run = RunCli("textlib check " + folder.path().string(), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("PLZODIAC.txt: файла нет"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("KinderAsc.txt: неполон"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("сочетания без заголовка (142)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("подходит к 2 сочетаниям"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Группа «радикс» неполна."), std::string::npos);
}

}  // namespace
}  // namespace velora

namespace {

TEST(DirectionsCommand, PrintsTheTableAndTheAspectLines) {
  const auto run = velora::testing::RunCli(
      "directions --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --to 08.12.2026");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output.rfind("Приращение =    46.90\n", 0), 0u);
  EXPECT_NE(run.output.find(" Расчет аспектов дирекционных к радикс\n"), std::string::npos);
}

TEST(DirectionsCommand, DatesTheBoxCannotHoldAreUsageMistakes) {
  for (const char* to : {"2023-02-29", "1879-12-31", "2051-01-01", "32.01.2000", "завтра"}) {
    const auto run = velora::testing::RunCli(
        std::string("directions --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --to ") +
        to);
    EXPECT_EQ(run.status, 2) << to;
    EXPECT_TRUE(run.output.empty()) << to;
  }
  const auto interpret = velora::testing::RunCli(
      "interpret --kind directions --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 "
      "--to 2023-02-29");
  EXPECT_EQ(interpret.status, 2);
  EXPECT_TRUE(interpret.output.empty());
}

TEST(DirectionsCommand, InterpretWritesTheListsOfTheChosenSet) {
  const std::string chart =
      "interpret --kind directions --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 "
      "--to 2026-12-08 --name Анна --data " +
      velora::testing::BundledData();
  const auto six = velora::testing::RunCli(chart);
  const auto sixteen = velora::testing::RunCli(chart + " --aspect-set 16");
  EXPECT_EQ(six.output.rfind("   Дирекция Анна  на  08.12.2026\n", 0), 0u) << six.output;
  EXPECT_NE(six.output.find("Аспекты дирекционных домов к радиксным планетам"), std::string::npos);
  EXPECT_EQ(sixteen.output.find("Аспекты дирекционных домов к радиксным планетам"),
            std::string::npos);
  EXPECT_NE(sixteen.output.find("Описание Дирекций гороскопа   Анна"), std::string::npos);
}

}  // namespace

namespace {

TEST(DirectionsCommand, TakesTheSettingsOfTheInclusionAndAspectWindows) {
  const std::string chart =
      "directions --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --to 1980-01-15 ";
  // A zero arc with only the conjunction: every included body meets itself.
  const auto defaults = velora::testing::RunCli(chart + "--aspects 0");
  const auto all = velora::testing::RunCli(chart + "--aspects 0 --all-items --orbs directions");
  ASSERT_EQ(defaults.status, 0);
  ASSERT_EQ(all.status, 0);
  const std::string lilith = " Дирекц.  Лил    0.0 к Лил  \n";
  EXPECT_EQ(defaults.output.find(lilith), std::string::npos);
  EXPECT_NE(all.output.find(lilith), std::string::npos) << all.output;

  EXPECT_EQ(velora::testing::RunCli(chart + "--orbs wide").status, 2);
  EXPECT_EQ(velora::testing::RunCli(chart + "--aspects 0,x").status, 2);
  EXPECT_EQ(velora::testing::RunCli(chart + "--aspects 0,1,2,3,4,5,6,7,8,9,10").status, 2);
}

}  // namespace

namespace {

const std::string kFirstChart = "--date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 ";

TEST(TransitCommands, ListTheDayTheCalendarAndTheFatigueTable) {
  const auto day = velora::testing::RunCli("transits " + kFirstChart +
                                           "--second-date 2026-08-15 --second-time 12:00");
  ASSERT_EQ(day.status, 0);
  EXPECT_NE(day.output.find("   Солнце(142.7) XII   0.4  Asc (143.1)  \n"), std::string::npos)
      << day.output;
  const auto calendar =
      velora::testing::RunCli("calendar " + kFirstChart + "--from 06.12.2026 --to 13.12.2026");
  ASSERT_EQ(calendar.status, 0);
  EXPECT_EQ(calendar.output.rfind("Транзиты на Радикс 15.01.1980\n  \n7.12.2026  понедельник\n", 0),
            0u)
      << calendar.output;
  EXPECT_NE(calendar.output.find("13.12.2026  воскресенье\n"), std::string::npos);
  const auto fatigue = velora::testing::RunCli("fatigue " + kFirstChart +
                                               "--name Анна --from 2026-12-08 --to 2027-01-08");
  ASSERT_EQ(fatigue.status, 0);
  EXPECT_EQ(fatigue.output.rfind("Дни усталости организма Анна\n", 0), 0u);
}

TEST(TransitCommands, RefuseDatesOutOfOrderAndChartsWithoutMonth) {
  for (const std::string& command :
       {"calendar " + kFirstChart + "--from 13.12.2026 --to 06.12.2026",
        "fatigue " + kFirstChart + "--from 06.12.2026 --to 06.12.2026",
        "calendar " + kFirstChart + "--from 06.12.2026 --to 31.12.2051"}) {
    const auto run = velora::testing::RunCli(command);
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_TRUE(run.output.empty()) << command;
  }
}

TEST(TransitCommands, InterpretWritesTheHeaderAndTheHouses) {
  const auto run =
      velora::testing::RunCli("interpret --kind transit " + kFirstChart +
                              "--second-date 2026-08-15 --second-time 12:00 --name Анна --data " +
                              velora::testing::BundledData());
  EXPECT_EQ(run.output.rfind("Транзит  Анна\nНа  15 Август 2026 суббота\n", 0), 0u) << run.output;
  EXPECT_NE(run.output.find("Транзитная планета  Солнце  включает  12 дом\n"), std::string::npos);
}

}  // namespace
