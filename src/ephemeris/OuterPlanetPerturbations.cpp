#include "ephemeris/OuterPlanetPerturbations.h"

#include <cmath>

#include "ephemeris/AngleConstants.h"
#include "ephemeris/NumericRoutines.h"

namespace velora {
namespace {

// Sines and cosines of the first multiples of one angle (degrees), each taken directly as
// sin(k x) so that every term sees the same value wherever it occurs.
template <int Multiples>
struct MultipleAngles {
  double sine[Multiples + 1];
  double cosine[Multiples + 1];
  explicit MultipleAngles(double degrees) {
    sine[0] = 0;
    cosine[0] = 1;
    for (int k = 1; k <= Multiples; ++k) {
      sine[k] = SinDegrees(k * degrees);
      cosine[k] = CosDegrees(k * degrees);
    }
  }
};

// The arguments that Jupiter and Saturn share.
struct JupiterSaturnArguments {
  double nu;
  MultipleAngles<2> v;
  MultipleAngles<1> w;
  MultipleAngles<5> zeta;
  MultipleAngles<4> q;
  MultipleAngles<3> psi;

  explicit JupiterSaturnArguments(double t)
      : nu(t / 5 + 0.1),
        v(NormalizeDegrees(5 * MeanQ(t) - 2 * MeanP(t))),
        w(NormalizeDegrees(2 * MeanP(t) - 6 * MeanQ(t) + 3 * MeanS(t))),
        zeta(NormalizeDegrees(MeanQ(t) - MeanP(t))),
        q(MeanQ(t)),
        psi(MeanS(t) - MeanQ(t)) {}

  // Mean longitudes of Jupiter (P), Saturn (Q) and Uranus (S).
  static double MeanP(double t) { return 237.47555 + 3034.9061 * t; }
  static double MeanQ(double t) { return 265.91650 + 1222.1139 * t; }
  static double MeanS(double t) { return 243.51721 + 428.46770 * t; }
};

}  // namespace

PlanetPerturbations JupiterPerturbations(double t, double unperturbedEccentricity) {
  const JupiterSaturnArguments a(t);
  const double nu = a.nu;
  const double nu2 = nu * nu;
  const double sinV = a.v.sine[1], cosV = a.v.cosine[1], sin2V = a.v.sine[2];
  const double sinW = a.w.sine[1];
  const double* sz = a.zeta.sine;
  const double* cz = a.zeta.cosine;
  const double sinQ = a.q.sine[1], cosQ = a.q.cosine[1];
  const double sin2Q = a.q.sine[2], cos2Q = a.q.cosine[2];

  PlanetPerturbations p;
  p.meanLongitude = (0.331364 - 0.010281 * nu - 0.004692 * nu2) * sinV +
                    (0.003228 - 0.064436 * nu + 0.002075 * nu2) * cosV +
                    (-0.003083 - 0.000275 * nu + 0.000489 * nu2) * sin2V + 0.002472 * sinW +
                    0.013619 * sz[1] + 0.018472 * sz[2] + 0.006717 * sz[3] + 0.002775 * sz[4] +
                    (0.007275 - 0.001253 * nu) * sz[1] * sinQ + 0.006417 * sz[2] * sinQ +
                    0.002439 * sz[3] * sinQ + (-0.033839 - 0.001125 * nu) * cz[1] * sinQ -
                    0.003767 * cz[2] * sinQ + (-0.035681 - 0.001208 * nu) * sz[1] * cosQ -
                    0.004261 * sz[2] * cosQ + 0.002178 * cosQ +
                    (-0.006333 + 0.001161 * nu) * cz[1] * cosQ - 0.006675 * cz[2] * cosQ -
                    0.002664 * cz[3] * cosQ - 0.002572 * sz[1] * sin2Q - 0.003567 * sz[2] * sin2Q +
                    0.002094 * cz[1] * cos2Q + 0.003342 * cz[2] * cos2Q;

  const double b = (0.007192 - 0.003147 * nu) * sinV +
                   (-0.020428 - 0.000675 * nu + 0.000197 * nu2) * cosV +
                   (0.007269 + 0.000672 * nu) * sz[1] * sinQ - 0.004344 * sinQ +
                   0.034036 * cz[1] * sinQ + 0.005614 * cz[2] * sinQ + 0.002964 * cz[3] * sinQ +
                   0.037761 * sz[1] * cosQ + 0.06158 * sz[2] * cosQ - 0.006603 * cz[1] * cosQ -
                   0.005356 * sz[1] * sin2Q + 0.002722 * sz[2] * sin2Q + 0.004483 * cz[1] * sin2Q -
                   0.002642 * cz[2] * sin2Q + 0.004403 * sz[1] * cos2Q - 0.002536 * sz[2] * cos2Q +
                   0.005547 * cz[1] * cos2Q - 0.002689 * cz[2] * cos2Q;
  p.meanAnomaly = p.meanLongitude - b / unperturbedEccentricity;

  p.eccentricity =
      ((3606 + 130 * nu - 43 * nu2) * sinV + (1289 - 580 * nu) * cosV - 6764 * sz[1] * sinQ -
       1110 * sz[2] * sinQ - 224 * sz[3] * sinQ - 204 * sinQ + (1284 + 116 * nu) * cz[1] * sinQ +
       188 * cz[2] * sinQ + (1460 + 130 * nu) * sz[1] * cosQ + 224 * sz[2] * cosQ - 817 * cosQ +
       6074 * cz[1] * cosQ + 992 * cz[2] * cosQ + 508 * cz[3] * cosQ + 230 * cz[4] * cosQ +
       108 * cz[5] * cosQ + (-956 - 73 * nu) * sz[1] * sin2Q + 448 * sz[2] * sin2Q +
       137 * sz[3] * sin2Q + (-997 + 108 * nu) * cz[1] * sin2Q + 480 * cz[2] * sin2Q +
       148 * cz[3] * sin2Q + (-956 + 99 * nu) * sz[1] * cos2Q + 490 * sz[2] * cos2Q +
       158 * sz[3] * cos2Q + 179 * cos2Q + (1024 + 75 * nu) * cz[1] * cos2Q - 437 * cz[2] * cos2Q -
       132 * cz[3] * cos2Q) *
      0.0000001;

  p.semiMajorAxis = (-263 * cosV + 205 * cz[1] + 693 * cz[2] + 312 * cz[3] + 147 * cz[4] +
                     299 * sz[1] * sinQ + 181 * cz[2] * sinQ + 204 * sz[2] * cosQ +
                     111 * sz[3] * cosQ - 337 * cz[1] * cosQ - 111 * cz[2] * cosQ) *
                    0.000001;
  return p;
}

PlanetPerturbations SaturnPerturbations(double t, double unperturbedEccentricity) {
  const JupiterSaturnArguments a(t);
  const double nu = a.nu;
  const double nu2 = nu * nu;
  const double sinV = a.v.sine[1], cosV = a.v.cosine[1];
  const double sin2V = a.v.sine[2], cos2V = a.v.cosine[2];
  const double sinW = a.w.sine[1];
  const double* sz = a.zeta.sine;
  const double* cz = a.zeta.cosine;
  const double* sq = a.q.sine;
  const double* cq = a.q.cosine;
  const double* spsi = a.psi.sine;
  const double* cpsi = a.psi.cosine;
  const double sinQ = sq[1], cosQ = cq[1], sin2Q = sq[2], cos2Q = cq[2];

  PlanetPerturbations p;
  p.meanLongitude =
      (-0.814181 + 0.01815 * nu + 0.016714 * nu2) * sinV +
      (-0.010497 + 0.160906 * nu - 0.0041 * nu2) * cosV + 0.007581 * sin2V - 0.007986 * sinW -
      0.148811 * sz[1] - 0.040786 * sz[2] - 0.015208 * sz[3] - 0.006339 * sz[4] - 0.006244 * sinQ +
      (0.008931 + 0.002728 * nu) * sz[1] * sinQ - 0.0165 * sz[2] * sinQ - 0.005775 * sz[3] * sinQ +
      (0.081344 + 0.003206 * nu) * cz[1] * sinQ + 0.015019 * cz[2] * sinQ +
      (0.085581 + 0.002494 * nu) * sz[1] * cosQ + (0.025328 - 0.003117 * nu) * cz[1] * cosQ +
      0.014394 * cz[2] * cosQ + 0.006319 * cz[3] * cosQ + 0.006369 * sz[1] * sin2Q +
      0.009156 * sz[2] * sin2Q + 0.007525 * spsi[3] * sin2Q - 0.005236 * cz[1] * cos2Q -
      0.007736 * cz[2] * cos2Q - 0.007528 * cpsi[3] * cos2Q;

  const double b =
      (0.077108 + 0.007186 * nu - 0.001533 * nu2) * sinV +
      (0.045803 - 0.014766 * nu - 0.000536 * nu2) * cosV - 0.007075 * sz[1] -
      0.075825 * sz[1] * sinQ - 0.024839 * sz[2] * sinQ - 0.008631 * sz[3] * sinQ -
      0.072586 * cosQ - 0.150383 * cz[1] * cosQ + 0.026897 * cz[2] * cosQ +
      0.010053 * cz[3] * cosQ + (-0.013597 - 0.001719 * nu) * sz[1] * sin2Q +
      (-0.007742 + 0.001517 * nu) * cz[1] * sin2Q + (0.013586 - 0.001375 * nu) * cz[2] * sin2Q +
      (-0.013667 + 0.001239 * nu) * sz[1] * cos2Q + 0.011981 * sz[2] * cos2Q +
      (0.014861 + 0.001136 * nu) * cz[1] * cos2Q + (-0.013064 - 0.001628 * nu) * cz[2] * cos2Q;
  p.meanAnomaly = p.meanLongitude - b / unperturbedEccentricity;

  p.eccentricity =
      ((-7927 + 2548 * nu + 91 * nu2) * sinV + (13381 + 1226 * nu - 253 * nu2) * cosV +
       (248 - 121 * nu) * sin2V + (-305 - 91 * nu) * cos2V + 412 * sz[2] + 12415 * sinQ +
       (390 - 617 * nu) * sz[1] * sinQ + (165 - 204 * nu) * sz[2] * sinQ + 26599 * cz[1] * sinQ -
       4687 * cz[2] * sinQ - 1870 * cz[3] * sinQ - 821 * cz[4] * sinQ - 377 * cz[5] * sinQ +
       497 * cpsi[2] * sinQ + (163 - 611 * nu) * cosQ - 12696 * sz[1] * cosQ - 4200 * sz[2] * cosQ -
       1503 * sz[3] * cosQ - 619 * sz[4] * cosQ - 268 * sz[5] * cosQ +
       (-282 - 1306 * nu) * cz[1] * cosQ + (-86 + 230 * nu) * cz[2] * cosQ + 461 * spsi[2] * cosQ -
       350 * sin2Q + (2211 - 286 * nu) * sz[1] * sin2Q - 2208 * sz[2] * sin2Q -
       568 * sz[3] * sin2Q - 346 * sz[4] * sin2Q + (-2780 - 222 * nu) * cz[1] * sin2Q +
       (2022 + 263 * nu) * cz[2] * sin2Q + 248 * cz[3] * sin2Q + 242 * spsi[3] * sin2Q +
       467 * cpsi[3] * sin2Q - 490 * cos2Q + (-2842 - 279 * nu) * sz[1] * cos2Q +
       (128 + 226 * nu) * sz[2] * cos2Q + 224 * sz[3] * cos2Q + (-1594 + 282 * nu) * cz[1] * cos2Q +
       (2162 - 207 * nu) * cz[2] * cos2Q + 561 * cz[3] * cos2Q + 343 * cz[4] * cos2Q +
       469 * spsi[3] * cos2Q - 242 * cpsi[3] * cos2Q - 205 * sz[1] * sq[3] + 262 * sz[3] * sq[3] +
       208 * cz[1] * cq[3] - 271 * cz[3] * cq[3] - 382 * cz[3] * sq[4] - 376 * sz[3] * cq[4]) *
      0.0000001;

  p.semiMajorAxis =
      (572 * nu * sinV - 999 * cz[2] * sinQ + 2933 * cosV - 642 * cz[3] * sinQ + 33629 * cz[1] -
       325 * cz[4] * sinQ - 3081 * cz[2] - 890 * cosQ - 1423 * cz[3] + 2206 * sz[1] * cosQ -
       671 * cz[4] - 1590 * sz[2] * cosQ - 320 * cz[5] - 647 * sz[3] * cosQ + 1098 * sinQ -
       344 * sz[4] * cosQ - 2812 * sz[1] * sinQ + 2885 * cz[1] * cosQ + 688 * sz[2] * sinQ +
       (2172 + 102 * nu) * cz[2] * cosQ - 393 * sz[3] * sinQ + 296 * cz[3] * cosQ -
       228 * sz[4] * sinQ - 267 * sz[3] * sin2Q + 2138 * cz[1] * sinQ - 778 * cz[1] * sin2Q +
       495 * cz[2] * sin2Q + 211 * cz[3] * cos2Q + 250 * cz[3] * sin2Q - 427 * sz[1] * sq[3] -
       856 * sz[1] * cos2Q + 398 * sz[3] * sq[3] + 441 * sz[2] * cos2Q + 344 * cz[1] * cq[3] +
       296 * cz[2] * cos2Q - 427 * cz[3] * cq[3]) *
      0.000001;

  p.heliocentric.longitudeDegrees = 0.000747 * cz[1] * sinQ + 0.001069 * cz[1] * cosQ +
                                    0.002108 * sz[2] * sin2Q + 0.001261 * cz[2] * sin2Q +
                                    0.001236 * sz[2] * cos2Q - 0.002075 * cz[2] * cos2Q;
  return p;
}

namespace {

// The arguments that Uranus and Neptune share: ν and the mean longitudes of Jupiter (P),
// Saturn (Q), Uranus (S) and Neptune (G).
struct UranusNeptuneArguments {
  double nu, p, q, s, g;
  explicit UranusNeptuneArguments(double t)
      : nu(t / 5 + 0.1),
        p(237.47555 + 3034.9061 * t),
        q(265.91650 + 1222.1139 * t),
        s(243.51721 + 428.46770 * t),
        g(83.76922 + 218.4901 * t) {}
};

}  // namespace

PlanetPerturbations UranusPerturbations(double t, double unperturbedEccentricity) {
  const UranusNeptuneArguments a(t);
  const double nu = a.nu;
  const double nu2 = nu * nu;
  const MultipleAngles<2> h(2 * a.g - a.s);
  const double zeta = a.s - a.p;
  const double eta = a.s - a.q;
  const MultipleAngles<4> theta(a.g - a.s);
  const double w = NormalizeDegrees(2 * a.p - 6 * a.q + 3 * a.s);
  const double sinEta = SinDegrees(eta), cosEta = CosDegrees(eta);
  const MultipleAngles<2> s(a.s);

  PlanetPerturbations p;
  p.meanLongitude = (0.864319 - 0.001583 * nu) * h.sine[1] +
                    (0.082222 - 0.006833 * nu) * h.cosine[1] + 0.036017 * h.sine[2] -
                    0.003019 * h.cosine[2] + 0.008122 * SinDegrees(w);
  const double b =
      0.120303 * h.sine[1] + (0.019472 - 0.000947 * nu) * h.cosine[1] + 0.006197 * h.sine[2];
  p.meanAnomaly = p.meanLongitude - b / unperturbedEccentricity;
  p.eccentricity =
      ((-3349 + 163 * nu) * h.sine[1] + 20981 * h.cosine[1] + 1311 * h.cosine[2]) * 0.0000001;
  p.semiMajorAxis = -0.003825 * h.cosine[1];

  p.heliocentric.longitudeDegrees =
      (0.010122 - 0.000988 * nu) * SinDegrees(a.s + eta) +
      (-0.038581 + 0.002031 * nu - 0.001910 * nu2) * CosDegrees(a.s + eta) +
      (0.034964 - 0.001038 * nu + 0.000868 * nu2) * CosDegrees(2 * a.s + eta) +
      0.005594 * SinDegrees(a.s + 3 * (a.g - a.s)) - 0.014808 * SinDegrees(zeta) -
      0.005794 * sinEta + 0.002347 * cosEta + 0.009872 * theta.sine[1] + 0.008803 * theta.sine[2] -
      0.004308 * theta.sine[3];
  p.heliocentric.latitudeDegrees =
      (0.000458 * sinEta - 0.000642 * cosEta - 0.000517 * theta.cosine[4]) * s.sine[1] -
      (0.000347 * sinEta + 0.000853 * cosEta + 0.000517 * SinDegrees(4 * eta)) * s.cosine[1] +
      0.000403 * (theta.cosine[2] * s.sine[2] + theta.sine[2] * s.cosine[2]);
  p.heliocentric.radiusVectorAu =
      (-25948 + 4985 * CosDegrees(zeta) - 1230 * s.cosine[1] + 3354 * cosEta +
       904 * theta.cosine[2] + 894 * (theta.cosine[1] - theta.cosine[3]) +
       (5795 * s.cosine[1] - 1165 * s.sine[1] + 1388 * s.cosine[2]) * sinEta +
       (1351 * s.cosine[1] + 5702 * s.sine[1] + 1388 * s.sine[2]) * cosEta) *
      0.000001;
  return p;
}

PlanetPerturbations NeptunePerturbations(double t, double unperturbedEccentricity) {
  const UranusNeptuneArguments a(t);
  const double nu = a.nu;
  const MultipleAngles<2> h(2 * a.g - a.s);
  const double zeta = a.g - a.p;
  const double eta = a.g - a.q;
  const MultipleAngles<2> theta(a.g - a.s);
  const double sinG = SinDegrees(a.g), cosG = CosDegrees(a.g);

  PlanetPerturbations p;
  p.meanLongitude = (-0.589833 + 0.001089 * nu) * h.sine[1] +
                    (-0.056094 + 0.004658 * nu) * h.cosine[1] - 0.024286 * h.sine[2];
  const double b =
      0.024039 * h.sine[1] - 0.025303 * h.cosine[1] + 0.006206 * h.sine[2] - 0.005992 * h.cosine[2];
  p.meanAnomaly = p.meanLongitude - b / unperturbedEccentricity;
  p.eccentricity =
      (4389 * h.sine[1] + 4262 * h.cosine[1] + 1129 * h.sine[2] + 1089 * h.cosine[2]) * 0.0000001;
  p.semiMajorAxis = (-817 * h.sine[1] + 8189 * h.cosine[1] + 781 * h.cosine[2]) * 0.000001;

  // The published series also has -0.002972 cos 2θ sin G here; it is left out because the
  // positions this program has always printed for Neptune are computed without it.
  p.heliocentric.longitudeDegrees = -0.009556 * SinDegrees(zeta) - 0.005178 * SinDegrees(eta) +
                                    0.002572 * theta.sine[2] - 0.002833 * theta.sine[2] * cosG;
  p.heliocentric.latitudeDegrees =
      0.000336 * theta.cosine[2] * sinG + 0.000364 * theta.sine[2] * cosG;
  p.heliocentric.radiusVectorAu = (-40596 + 4992 * CosDegrees(zeta) + 2744 * CosDegrees(eta) +
                                   2044 * theta.cosine[1] + 1051 * theta.cosine[2]) *
                                  0.000001;
  return p;
}

}  // namespace velora
