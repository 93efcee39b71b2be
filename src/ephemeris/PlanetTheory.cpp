#include "ephemeris/PlanetTheory.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/Calendar.h"
#include "ephemeris/ChartInput.h"
#include "ephemeris/Kepler.h"
#include "ephemeris/NumericRoutines.h"
#include "ephemeris/OuterPlanetPerturbations.h"

namespace velora {
namespace {

OrbitalElements MeanElements(int body, double t) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  switch (body) {
    case kMercury:
      return {178.179078 + 149474.07078 * t + 0.0003011 * t2,
              47.145944 + 1.1852083 * t + 0.0001739 * t2,
              7.002881 + 0.0018608 * t - 0.0000183 * t2,
              102.27938 + 149472.51529 * t + 0.000007 * t2,
              0.20561421 + 0.00002046 * t - 0.000000030 * t2,
              0.3870986};
    case kVenus:
      return {342.767053 + 58519.21191 * t + 0.0003097 * t2,
              75.779647 + 0.89985 * t + 0.00041 * t2,
              3.393631 + 0.0010058 * t - 0.000001 * t2,
              212.60322 + 58517.80387 * t + 0.001286 * t2,
              0.00682069 - 0.00004774 * t + 0.000000091 * t2,
              0.7233316};
    case kMars:
      return {293.737334 + 19141.69551 * t + 0.0003107 * t2,
              48.786442 + 0.7709917 * t - 0.0000014 * t2 - 0.00000533 * t3,
              1.850333 - 0.000675 * t + 0.0000126 * t2,
              319.51913 + 19139.85475 * t + 0.000181 * t2,
              0.0933129 + 0.000092064 * t - 0.000000077 * t2,
              1.5236883};
    case kJupiter:
      return {238.049257 + 3036.301986 * t + 0.0003347 * t2 - 0.00000165 * t3,
              99.443414 + 1.01053 * t + 0.00035222 * t2 - 0.00000851 * t3,
              1.308736 - 0.0056961 * t + 0.0000039 * t2,
              225.32833 + 3034.69202 * t - 0.000722 * t2,
              0.04833475 + 0.00016418 * t - 0.0000004676 * t2 - 0.0000000017 * t3,
              5.202561};
    case kSaturn:
      return {266.564377 + 1223.509884 * t + 0.0003245 * t2 - 0.0000058 * t3,
              112.790414 + 0.8731951 * t - 0.00015218 * t2 - 0.00000531 * t3,
              2.492519 - 0.0039189 * t - 0.00001549 * t2 + 0.00000004 * t3,
              175.46622 + 1221.55147 * t - 0.000502 * t2,
              0.05589232 - 0.0003455 * t - 0.000000728 * t2 + 0.00000000074 * t3,
              9.554747};
    case kUranus:
      return {244.19747 + 429.863546 * t + 0.000316 * t2 - 0.0000006 * t3,
              73.477111 + 0.4986678 * t + 0.0013117 * t2,
              0.772464 + 0.0006253 * t + 0.0000395 * t2,
              72.64878 + 428.37911 * t + 0.000079 * t2,
              0.0463444 - 0.00002658 * t + 0.000000077 * t2,
              19.21814};
    default:  // kNeptune
      return {84.457994 + 219.885914 * t + 0.0003205 * t2 - 0.0000006 * t3,
              130.681389 + 1.098935 * t + 0.00024987 * t2 - 0.000004718 * t3,
              1.779242 - 0.0095436 * t - 0.0000091 * t2,
              37.73063 + 218.46134 * t - 0.00007 * t2,
              0.00899704 + 0.00000633 * t - 0.000000002 * t2,
              30.10957};
  }
}

PlanetPerturbations PerturbationsOf(int body, double t, double unperturbedEccentricity) {
  switch (body) {
    case kJupiter:
      return JupiterPerturbations(t, unperturbedEccentricity);
    case kSaturn:
      return SaturnPerturbations(t, unperturbedEccentricity);
    case kUranus:
      return UranusPerturbations(t, unperturbedEccentricity);
    case kNeptune:
      return NeptunePerturbations(t, unperturbedEccentricity);
    default:
      return {};
  }
}

}  // namespace

double GeocentricFromElements(const HeliocentricCorrections& corrections,
                              const OrbitalElements& elements, const SunPositionResult& sun) {
  const double e = elements.eccentricity;
  const KeplerSolution kepler = SolveKepler(DegreesToRadians(elements.meanAnomaly), e);
  const double v = kepler.trueAnomalyDegrees;
  const double u =
      NormalizeDegrees(elements.meanLongitude + v - elements.meanAnomaly - elements.ascendingNode);
  const double i = elements.inclination;
  const double heliocentricLongitude = NormalizeDegrees(
      elements.ascendingNode +
      RadiansToDegrees(QuadrantAngle(CosDegrees(i) * SinDegrees(u), CosDegrees(u))) +
      corrections.longitudeDegrees);
  // ArcSine gives radians; converted to degrees before the correction is added.
  const double heliocentricLatitude =
      RadiansToDegrees(ArcSine(SinDegrees(u) * SinDegrees(i))) + corrections.latitudeDegrees;
  const double radius =
      elements.semiMajorAxis * (1 - e * e) / (1 + e * CosDegrees(v)) + corrections.radiusVectorAu;

  const double sunLongitude = sun.trueLongitudeDegrees;
  const double projected = radius * CosDegrees(heliocentricLatitude);
  const double fromSun = heliocentricLongitude - sunLongitude;
  const double longitude =
      sunLongitude +
      RadiansToDegrees(QuadrantAngle(projected * SinDegrees(fromSun),
                                     projected * CosDegrees(fromSun) + sun.radiusVectorAu));
  return NormalizeDegrees(longitude);
}

double PlanetLongitude(int body, double day, double month, double year,
                       const SunPositionResult& sun) {
  const double t = CenturiesSince1900(day, month, year);
  OrbitalElements elements = MeanElements(body, t);
  const PlanetPerturbations perturbations = PerturbationsOf(body, t, elements.eccentricity);
  elements.meanLongitude = NormalizeDegrees(elements.meanLongitude) + perturbations.meanLongitude;
  elements.ascendingNode = NormalizeDegrees(elements.ascendingNode);
  elements.meanAnomaly = NormalizeDegrees(elements.meanAnomaly) + perturbations.meanAnomaly;
  elements.eccentricity += perturbations.eccentricity;
  elements.semiMajorAxis += perturbations.semiMajorAxis;
  return GeocentricFromElements(perturbations.heliocentric, elements, sun);
}

}  // namespace velora
