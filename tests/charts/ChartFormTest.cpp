#include "charts/ChartForm.h"

#include <gtest/gtest.h>

#include "common/UserError.h"
#include "workspace/Workspace.h"

namespace velora {
namespace {

TEST(ChartForm, StartsWithTheEntryWindowDefaults) {
  const ChartForm form;
  EXPECT_EQ(form.year(), 1980);
  EXPECT_EQ(form.monthIndex(), ChartForm::kNoMonth);
  EXPECT_EQ(form.day(), 15);
  EXPECT_EQ(form.hour(), 12);
  EXPECT_EQ(form.minute(), 30);
  EXPECT_EQ(form.latitudeText, "56.01");
  EXPECT_EQ(form.longitudeText, "92.45");
  EXPECT_EQ(Workspace().forms.second.name, "Транзит");
}

TEST(ChartForm, WritesTruncateAndClampLikeTheSpinEdits) {
  ChartForm form;
  form.setYear(1879);
  EXPECT_EQ(form.year(), 1880);
  form.setYear(2051.9);
  EXPECT_EQ(form.year(), 2050);
  form.setDay(15.99);
  EXPECT_EQ(form.day(), 15);
  form.setDay(0);
  EXPECT_EQ(form.day(), 1);
  form.setDay(32);
  EXPECT_EQ(form.day(), 31);
  form.setHour(-0.5);
  EXPECT_EQ(form.hour(), 0);
  form.setHour(24);
  EXPECT_EQ(form.hour(), 23);
  form.setMinute(60);
  EXPECT_EQ(form.minute(), 60);
  form.setMinute(61);
  EXPECT_EQ(form.minute(), 60);
  form.setMonthIndex(11);
  EXPECT_EQ(form.monthIndex(), 11);
  form.setMonthIndex(12);
  EXPECT_EQ(form.monthIndex(), ChartForm::kNoMonth);
}

TEST(ReadChartInput, ConvertsTheSevenValues) {
  ChartForm form;
  form.latitudeText = "-33.5";
  form.setMonthIndex(0);
  const ChartInput input = ReadChartInput(form);
  EXPECT_EQ(input.year, 1980);
  EXPECT_EQ(input.month, 1);
  EXPECT_EQ(input.day, 15);
  EXPECT_EQ(input.hour, 12);
  EXPECT_EQ(input.minute, 30);
  EXPECT_EQ(input.latitude, -33.5);
  EXPECT_EQ(input.longitude, 92.45);
}

TEST(ReadChartInput, GivesMonthZeroWhenNoMonthIsChosen) {
  EXPECT_EQ(ReadChartInput(ChartForm()).month, 0);
}

TEST(ReadChartInput, RefusesCoordinatesThatAreNotNumbers) {
  ChartForm form;
  form.longitudeText = "92°45'";
  try {
    ReadChartInput(form);
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Долгота"), std::string::npos);
  }
  form.longitudeText = "92,45";
  EXPECT_EQ(ReadChartInput(form).longitude, 92.45);
}

TEST(Workspace, ReadsTheFormOfEachSource) {
  Workspace workspace;
  workspace.forms.first.setYear(1990);
  workspace.forms.second.setYear(2000);
  workspace.ReadChartInputFrom(ChartSource::kFirstChart);
  EXPECT_EQ(workspace.computed.chartInput.year, 1990);
  workspace.ReadChartInputFrom(ChartSource::kSecondChart);
  EXPECT_EQ(workspace.computed.chartInput.year, 2000);
}

TEST(Workspace, ComputesTheChartAndFoldsTheDay) {
  Workspace workspace;
  workspace.ComputeChart(ChartSource::kFirstChart);
  EXPECT_NEAR(workspace.computed.chartInput.day, 15.520833333, 1e-9);
  workspace.ComputeChart(ChartSource::kFirstChart);
  EXPECT_NEAR(workspace.computed.chartInput.day, 15.520833333, 1e-9);
  EXPECT_GT(workspace.computed.planetLongitudes[kSun], 0);
}

}  // namespace
}  // namespace velora
