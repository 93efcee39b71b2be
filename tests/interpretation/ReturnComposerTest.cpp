#include "interpretation/ReturnComposer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "LibraryFixture.h"
#include "common/UserError.h"
#include "derived/SearchMoment.h"
#include "derived/SolarReturnSearch.h"
#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"
#include "interpretation/CipherKeys.h"
#include "interpretation/InterpretationDispatcher.h"
#include "workspace/ChartKinds.h"

namespace velora {
namespace {

// "D.M.YYYY" of a line's date text.
double JulianDayOfDateText(const std::string& line) {
  int day = 0, month = 0, year = 0;
  EXPECT_EQ(std::sscanf(line.c_str(), "%d.%d.%d", &day, &month, &year), 3) << line;
  return JulianDay(day, month, year);
}

bool IsProgressedLine(const std::string& line) {
  return line.find(" Прогрессивн. ") != std::string::npos;
}

class ReturnComposerTest : public testing::LibraryFixture {
 protected:
  ReturnComposerTest() {
    workspace.forms.first.setMonthIndex(0);  // 15 January 1980 12:30, 56.01, 92.45
    WriteLibrary(ReturnKind::kSolar, "Dann/CO/");
    WriteLibrary(ReturnKind::kLunar, "Dann/LO/");
  }

  // Every combination the composer can ask for gets one entry, its body naming the file and the
  // entry's number, the keys in the heading separated by "|".
  void WriteLibrary(ReturnKind kind, const std::string& folderName) {
    for (const LibraryFileKeys& file : ReturnLibraryKeys(kind)) {
      Lines lines{"Вступление, которое не показывается."};
      int number = 0;
      for (const EntryItem& item : file.items) {
        std::string heading = "&";
        for (const std::string& key : item.keys) heading += key + "|";
        lines.push_back(heading);
        lines.push_back(Leaf(file.fileName) + " " + std::to_string(++number));
      }
      lines.push_back("&&&&&");
      WriteEnciphered(folderName + Leaf(file.fileName), lines, ReturnsCipherKey());
    }
  }

  static std::string Leaf(const std::string& fileName) {
    return fileName.substr(fileName.rfind('\\') + 1);
  }

  void SetReturnMoment(int year, int month, int day, int hour, int minute) {
    ChartForm& second = workspace.forms.second;
    second.setYear(year);
    second.setMonthIndex(month - 1);
    second.setDay(day);
    second.setHour(hour);
    second.setMinute(minute);
  }

  InterpretationText Compose(const char* kind) {
    workspace.chartKind = kind;
    InterpretationText out;
    RunInterpretation(workspace, kind, folder.path(), out);
    return out;
  }

  long CountStarting(const InterpretationText& out, const std::string& prefix) const {
    return std::count_if(out.lines.begin(), out.lines.end(),
                         [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  }

  Workspace workspace;
};

TEST_F(ReturnComposerTest, ASolarReturnReadsEverySectionUnderItsTitles) {
  workspace.forms.first.name = "Анна";
  workspace.forms.second.setYear(2026);
  SolarReturnSearch(workspace.forms.first, workspace.forms.second);
  const InterpretationText out = Compose(chart_kinds::kSolar);

  ASSERT_GE(out.lines.size(), 2u);
  EXPECT_EQ(out.lines[0], "Описание карты Солнечного возвращения  Анна");
  EXPECT_EQ(out.lines[1], "На  2026 год");
  EXPECT_TRUE(IsProgressedLine(out.lines[2])) << out.lines[2];

  const auto at = [&](const std::string& line) {
    return std::find(out.lines.begin(), out.lines.end(), line) - out.lines.begin();
  };
  const long ascendant = at("Положение Асц в знаках зодиака");
  const long houses = at("Положение Домов СО в домах радикса");
  const long planets = at("Положение Планет Соляра в домах");
  const long pairs = at("Возвращение планет  на свое или на место другой планеты ");
  ASSERT_LT(ascendant, houses);
  ASSERT_LT(houses, planets);
  ASSERT_LT(planets, pairs);
  ASSERT_LT(pairs, static_cast<long>(out.lines.size()));
  EXPECT_EQ(out.lines[static_cast<std::size_t>(ascendant - 1)], "  ");
  EXPECT_EQ(out.lines[static_cast<std::size_t>(pairs + 1)], " ");

  // One sign of the Ascendant; each of the twelve return houses in one radix house; sixteen
  // bodies in houses; and the Sun back on its own place, whatever else comes close.
  EXPECT_EQ(CountStarting(out, "AscZnCo.txt "), 1);
  EXPECT_EQ(CountStarting(out, "DomDomCo.txt "), 12);
  EXPECT_EQ(CountStarting(out, "PLDomCO.txt "), 16);
  EXPECT_GE(CountStarting(out, "PlanPlan.txt "), 1);
  EXPECT_EQ(std::count(out.lines.begin(), out.lines.end(), " Солнца |Солнца:|"), 1);
  EXPECT_EQ(std::count(out.lines.begin(), out.lines.end(), "PlanPlan.txt 1"), 1);
  EXPECT_EQ(CountStarting(out, "AscZnLo.txt "), 0);
}

TEST_F(ReturnComposerTest, ALunarReturnHasNoProgressedLines) {
  SetReturnMoment(2026, 12, 9, 13, 59);
  const InterpretationText out = Compose(chart_kinds::kLunar);
  ASSERT_GE(out.lines.size(), 3u);
  EXPECT_EQ(out.lines[0], "Лунар  ");
  EXPECT_EQ(out.lines[1], "На  9 Декабрь 2026");
  EXPECT_EQ(out.lines[2], "  ");
  EXPECT_EQ(std::count_if(out.lines.begin(), out.lines.end(), IsProgressedLine), 0);
  EXPECT_NE(std::find(out.lines.begin(), out.lines.end(), "Положение Домов Лунара в домах радикса"),
            out.lines.end());
  EXPECT_EQ(CountStarting(out, "PLDomLo.txt "), 16);
  EXPECT_EQ(CountStarting(out, "PLDomCO.txt "), 0);
}

TEST_F(ReturnComposerTest, ProgressedLinesAreDatedWithTheDayOfTheirPositions) {
  SetReturnMoment(2006, 6, 19, 12, 0);
  const ChartForm before = workspace.forms.second;
  const InterpretationText out = Compose(chart_kinds::kSolar);
  const double returnDay = JulianDay(19, 6, 2006);

  // The progressed Moon against the radix bodies, checked against the Moon's own motion.
  ChartInput atReturn = ReadChartInput(workspace.forms.second);
  ChartInput dayLater = atReturn;
  dayLater.day += 1;
  PlanetLongitudes r, r1, natal;
  ComputeAllBodies(atReturn, r);
  ComputeAllBodies(dayLater, r1);
  ChartInput birth = ReadChartInput(workspace.forms.first);
  ComputeAllBodies(birth, natal);
  const double moonRate = (r1[kMoon] - r[kMoon] + (r1[kMoon] < r[kMoon] ? 360 : 0)) / 365;

  long moonLines = 0;
  for (const std::string& line : out.lines) {
    if (!IsProgressedLine(line)) continue;
    const double days = JulianDayOfDateText(line) - returnDay;
    EXPECT_GE(days, 2) << line;
    EXPECT_LE(days, 365) << line;
    const std::size_t toRadix = line.find("  к радиксной ");
    if (line.find("Прогрессивн. Луна ") == std::string::npos || toRadix == std::string::npos) {
      continue;
    }
    const std::string natalName = line.substr(toRadix + std::string("  к радиксной ").size());
    const auto name = std::find(kItemNames.begin() + 1, kItemNames.begin() + 17, natalName);
    ASSERT_NE(name, kItemNames.begin() + 17) << line;
    const int natalBody = static_cast<int>(name - kItemNames.begin());
    ++moonLines;
    int angle = 0;
    ASSERT_EQ(
        std::sscanf(line.c_str() + line.find("Луна ") + std::string("Луна ").size(), "%d", &angle),
        1);
    double separation = std::abs(natal[natalBody] - (days * moonRate + r[kMoon]));
    separation = std::fmod(separation, 360.0);
    if (separation > 180) separation = 360 - separation;
    EXPECT_LE(std::abs(separation - angle), moonRate + 1e-9) << line;
  }
  EXPECT_GE(moonLines, 1);

  // The nodes cross 0° Aries backward in the day after this return; they move by hundredths of a
  // degree a year and so make next to no lines.
  const long nodeLines = std::count_if(out.lines.begin(), out.lines.end(), [](const auto& line) {
    return line.find("Прогрессивн. ВУз ") != std::string::npos ||
           line.find("Прогрессивн. Кету ") != std::string::npos;
  });
  EXPECT_LE(nodeLines, 4);

  // Only bodies 1..11 progress against the return chart; all sixteen return bodies are met.
  for (const std::string& line : out.lines) {
    if (line.find("к Солярной") == std::string::npos) continue;
    for (const char* slow : {"Прозерпина ", "ВУз ", "Кету ", "Селена ", "Лилит "}) {
      EXPECT_EQ(line.find(std::string("Прогрессивн. ") + slow), std::string::npos) << line;
    }
  }

  // The window is read, never moved.
  const ChartForm& after = workspace.forms.second;
  EXPECT_EQ(after.year(), before.year());
  EXPECT_EQ(after.monthIndex(), before.monthIndex());
  EXPECT_EQ(after.day(), before.day());
  EXPECT_EQ(after.hour(), before.hour());
}

TEST_F(ReturnComposerTest, AMissingFileEndsTheTextAfterTheLinesBefore) {
  SetReturnMoment(2026, 12, 9, 13, 59);
  std::filesystem::remove(folder.path() / "Dann/LO/PLDomLo.txt");
  workspace.chartKind = chart_kinds::kLunar;
  InterpretationText out;
  EXPECT_THROW(RunInterpretation(workspace, chart_kinds::kLunar, folder.path(), out), UserError);
  EXPECT_EQ(CountStarting(out, "DomDomLo.txt "), 12);
  EXPECT_EQ(out.lines.back(), "  ");
}

TEST(StrictRadixHouseTest, ACuspItselfBelongsToNoHouse) {
  HouseCusps cusps;
  for (int house = 1; house <= 12; ++house) cusps[house] = std::fmod(350.0 + 30 * (house - 1), 360);
  EXPECT_EQ(StrictRadixHouse(355, cusps), 1);
  EXPECT_EQ(StrictRadixHouse(5, cusps), 1);  // the first house spans 0°
  EXPECT_EQ(StrictRadixHouse(21, cusps), 2);
  EXPECT_EQ(StrictRadixHouse(340, cusps), 12);
  EXPECT_EQ(StrictRadixHouse(350, cusps), 0);
  EXPECT_EQ(StrictRadixHouse(20, cusps), 0);
  EXPECT_EQ(StrictRadixHouse(20.0000001, cusps), 2);
  EXPECT_EQ(StrictRadixHouse(19.9999999, cusps), 1);
}

TEST(ReturnItemsTest, KeysOfOneKindNeverStandInsideAnother) {
  // " I " is not in " II ", " I:" not in " II:", and the genitive with a blank is not the one
  // with a colon.
  for (int house = 1; house <= 12; ++house) {
    for (int other = 1; other <= 12; ++other) {
      if (house == other) continue;
      const std::string returnKey = ReturnPlanetInHouseItem(kSun, house).keys[1];
      const std::string radixKey = ReturnHouseItem(2, house).keys[1];
      EXPECT_EQ(returnKey.find(ReturnPlanetInHouseItem(kSun, other).keys[1]), std::string::npos);
      EXPECT_EQ(radixKey.find(ReturnHouseItem(2, other).keys[1]), std::string::npos);
      EXPECT_EQ(radixKey.find(returnKey), std::string::npos);
    }
  }
  EXPECT_EQ(ReturnHouseItem(1, 12).keys, (std::vector<std::string>{"Асц", " XII:"}));
  EXPECT_EQ(ReturnHouseItem(9, 0).keys[1], "");
  EXPECT_EQ(ReturnOfPlanetItem(2, 1).keys, (std::vector<std::string>{"Луны ", "Солнца:"}));
  EXPECT_EQ(ReturnPlanetInHouseItem(13, 4).keys, (std::vector<std::string>{"ВУз", " IV "}));
}

}  // namespace
}  // namespace velora
