#include "interpretation/RadixComposers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "common/Cp1251.h"
#include "common/UserError.h"
#include "common/Utf8Text.h"
#include "interpretation/ChartKeys.h"
#include "interpretation/CipherKeys.h"
#include "interpretation/InterpretationDispatcher.h"
#include "interpretation/LineCipher.h"
#include "interpretation/RadixEntryItems.h"

namespace velora {
namespace {

namespace fs = std::filesystem;

TEST(ChartKeys, SignsStartAtExactMultiplesOfThirty) {
  EXPECT_EQ(SignOfLongitude(0), 1);
  EXPECT_EQ(SignOfLongitude(29.999), 1);
  EXPECT_EQ(SignOfLongitude(30), 2);
  EXPECT_EQ(SignOfLongitude(330), 12);
  EXPECT_EQ(SignOfLongitude(359.99), 12);
  EXPECT_FALSE(SignOfLongitude(360).has_value());
  EXPECT_FALSE(SignOfLongitude(-0.5).has_value());
}

TEST(ChartKeys, HousesOpenAtTheirCuspAndMayWrapThroughZero) {
  HouseCusps cusps;
  for (int h = 1; h <= 12; ++h) cusps[h] = std::fmod(10 + 30.0 * (h - 1) + 360, 360);
  cusps[12] = 340;
  EXPECT_EQ(HouseOfLongitude(10, cusps), 1);  // on cusp 1
  EXPECT_EQ(HouseOfLongitude(39.99, cusps), 1);
  EXPECT_EQ(HouseOfLongitude(40, cusps), 2);
  EXPECT_EQ(HouseOfLongitude(350, cusps), 12);  // cusp 12 at 340, cusp 1 at 10
  EXPECT_EQ(HouseOfLongitude(5, cusps), 12);
  EXPECT_EQ(HouseOfLongitude(360, cusps), 0);  // in no house
}

TEST(ChartKeys, HouseKeysDoNotContainEachOther) {
  EXPECT_EQ(HouseKey(1), " 1 ");
  EXPECT_EQ(HouseSignKey(10), "&10 ");
  EXPECT_EQ(RulerHouseKey(12), " 12: ");
  EXPECT_EQ(std::string(" 10: ").find(RulerHouseKey(1)), std::string::npos);
  EXPECT_EQ(std::string(" 10 ").find(HouseKey(1)), std::string::npos);
  EXPECT_EQ(ItemAspectKey(13), "ВУЗ");
  EXPECT_EQ(ItemKey(13), "ВУз");
  EXPECT_EQ(CharacterCount(SignRulerPrintedName(1)), 8u);  // Mars is two characters narrower
  for (int sign = 2; sign <= 12; ++sign) EXPECT_EQ(CharacterCount(SignRulerPrintedName(sign)), 10u);
}

// A data folder with radix files written by the test: every heading the composers can ask for,
// each with a one-line body naming its keys.
class RadixLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = fs::temp_directory_path() /
            ("velora-radix-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(data_);
    for (const LibraryFileKeys& file : RadixLibraryKeys()) WriteCompleteFile(file);
    WriteFile("\\Dann\\Radix\\Begin.TXT", {"Предисловие & введение", "вторая строка"}, false);
    workspace_.forms.first.setMonthIndex(0);  // 15 January 1980, 12:30
  }
  void TearDown() override { fs::remove_all(data_); }

  void WriteFile(const std::string& name, const std::vector<std::string>& utf8Lines,
                 bool enciphered) {
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const fs::path path = data_ / relative.substr(1);
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : utf8Lines) {
      const std::string bytes = Utf8ToCp1251(line);
      file << (enciphered ? EncipherLine(bytes, RadixCipherKey()) : bytes) << "\r\n";
    }
  }

  void WriteCompleteFile(const LibraryFileKeys& file) {
    std::vector<std::string> lines = {"Строка до первого заголовка"};
    for (const EntryItem& item : file.items) {
      std::string heading = "&";
      std::string body = "Текст:";
      for (const std::string& key : item.keys) {
        if (key != "&") heading += key + "|";
        body += key + "|";
      }
      lines.push_back(heading);
      lines.push_back(body);
    }
    lines.push_back("&&&&&");
    WriteFile(file.fileName, lines, file.group == LibraryGroup::kRadixAdult);
  }

  static std::vector<std::string>::const_iterator Find(const InterpretationText& text,
                                                       const std::string& line) {
    return std::find(text.lines.begin(), text.lines.end(), line);
  }

  fs::path data_;
  Workspace workspace_;
  InterpretationText text_;
};

TEST_F(RadixLibraryTest, PlanetsStandInTheirSignsAndHouses) {
  ComposeRadix(workspace_, data_, RadixReader::kAdult, text_);
  // 15 January 1980, 12:30: the Sun at 294.52 in Capricorn, in Placidus house 5.
  EXPECT_NE(Find(text_, " Солнце|Козероге|"), text_.lines.end());
  EXPECT_NE(Find(text_, "Текст:Солнце|Козероге|"), text_.lines.end());
  EXPECT_NE(Find(text_, " Солнце| 5 |"), text_.lines.end());
  EXPECT_NE(Find(text_, " ВУз|Деве|"), text_.lines.end());
  EXPECT_NE(Find(text_, " Asc|Льве|"), text_.lines.end());
  EXPECT_NE(Find(text_, " &1 |Льве|"), text_.lines.end());  // the leading "&" shown as a blank
  EXPECT_EQ(Find(text_, "Строка до первого заголовка"), text_.lines.end());
  ASSERT_GE(text_.lines.size(), 4u);
  EXPECT_EQ(text_.lines[2], "Положение Планет в знаках зодиака");
}

TEST_F(RadixLibraryTest, RulerSummaryPrintsTheRulersWithTheirPaddedNames) {
  ComposeRulersInHouses(workspace_, data_, text_);
  ASSERT_GE(text_.lines.size(), 14u);
  EXPECT_EQ(text_.lines[0], " ");
  EXPECT_EQ(text_.lines[1], "Хозяева домов гороскопа в домах");
  // Cusp 1 in Leo: the Sun, in Capricorn and house 5; cusp 9 in Aries: Mars in Virgo, house 2.
  EXPECT_EQ(text_.lines[2], " Хозяин  1 дома  Солнце     в  Козероге и в доме №  5 ");
  EXPECT_EQ(text_.lines[10], " Хозяин  9 дома  Марс     в  Деве и в доме №  2 ");
  EXPECT_NE(Find(text_, "  1 | 5: |"), text_.lines.end());
}

TEST_F(RadixLibraryTest, ChildsTextSkipsHousesWithFiveBlankLinesBeforeTheHouseSigns) {
  ComposeRadix(workspace_, data_, RadixReader::kChild, text_);
  const auto title = Find(text_, "Положение Домов в знаках зодиака");
  ASSERT_NE(title, text_.lines.end());
  ASSERT_GE(title - text_.lines.begin(), 6);
  for (int back = 1; back <= 2; ++back) EXPECT_EQ(*(title - back), "  ");
  for (int back = 3; back <= 5; ++back) EXPECT_EQ(*(title - back), "  ");
  EXPECT_NE(*(title - 6), "  ");  // the last planets-in-signs body line
  EXPECT_EQ(Find(text_, "Положение Планет в домах"), text_.lines.end());
}

TEST_F(RadixLibraryTest, AspectsUseTheOrbsAsTheyStandAndAZeroOrbFindsNothing) {
  workspace_.settings.houseSystem = 'S';  // cusp 1 is the Sun: the Sun and Asc in exact conjunction
  ComposeRadixAspects(workspace_, data_, RadixReader::kAdult, text_);
  EXPECT_EQ(text_.lines.front(), "");
  EXPECT_EQ(text_.lines.size(), 5u) << "all orbs are zero before the settings were applied";

  ItemFlags flags;
  workspace_.ApplyItemSettings(flags);
  ComposeRadixAspects(workspace_, data_, RadixReader::kAdult, text_);
  EXPECT_NE(Find(text_, " Солнце| 0|Asc|"), text_.lines.end());
}

TEST_F(RadixLibraryTest, AspectsOfExcludedItemsUseTheirLastOrb) {
  ItemFlags flags;
  workspace_.ApplyItemSettings(flags);
  // The Sun (294.52) and Uranus (234.68) are 59.84 apart. Uranus is excluded and its orb is
  // still 0, so the pair's orb is (10 + 0) / 2 = 5 and the sextile holds.
  ComposeRadixAspects(workspace_, data_, RadixReader::kAdult, text_);
  EXPECT_NE(Find(text_, " Солнце|60|Уран|"), text_.lines.end());
  workspace_.computed.itemOrbs[kSun] = 0.2;  // orb 0.1: 59.84 lies outside 59.9 .. 60.1
  ComposeRadixAspects(workspace_, data_, RadixReader::kAdult, text_);
  EXPECT_EQ(std::count(text_.lines.begin(), text_.lines.end(), " Солнце|60|Уран|"), 1);
}

TEST_F(RadixLibraryTest, DispatcherWritesTheRadixHeaderAndPreface) {
  workspace_.forms.first.name = "Анна";
  RunInterpretation(workspace_, "Радикс", data_, text_);
  ASSERT_GE(text_.lines.size(), 5u);
  EXPECT_EQ(text_.lines[0], "Описание карты гороскопа   Анна");
  EXPECT_EQ(text_.lines[1], "  ");
  EXPECT_EQ(text_.lines[2], "Предисловие & введение");
  EXPECT_EQ(text_.lines[3], "вторая строка");
  EXPECT_NE(Find(text_, "Положение Хозяев Домов в знаках зодиака"), text_.lines.end());
  EXPECT_NE(Find(text_, "Аспекты планет показывают"), text_.lines.end());

  const std::vector<std::string> first = text_.lines;
  RunInterpretation(workspace_, "Радикс", data_, text_);
  EXPECT_EQ(text_.lines, first) << "a second run clears the view first";
}

TEST_F(RadixLibraryTest, DispatcherChoosesByTheExactKind) {
  RunInterpretation(workspace_, "Радикс детский", data_, text_);
  EXPECT_EQ(Find(text_, "Положение Хозяев Домов в знаках зодиака"), text_.lines.end());
  EXPECT_NE(Find(text_, "Аспекты планет показывают"), text_.lines.end());

  workspace_.forms.second.setYear(2027);
  // This folder holds no return library: the header and the lines before it stay.
  EXPECT_THROW(RunInterpretation(workspace_, "Лунар", data_, text_), UserError);
  ASSERT_GE(text_.lines.size(), 2u);
  EXPECT_EQ(text_.lines[0], "Лунар  ");

  workspace_.forms.second.setMonthIndex(11);
  workspace_.forms.second.setDay(6);
  workspace_.forms.second.setYear(2026);
  workspace_.forms.first.setMonthIndex(0);
  // This folder holds no transit library: the header and the day's lines come before it.
  EXPECT_THROW(RunInterpretation(workspace_, "Транзит", data_, text_), UserError);
  ASSERT_GE(text_.lines.size(), 5u);
  EXPECT_EQ(text_.lines[1], "На  6 Декабрь 2026 воскресенье");
  EXPECT_EQ(text_.lines[4], "  ");

  RunInterpretation(workspace_, "Усталость", data_, text_);
  EXPECT_TRUE(text_.lines.empty());
  RunInterpretation(workspace_, "радикс", data_, text_);
  EXPECT_TRUE(text_.lines.empty());
}

TEST_F(RadixLibraryTest, MissingFileStopsTheRunAndKeepsWhatWasWritten) {
  fs::remove(data_ / "Dann" / "Radix" / "DomZod.txt");
  try {
    RunInterpretation(workspace_, "Радикс", data_, text_);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("DomZod.txt"), std::string::npos);
  }
  EXPECT_NE(Find(text_, "Положение Планет в домах"), text_.lines.end());
  EXPECT_EQ(Find(text_, "Аспекты планет показывают"), text_.lines.end());
}

}  // namespace
}  // namespace velora
