#include "ephemeris/MoonPosition.h"

#include <array>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

// One periodic term in longitude: coefficient x E^power x sin(d D + m M + m' M' + f F).
struct LongitudeTerm {
  double coefficient;
  int elongation;        // multiple of D
  int sunAnomaly;        // multiple of M
  int moonAnomaly;       // multiple of M'
  int latitudeArgument;  // multiple of F
  int eccentricityPower;
};

// The 50 terms, in the order they are summed.
constexpr std::array<LongitudeTerm, 50> kLongitudeTerms = {{
    {+6.288750, 0, 0, 1, 0, 0},   {+1.274018, 2, 0, -1, 0, 0},  {+0.658309, 2, 0, 0, 0, 0},
    {+0.213616, 0, 0, 2, 0, 0},   {-0.185596, 0, 1, 0, 0, 1},   {-0.114336, 0, 0, 0, 2, 0},
    {+0.058793, 2, 0, -2, 0, 0},  {+0.057212, 2, -1, -1, 0, 1}, {+0.053320, 2, 0, 1, 0, 0},
    {+0.045874, 2, -1, 0, 0, 1},  {+0.041024, 0, -1, 1, 0, 1},  {-0.034718, 1, 0, 0, 0, 0},
    {-0.030465, 0, 1, 1, 0, 1},   {+0.015326, 2, 0, 0, -2, 0},  {-0.012528, 0, 0, 1, 2, 0},
    {-0.010980, 0, 0, -1, 2, 0},  {+0.010674, 4, 0, -1, 0, 0},  {+0.010034, 0, 0, 3, 0, 0},
    {+0.008548, 4, 0, -2, 0, 0},  {-0.007910, 2, 1, -1, 0, 1},  {-0.006783, 2, 1, 0, 0, 1},
    {+0.005162, -1, 0, 1, 0, 0},  {+0.005000, 1, 1, 0, 0, 1},   {+0.004049, 2, -1, 1, 0, 1},
    {+0.003996, 2, 0, 2, 0, 0},   {+0.003862, 4, 0, 0, 0, 0},   {+0.003665, 2, 0, -3, 0, 0},
    {+0.002695, 0, -1, 2, 0, 1},  {+0.002602, -2, 0, 1, -2, 0}, {+0.002396, 2, -1, -2, 0, 1},
    {-0.002349, 1, 0, 1, 0, 0},   {+0.002249, 2, -2, 0, 0, 2},  {-0.002125, 0, 1, 2, 0, 1},
    {-0.002079, 0, 2, 0, 0, 2},   {+0.002059, 2, -2, -1, 0, 2}, {-0.001773, 2, 0, 1, -2, 0},
    {-0.001595, 2, 0, 0, 2, 0},   {+0.001220, 4, -1, -1, 0, 1}, {-0.001110, 0, 0, 2, 2, 0},
    {+0.000892, -3, 0, 1, 0, 0},  {-0.000811, 2, 1, 1, 0, 1},   {+0.000761, 4, -1, -2, 0, 1},
    {+0.000717, 0, -2, 1, 0, 2},  {+0.000704, -2, -2, 1, 0, 2}, {+0.000693, 2, 1, -2, 0, 1},
    {+0.000598, 2, -1, 0, -2, 1}, {+0.000550, 4, 0, 1, 0, 0},   {+0.000538, 0, 0, 4, 0, 0},
    {+0.000521, 4, -1, 0, 0, 1},  {+0.000486, -1, 0, 2, 0, 0},
}};

struct MeanArguments {
  double meanLongitude;
  double sunAnomaly;
  double moonAnomaly;
  double elongation;
  double latitudeArgument;
};

void Reduce(MeanArguments& a) {
  a.meanLongitude = ReduceFromAbove(a.meanLongitude);
  a.sunAnomaly = ReduceFromAbove(a.sunAnomaly);
  a.moonAnomaly = ReduceFromAbove(a.moonAnomaly);
  a.elongation = ReduceFromAbove(a.elongation);
  a.latitudeArgument = ReduceFromAbove(a.latitudeArgument);
}

}  // namespace

MoonPositionResult MoonPosition(double day, double month, double year) {
  const double t = CenturiesSince1900(day, month, year);
  const double t2 = t * t;
  const double t3 = t2 * t;
  MeanArguments a{
      270.434164 + 481267.8831 * t - 0.001133 * t2 + 0.0000019 * t3,
      358.475833 + 35999.0498 * t - 0.000150 * t2 - 0.0000033 * t3,
      296.104608 + 477198.8491 * t + 0.009192 * t2 + 0.0000144 * t3,
      350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3,
      11.250889 + 483202.0251 * t - 0.003211 * t2 - 0.0000003 * t3,
  };
  Reduce(a);
  const double node = ReduceFromAbove(259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3);

  MoonPositionResult result;
  result.rahuLongitudeDegrees = node;
  result.ketuLongitudeDegrees = node + 180 > 360 ? node + 180 - 360 : node + 180;

  // Long-period terms.
  const double termA = SinDegrees(51.2 + 20.2 * t);
  double argumentG = 346.56 + 132.87 * t - 0.0091731 * t2;
  while (argumentG > 360) argumentG -= 360;
  const double termH = 0.003964 * SinDegrees(argumentG);
  const double termS = SinDegrees(node);
  a.meanLongitude += 0.000233 * termA + termH + 0.001964 * termS;
  a.sunAnomaly -= 0.001778 * termA;
  a.moonAnomaly += 0.000817 * termA + termH + 0.002541 * termS;
  a.elongation += 0.002011 * termA + termH + 0.001964 * termS;
  a.latitudeArgument += termH - 0.024691 * termS;
  Reduce(a);

  const double e = 1 - 0.002495 * t - 0.00000752 * t2;
  const double eccentricityFactors[3] = {1, e, e * e};
  double longitude = a.meanLongitude;
  for (const LongitudeTerm& term : kLongitudeTerms) {
    const double argument = term.elongation * a.elongation + term.sunAnomaly * a.sunAnomaly +
                            term.moonAnomaly * a.moonAnomaly +
                            term.latitudeArgument * a.latitudeArgument;
    longitude +=
        term.coefficient * eccentricityFactors[term.eccentricityPower] * SinDegrees(argument);
  }
  result.moonLongitudeDegrees = NormalizeDegrees(longitude);
  return result;
}

}  // namespace velora
