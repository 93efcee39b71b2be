#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/ElementBody.h"
#include "ephemeris/FictitiousPoints.h"
#include "ephemeris/MoonPosition.h"
#include "ephemeris/NumericRoutines.h"
#include "ephemeris/PlanetTheory.h"
#include "ephemeris/SunPosition.h"

namespace velora {
namespace {

ChartInput Moment(int year, int month, int day, int hour, int minute) {
  ChartInput input;
  input.year = year;
  input.month = month;
  input.day = day;
  input.hour = hour;
  input.minute = minute;
  return input;
}

PlanetLongitudes ChartAt(ChartInput input) {
  PlanetLongitudes longitudes;
  for (int body = 1; body <= kBodyCount; ++body) ComputeBody(body, input, longitudes);
  return longitudes;
}

// Values quoted to d decimals must round to exactly that.
void ExpectRoundsTo(double value, double quoted, int decimals, const char* what) {
  const double scale = std::pow(10.0, decimals);
  EXPECT_EQ(std::round(value * scale), std::round(quoted * scale))
      << what << ": " << value << " does not round to " << quoted;
}

TEST(SunAndMoon, MatchTheWorkedValuesFor2000) {
  const SunPositionResult sun = SunPosition(1.5, 1, 2000);
  ExpectRoundsTo(sun.storedLongitudeDegrees, 280.3815, 4, "Sun");
  ExpectRoundsTo(sun.radiusVectorAu, 0.98331, 5, "Sun radius vector");
  const MoonPositionResult moon = MoonPosition(1.5, 1, 2000);
  ExpectRoundsTo(moon.moonLongitudeDegrees, 223.3177, 4, "Moon");
  ExpectRoundsTo(moon.rahuLongitudeDegrees, 125.0434, 4, "Rahu");
  ExpectRoundsTo(moon.ketuLongitudeDegrees, 305.0434, 4, "Ketu");
}

TEST(SunAndMoon, MatchTheWorkedValuesFor1980) {
  const PlanetLongitudes chart = ChartAt(Moment(1980, 1, 15, 12, 0));
  ExpectRoundsTo(chart[kSun], 294.5014, 4, "Sun");
  ExpectRoundsTo(chart[kMoon], 263.1807, 4, "Moon");
  ExpectRoundsTo(chart[kRahu], 151.1297, 4, "Rahu");
}

TEST(SunAndMoon, StoredSunDiffersFromTheRawLongitudeOnlyByTheEquatorRoundTrip) {
  for (double day = 1; day < 360; day += 7.3) {
    const SunPositionResult sun = SunPosition(day, 1, 1990);
    const double reduced = std::fmod(sun.trueLongitudeDegrees + 720, 360);
    double difference = std::fabs(sun.storedLongitudeDegrees - reduced);
    if (difference > 180) difference = 360 - difference;
    EXPECT_LT(difference, 2e-5) << "day " << day;
  }
}

TEST(SunAndMoon, NodesStayOppositeAndKetuNeverExceeds360) {
  for (int year = 1880; year <= 2050; year += 3) {
    const MoonPositionResult moon = MoonPosition(17.3, 5, year);
    double separation = std::fabs(moon.ketuLongitudeDegrees - moon.rahuLongitudeDegrees);
    EXPECT_NEAR(separation, 180, 1e-9) << year;
    EXPECT_LE(moon.ketuLongitudeDegrees, 360);
    EXPECT_GE(moon.ketuLongitudeDegrees, 0);
  }
}

struct PlanetCase {
  int body;
  double quoted2000;
  double quoted1980;
};

class PlanetWorkedValues : public ::testing::TestWithParam<PlanetCase> {};

TEST_P(PlanetWorkedValues, MatchToAThousandthOfADegree) {
  const PlanetCase& c = GetParam();
  ExpectRoundsTo(ChartAt(Moment(2000, 1, 1, 12, 0))[c.body], c.quoted2000, 3, "1 January 2000");
  ExpectRoundsTo(ChartAt(Moment(1980, 1, 15, 12, 0))[c.body], c.quoted1980, 3, "15 January 1980");
}

INSTANTIATE_TEST_SUITE_P(
    MercuryToChiron, PlanetWorkedValues,
    ::testing::Values(PlanetCase{kMercury, 271.907, 290.782}, PlanetCase{kVenus, 241.579, 329.218},
                      PlanetCase{kMars, 327.965, 165.326}, PlanetCase{kJupiter, 25.221, 159.558},
                      PlanetCase{kSaturn, 40.407, 176.951}, PlanetCase{kUranus, 314.818, 234.682},
                      PlanetCase{kNeptune, 303.207, 261.435}, PlanetCase{kPluto, 251.095, 201.757},
                      PlanetCase{kChiron, 251.490, 38.479}));

TEST(Planets, ComputedAloneLeaveTheSunOfTheSameMoment) {
  const ChartInput moment = Moment(1995, 6, 10, 8, 15);
  ChartInput sunInput = moment;
  PlanetLongitudes sunOnly;
  ComputeBody(kSun, sunInput, sunOnly);
  for (int body = kMercury; body <= kNeptune; ++body) {
    ChartInput input = moment;
    PlanetLongitudes longitudes;
    ComputeBody(body, input, longitudes);
    EXPECT_EQ(longitudes[kSun], sunOnly[kSun]) << "body " << body;
  }
}

TEST(Planets, SeenFromBehindTheSunOrInOppositionFollowTheSun) {
  SunPositionResult sun;
  sun.trueLongitudeDegrees = 100;
  sun.radiusVectorAu = 1;
  OrbitalElements circular{0, 0, 0, 0, 0, 5};
  // A circular orbit with everything zero puts the planet at heliocentric longitude 0.
  HeliocentricCorrections behind{0, 0, 100};
  EXPECT_NEAR(GeocentricFromElements(behind, circular, sun), 100, 1e-9);
  HeliocentricCorrections opposite{0, 0, 280};
  EXPECT_NEAR(GeocentricFromElements(opposite, circular, sun), 280, 1e-5);
}

TEST(ElementBodies, StandAtTheirEpochValues) {
  ExpectRoundsTo(ElementBody(kPlutoElements, 0), 201.614, 3, "Pluto at its epoch");
  ExpectRoundsTo(ElementBody(kChironElements, 0), 38.652, 3, "Chiron at its epoch");
  EXPECT_DOUBLE_EQ(PlutoEpochJulianDay() - ChironEpochJulianDay(), 1);
}

TEST(FictitiousPoints, FollowTheirLinearFormulas) {
  ExpectRoundsTo(ProserpinaLongitude(1, 1900), 170.743, 3, "Proserpina");
  ExpectRoundsTo(SelenaLongitude(1, 1, 1900), 139.127, 3, "Selena");
  ExpectRoundsTo(LilithLongitude(1, 1, 1900), 154.4414, 4, "Lilith");
  // -889.453 before reduction.
  ExpectRoundsTo(SelenaLongitude(1, 1, 1880), 190.547, 3, "Selena 1880");
  // Month 0 adds nothing for the month term.
  EXPECT_DOUBLE_EQ(ProserpinaLongitude(0, 1900), 170.7);
}

TEST(FictitiousPoints, SelenaAndLilithUseTheDayWithItsFractionProserpinaNoDay) {
  const PlanetLongitudes morning = ChartAt(Moment(1990, 3, 10, 0, 0));
  const PlanetLongitudes evening = ChartAt(Moment(1990, 3, 10, 18, 0));
  EXPECT_NEAR(evening[kSelena] - morning[kSelena], 0.141 * 0.75, 1e-9);
  EXPECT_NEAR(evening[kLilith] - morning[kLilith], 0.1114 * 0.75, 1e-9);
  EXPECT_EQ(evening[kProserpina], morning[kProserpina]);
}

TEST(ComputeBody, FoldsTheTimeOfDayIntoTheDayOnce) {
  ChartInput input = Moment(1980, 1, 15, 12, 30);
  PlanetLongitudes longitudes;
  ComputeBody(kSun, input, longitudes);
  EXPECT_NEAR(input.day, 15.520833333, 1e-9);
  ComputeBody(kSun, input, longitudes);
  EXPECT_NEAR(input.day, 15.520833333, 1e-9);
}

TEST(ComputeBody, NodesComeWithTheMoonAndNumbersOutsideComputeNothing) {
  ChartInput input = Moment(1980, 1, 15, 12, 0);
  PlanetLongitudes longitudes;
  ComputeBody(kRahu, input, longitudes);
  ComputeBody(kKetu, input, longitudes);
  EXPECT_EQ(longitudes, PlanetLongitudes{});
  ComputeBody(kMoon, input, longitudes);
  const PlanetLongitudes afterMoon = longitudes;
  EXPECT_NE(afterMoon[kRahu], 0);
  ComputeBody(kRahu, input, longitudes);
  EXPECT_EQ(longitudes, afterMoon);

  ChartInput other = Moment(1980, 1, 15, 6, 0);
  ComputeBody(0, other, longitudes);
  ComputeBody(17, other, longitudes);
  EXPECT_EQ(longitudes, afterMoon);
  EXPECT_DOUBLE_EQ(other.day, 15.25);
}

TEST(ComputeAllBodies, EqualsComputingEachBodyInTurn) {
  for (int year = 1880; year <= 2050; year += 17) {
    const ChartInput moment = Moment(year, 1 + year % 12, 1 + year % 28, year % 24, year % 60);
    ChartInput input = moment;
    PlanetLongitudes all;
    ComputeAllBodies(input, all);
    EXPECT_EQ(all, ChartAt(moment)) << year;
  }
}

TEST(ComputeAllBodies, KeepsEveryLongitudeWithinAFullTurn) {
  for (double day = 1; day < 3000; day += 37) {
    ChartInput input = Moment(1900, 1, 1, 0, 0);
    input.day = day;
    PlanetLongitudes longitudes;
    ComputeAllBodies(input, longitudes);
    for (int body = 1; body <= kBodyCount; ++body) {
      EXPECT_GE(longitudes[body], 0);
      EXPECT_LE(longitudes[body], 360);
    }
  }
}

}  // namespace
}  // namespace velora
