#include "ephemeris/HouseSystems.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "common/UserError.h"
#include "ephemeris/AngleConstants.h"
#include "ephemeris/BodyDriver.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

// Steps allowed to the semi-arc iterations of one chart, all cusps together. Close below the
// polar circle they converge ever more slowly (about 4,300 steps at 66.5°, over two million at
// 66.558°); this many take some 30 ms, so no chart keeps the program waiting longer. A chart the
// iteration finishes within the bound is computed exactly as without it.
constexpr long kMostSemiArcStepsPerChart = 250'000;

// A latitude (as typed, south negative) and the limit from the equator, with as many decimals
// as it takes to tell the latitude's distance from the equator and the limit apart (2 to 6).
std::string LatitudeAndLimitText(double latitude, double limit, std::string& limitText) {
  char distanceBuffer[64];
  char limitBuffer[64];
  int decimals = 2;
  for (;; ++decimals) {
    std::snprintf(distanceBuffer, sizeof distanceBuffer, "%.*f", decimals, std::fabs(latitude));
    std::snprintf(limitBuffer, sizeof limitBuffer, "%.*f", decimals, limit);
    if (decimals == 6 || std::string(distanceBuffer) != limitBuffer) break;
  }
  limitText = limitBuffer;
  char latitudeBuffer[64];
  std::snprintf(latitudeBuffer, sizeof latitudeBuffer, "%.*f", decimals, latitude);
  return latitudeBuffer;
}

double TanDegrees(double degrees) {
  return SinDegrees(degrees) / CosDegrees(degrees);
}

class CuspGeometry {
 public:
  CuspGeometry(const ChartInput& form, HouseSystemCode code) : code_(code) {
    const double centuries = CenturiesSince1900(std::trunc(form.day), form.month, form.year);
    obliquity_ = ObliquityOfEclipticDegrees(centuries);
    latitude_ = form.latitude;
    tanObliquity_ = TanDegrees(obliquity_);
    tanLatitude_ = TanDegrees(latitude_);
    const double hours = form.minute / 60 + form.hour;
    ramc_ = 15 * SiderealTimeHours(centuries) + form.longitude +
            15 * (hours + hours * 236 / 24 / 60 / 60);
    mc_ = NormalizeDegrees(RadiansToDegrees(
        QuadrantAngle(SinDegrees(ramc_), CosDegrees(ramc_) * CosDegrees(obliquity_))));
  }

  double Ramc() const { return ramc_; }
  double Mc() const { return mc_; }
  double Obliquity() const { return obliquity_; }
  double Latitude() const { return latitude_; }

  // The ecliptic point of right ascension `rightAscension`.
  double EclipticOfRightAscension(double rightAscension) const {
    return RadiansToDegrees(QuadrantAngle(SinDegrees(rightAscension),
                                          CosDegrees(rightAscension) * CosDegrees(obliquity_)));
  }

  double CuspBelow(double start, double fraction) const {
    return Iterate(start, [&](double a) {
      return NormalizeDegrees(ramc_ + 180 - ArcCosineDegrees(SemiArcSine(a)) / fraction);
    });
  }

  double CuspAbove(double start, double fraction) const {
    return Iterate(start, [&](double a) {
      return NormalizeDegrees(ArcCosineDegrees(-SemiArcSine(a)) / fraction + ramc_);
    });
  }

 private:
  double SemiArcSine(double a) const { return SinDegrees(a) * tanObliquity_ * tanLatitude_; }

  template <typename Step>
  double Iterate(double start, Step step) const {
    double a = start;
    while (stepsLeft_ > 0) {
      --stepsLeft_;
      const double h = step(a);
      const double difference = std::fabs(a - h);
      a = h;
      if (difference < 0.0001) return EclipticOfRightAscension(h);
    }
    std::string limitText;
    const std::string latitudeText = LatitudeAndLimitText(latitude_, 90 - obliquity_, limitText);
    throw UserError("Дома системы «" + std::string(HouseSystemCaption(code_)) +
                    "» не вычисляются для широты " + latitudeText +
                    "°: так близко к полярному кругу (" + limitText +
                    "°) расчёт куспидов не сходится. Выберите широту дальше от полярного круга "
                    "или систему домов «Равнодомная от МС».");
  }

  HouseSystemCode code_;
  double obliquity_ = 0;
  double latitude_ = 0;
  double tanObliquity_ = 0;
  double tanLatitude_ = 0;
  double ramc_ = 0;
  double mc_ = 0;
  mutable long stepsLeft_ = kMostSemiArcStepsPerChart;
};

HouseSystemCode Canonical(HouseSystemCode code) {
  switch (code) {
    case 'a':
      return 'A';
    case 'k':
      return 'K';
    case 'm':
      return 'M';
    case 'p':
      return 'P';
    default:
      return code;
  }
}

void RefusePolarLatitude(const CuspGeometry& geometry, HouseSystemCode code) {
  const double limit = 90 - geometry.Obliquity();
  if (std::fabs(geometry.Latitude()) <= limit) return;
  std::string limitText;
  const std::string latitudeText = LatitudeAndLimitText(geometry.Latitude(), limit, limitText);
  throw UserError("Дома системы «" + std::string(HouseSystemCaption(code)) +
                  "» не определены для широты " + latitudeText +
                  "°: система требует широты не дальше " + limitText + "° от экватора.");
}

void FillEqualFromFirst(HouseCusps& cusps) {
  for (int n = 1; n <= 11; ++n) cusps[n + 1] = NormalizeDegrees(cusps[n] + 30);
}

void FillOppositeCusps(HouseCusps& cusps, std::initializer_list<int> fromCusps) {
  for (int n : fromCusps) {
    const int opposite = n > 6 ? n - 6 : n + 6;
    cusps[opposite] = NormalizeDegrees(cusps[n] + 180);
  }
}

void ComputePlacidus(const CuspGeometry& g, HouseCusps& cusps) {
  const double ramc = g.Ramc();
  cusps[1] = g.CuspBelow(ramc + 90, 1);
  cusps[2] = g.CuspBelow(ramc + 120, 1.5);
  cusps[3] = g.CuspBelow(ramc + 150, 3);
  cusps[11] = g.CuspAbove(ramc + 30, 3);
  cusps[12] = g.CuspAbove(ramc + 60, 1.5);
  FillOppositeCusps(cusps, {10, 11, 12, 1, 2, 3});
}

void ComputeKoch(const CuspGeometry& g, HouseCusps& cusps) {
  cusps[1] = g.CuspBelow(g.Ramc() + 90, 1);
  const double mc = cusps[10];
  const double epsilon = g.Obliquity();
  const double phi = g.Latitude();
  const double x = -SinDegrees(epsilon) * SinDegrees(mc) * SinDegrees(phi) / CosDegrees(epsilon) /
                   CosDegrees(phi);
  const double k = ArcCosineDegrees(x);
  const double tanPhi = TanDegrees(phi);
  auto point = [&](double h) {
    return RadiansToDegrees(QuadrantAngle(
        -CosDegrees(h), SinDegrees(h) * CosDegrees(epsilon) + SinDegrees(epsilon) * tanPhi));
  };
  cusps[8] = point(mc + k / 3);
  cusps[6] = point(mc - k / 3);
  cusps[9] = point(mc + 2 * k / 3);
  cusps[5] = point(mc - 2 * k / 3);
  cusps[4] = NormalizeDegrees(mc + 180);
  FillOppositeCusps(cusps, {5, 6, 1, 8, 9});
}

}  // namespace

std::string_view HouseSystemCaption(HouseSystemCode code) {
  switch (Canonical(code)) {
    case 'M':
      return "Равнодомные от МС";
    case 'A':
      return "Равнодомные от АСЦ";
    case 'P':
      return "Плацидус";
    case 'K':
      return "Кох";
    case 'S':
      return "Равнодомные от Солнца";
    case 'L':
      return "Равнодомные от Луны";
    default:
      return "?";
  }
}

void ComputeHouses(const ChartInput& formMoment, HouseSystemCode code, HouseCusps& cusps,
                   BodyState bodies) {
  const CuspGeometry geometry(formMoment, code);
  cusps[10] = geometry.Mc();
  const HouseSystemCode system = Canonical(code);
  if (system == 'A' || system == 'P' || system == 'K') RefusePolarLatitude(geometry, code);
  switch (system) {
    case 'A':
      cusps[1] = geometry.CuspBelow(geometry.Ramc() + 90, 1);
      FillEqualFromFirst(cusps);
      break;
    case 'M':
      cusps[11] = NormalizeDegrees(geometry.Mc() + 30);
      cusps[12] = NormalizeDegrees(cusps[11] + 30);
      for (int n = 9; n >= 1; --n) cusps[n] = NormalizeDegrees(cusps[n + 1] - 30);
      break;
    case 'S':
      ComputeBody(kSun, bodies.input, bodies.longitudes);
      cusps[1] = bodies.longitudes[kSun];
      FillEqualFromFirst(cusps);
      break;
    case 'L':
      ComputeBody(kMoon, bodies.input, bodies.longitudes);
      cusps[1] = bodies.longitudes[kMoon];
      FillEqualFromFirst(cusps);
      break;
    case 'P':
      ComputePlacidus(geometry, cusps);
      break;
    case 'K':
      ComputeKoch(geometry, cusps);
      break;
    default:
      break;
  }
}

}  // namespace velora
