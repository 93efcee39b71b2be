#include "settings/DayDate.h"

#include <gtest/gtest.h>

#include "settings/CalendarDates.h"
#include "settings/DirectionsRequest.h"

namespace velora {
namespace {

TEST(DayDate, KnowsTheGregorianMonthLengths) {
  EXPECT_TRUE(IsCalendarDay({29, 2, 2000}));
  EXPECT_FALSE(IsCalendarDay({29, 2, 1900}));
  EXPECT_FALSE(IsCalendarDay({29, 2, 2001}));
  EXPECT_TRUE(IsCalendarDay({29, 2, 1888}));
  EXPECT_FALSE(IsCalendarDay({31, 4, 2020}));
  EXPECT_FALSE(IsCalendarDay({31, 2, 2020}));
  EXPECT_FALSE(IsCalendarDay({1, 13, 2020}));
  EXPECT_FALSE(IsCalendarDay({0, 1, 2020}));
}

TEST(DayDate, CountsDaysOverMonthYearAndCenturyEnds) {
  EXPECT_EQ(DaysAfter({6, 12, 2026}, 7), (DayDate{13, 12, 2026}));
  EXPECT_EQ(DaysAfter({28, 12, 2026}, 7), (DayDate{4, 1, 2027}));
  EXPECT_EQ(DaysAfter({28, 2, 1900}, 1), (DayDate{1, 3, 1900}));
  EXPECT_EQ(DaysAfter({28, 2, 2000}, 1), (DayDate{29, 2, 2000}));
  EXPECT_EQ(DaysAfter({1, 3, 2000}, -1), (DayDate{29, 2, 2000}));
  EXPECT_EQ(DaysAfter({1, 1, 1880}, 365 * 170 + 42), (DayDate{1, 1, 2050}));
}

TEST(DayDate, OrdersByYearMonthDay) {
  EXPECT_LT((DayDate{31, 12, 2025}), (DayDate{1, 1, 2026}));
  EXPECT_LT((DayDate{30, 11, 2026}), (DayDate{1, 12, 2026}));
  EXPECT_LT((DayDate{1, 12, 2026}), (DayDate{2, 12, 2026}));
}

TEST(DayDate, ClampsToTheYearsOfTheEntryWindows) {
  EXPECT_EQ(ClampToDateBoxRange({5, 6, 1700}), kFirstDateBoxDay);
  EXPECT_EQ(ClampToDateBoxRange({1, 1, 2051}), kLastDateBoxDay);
  EXPECT_EQ(ClampToDateBoxRange({7, 12, 2026}), (DayDate{7, 12, 2026}));
}

TEST(DayDate, WritesTheRussianShortDate) {
  EXPECT_EQ(ShortDateText({7, 3, 1999}), "07.03.1999");
  EXPECT_EQ(ShortDateText({31, 12, 2050}), "31.12.2050");
}

TEST(CalendarDates, ActivationGivesTodayAndAWeekOnWithinTheRange) {
  CalendarDates dates;
  dates.ResetTo({28, 12, 2026});
  EXPECT_EQ(dates.first, (DayDate{28, 12, 2026}));
  EXPECT_EQ(dates.second, (DayDate{4, 1, 2027}));
  EXPECT_FALSE(dates.OutOfOrder());
  dates.ResetTo({29, 12, 2050});
  EXPECT_EQ(dates.second, kLastDateBoxDay);
  dates.second = {1, 1, 2050};
  EXPECT_TRUE(dates.OutOfOrder());
  dates.second = dates.first;
  EXPECT_FALSE(dates.OutOfOrder());
}

TEST(DirectionsRequest, ShowsItsDateAsTheDateBoxDoes) {
  DirectionsRequest request;
  EXPECT_EQ(request.DateText(), "01.01.2002");
  request.ResetTo({8, 12, 2026});
  EXPECT_EQ(request.DateText(), "08.12.2026");
}

}  // namespace
}  // namespace velora
