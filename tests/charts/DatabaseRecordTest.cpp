#include "charts/DatabaseRecord.h"

#include <gtest/gtest.h>

#include "common/UserError.h"

namespace velora {
namespace {

TEST(FormatDatabaseRecord, WritesTheDefaultFirstChart) {
  EXPECT_EQ(FormatDatabaseRecord(ChartForm()), "М ; 15. 0.1980 12:30 56.01 92.45 ");
}

TEST(FormatDatabaseRecord, PadsDayAndMonthButNotTheTime) {
  ChartForm form;
  form.name = "Клиент";
  form.setDay(5);
  form.setMonthIndex(5);
  form.setHour(9);
  form.setMinute(7);
  EXPECT_EQ(FormatDatabaseRecord(form), "М ;  5. 6.1980 9:7 56.01 92.45 Клиент");
  form.sex = Sex::kFemale;
  form.setMonthIndex(11);
  EXPECT_EQ(FormatDatabaseRecord(form).substr(0, 17), "Ж ;  5.12.1980 9");
}

TEST(FormatDatabaseRecord, WritesCoordinatesWithTwoDecimalsSoTheyReadBackUnchanged) {
  ChartForm form;
  form.latitudeText = "56.5";
  form.longitudeText = "-0.3";
  const std::string line = FormatDatabaseRecord(form);
  EXPECT_EQ(line, "М ; 15. 0.1980 12:30 56.50 -0.30 ");
  const DatabaseRecordValues values = ParseDatabaseRecord(line);
  EXPECT_EQ(values.latitudeText, "56.50");
  EXPECT_EQ(values.longitudeText, "-0.30");
}

TEST(FormatDatabaseRecord, WritesHugeCoordinatesWholeWithoutShiftingTheName) {
  ChartForm form;
  form.name = "Имя";
  form.latitudeText = "1e308";
  form.longitudeText = "1e20";
  const std::string line = FormatDatabaseRecord(form);
  EXPECT_NE(line.find(" 100000000000000000000.00 Имя"), std::string::npos) << line;
  EXPECT_EQ(line.substr(line.size() - 3 - 4), " Имя");
  // 1e308 with two decimals: 309 digits, the point and two zeros.
  EXPECT_NE(line.find(" " + std::string("1") + std::string(308, '0').substr(0, 10)),
            std::string::npos);
  EXPECT_GT(line.size(), 309u + 3 + 25);
}

TEST(FormatDatabaseRecord, RefusesACoordinateThatIsNotANumber) {
  ChartForm form;
  form.latitudeText = "север";
  EXPECT_THROW(FormatDatabaseRecord(form), UserError);
}

TEST(ParseDatabaseRecord, ReadsARecordIntoTheSecondChart) {
  ChartForm form;
  TakeDatabaseRecord("Ж ;  1. 1.2000 0:0 55.45 37.37 Гостья", form);
  EXPECT_EQ(form.day(), 1);
  EXPECT_EQ(form.monthIndex(), 0);
  EXPECT_EQ(form.year(), 2000);
  EXPECT_EQ(form.hour(), 0);
  EXPECT_EQ(form.minute(), 0);
  EXPECT_EQ(form.latitudeText, "55.45");
  EXPECT_EQ(form.longitudeText, "37.37");
  EXPECT_EQ(form.name, "Гостья");
  EXPECT_EQ(form.sex, Sex::kFemale);
}

TEST(ParseDatabaseRecord, ReadsDigitsAfterThePointAsMinutes) {
  EXPECT_EQ(ParseDatabaseRecord("М ; 15. 6.1980 12:30 56.5 92.45 А").latitudeText, "56.05");
  const DatabaseRecordValues south = ParseDatabaseRecord("М ; 15. 6.1980 12:30 -33.55 -0.30 Б");
  EXPECT_EQ(south.latitudeText, "-33.55");
  EXPECT_EQ(south.longitudeText, "-0.30");
}

TEST(ParseDatabaseRecord, KeepsANameWithBlanksWhole) {
  const DatabaseRecordValues values =
      ParseDatabaseRecord("М ; 15. 6.1980 12:30 56.01 92.45 Новый клиент  из Омска");
  EXPECT_EQ(values.name, "Новый клиент  из Омска");
  EXPECT_EQ(values.sex, Sex::kMale);
}

TEST(ParseDatabaseRecord, TakesWhatTheRulesFindInHandEditedLines) {
  ChartForm blank;
  TakeDatabaseRecord("", blank);
  EXPECT_EQ(blank.day(), 1);      // 0, clamped by the day control
  EXPECT_EQ(blank.year(), 1880);  // 0, clamped
  EXPECT_EQ(blank.monthIndex(), ChartForm::kNoMonth);
  EXPECT_EQ(blank.latitudeText, "0.00");
  EXPECT_EQ(blank.name, "");
  EXPECT_EQ(blank.sex, Sex::kFemale);  // the first character is not "М"

  // A missing separator leaves the field empty and removes nothing from the line.
  const DatabaseRecordValues noTime = ParseDatabaseRecord("М ; 3.4.1999 Имя");
  EXPECT_EQ(noTime.day, 3);
  EXPECT_EQ(noTime.month, 4);
  EXPECT_EQ(noTime.year, 1999);
  EXPECT_EQ(noTime.hour, 0);
  EXPECT_EQ(noTime.name, "Имя");

  const DatabaseRecordValues garbage = ParseDatabaseRecord("М ; xx.12.2000 12:30 56.01 92.45 В");
  EXPECT_EQ(garbage.day, 0);
  EXPECT_EQ(garbage.month, 12);
}

TEST(ParseDatabaseRecord, RoundTripsWhatItWrites) {
  ChartForm form;
  form.setYear(1955);
  form.setMonthIndex(9);
  form.setDay(31);
  form.setHour(23);
  form.setMinute(59);
  form.latitudeText = "-12.34";
  form.longitudeText = "-120.05";
  form.name = "Мария Ивановна";
  form.sex = Sex::kFemale;
  ChartForm restored;
  TakeDatabaseRecord(FormatDatabaseRecord(form), restored);
  EXPECT_EQ(restored.year(), 1955);
  EXPECT_EQ(restored.monthIndex(), 9);
  EXPECT_EQ(restored.day(), 31);
  EXPECT_EQ(restored.hour(), 23);
  EXPECT_EQ(restored.minute(), 59);
  EXPECT_EQ(restored.latitudeText, "-12.34");
  EXPECT_EQ(restored.longitudeText, "-120.05");
  EXPECT_EQ(restored.name, "Мария Ивановна");
  EXPECT_EQ(restored.sex, Sex::kFemale);
}

}  // namespace
}  // namespace velora
