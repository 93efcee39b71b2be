#include "interpretation/DirectionsComposer.h"

#include <cstdio>
#include <set>

#include "aspects/AspectTest.h"
#include "derived/HouseNames.h"
#include "interpretation/PointKeys.h"
#include "workspace/ChartItems.h"

namespace velora {
namespace {

constexpr DirectionAngle kSixAngles[] = {{0, "[0"},  {60, "60"},   {72, "72"},
                                         {90, "90"}, {120, "120"}, {180, "180"}};
constexpr DirectionAngle kSixteenAngles[] = {
    {0, "[0"},    {30, "30"},   {36, "36"},   {40, "40"},   {45, "45"},   {60, "60"},
    {72, "72"},   {80, ",80"},  {90, "90"},   {100, "100"}, {108, "108"}, {120, "120"},
    {135, "135"}, {144, "144"}, {150, "150"}, {180, "180"}};

bool IsMajorAngle(double degrees) {
  for (const DirectionAngle& angle : kSixAngles) {
    if (angle.degrees == degrees) return true;
  }
  return false;
}

std::string Decimals(double value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string DirectedBodyPrefix(int body) {
  return " Дирекцион. " + std::string(kItemNames[static_cast<std::size_t>(body)]) + " ";
}

std::string HouseName(int house) {
  return std::string(kHouseNames[static_cast<std::size_t>(house)]);
}

std::string ItemName(int item) {
  return std::string(kItemNames[static_cast<std::size_t>(item)]);
}

// One list of the aspects of directed to radix points: `radixCount` radix points (outer loop)
// against `directedCount` directed points, every angle of the set. Each hit writes its line and
// adds its triple; the list grows as far as the aspects go.
struct AspectListRule {
  int radixCount;
  int directedCount;
  double (*radixDegrees)(const DirectedChart&, int);
  double (*directedDegrees)(const DirectedChart&, int);
  std::string (*radixKey)(int);
  std::string (*directedKey)(int);
  std::string (*line)(int directed, const std::string& separation, int radix, bool sixteen);
};

void ListAspects(const DirectedChart& chart, DirectionsAspectSet set, const AspectListRule& rule,
                 InterpretationText& out, std::vector<EntryItem>& triples) {
  const std::vector<DirectionAngle> angles = DirectionAngles(set);
  const bool sixteen = set == DirectionsAspectSet::kSixteen;
  for (int x = 1; x <= rule.radixCount; ++x) {
    for (int y = 1; y <= rule.directedCount; ++y) {
      const double separation =
          FoldedSeparationDegrees(rule.radixDegrees(chart, x), rule.directedDegrees(chart, y));
      for (const DirectionAngle& angle : angles) {
        const double orb = DirectionOrbDegrees(x, y, angle.degrees, set);
        if (!DirectionAspectHolds(separation, angle.degrees, orb)) continue;
        triples.push_back({{rule.directedKey(y), std::string(angle.key), rule.radixKey(x)}});
        out.Append(rule.line(y, Decimals(separation, "%5.1f"), x, sixteen));
      }
    }
  }
}

double RadixBody(const DirectedChart& chart, int body) {
  return chart.radixLongitudes[body];
}
double RadixCusp(const DirectedChart& chart, int house) {
  return chart.radixCusps[house];
}
double DirectedBody(const DirectedChart& chart, int body) {
  return chart.directedLongitudes[body];
}
double DirectedCusp(const DirectedChart& chart, int house) {
  return chart.directedCusps[house];
}

std::string BodyToBodyLine(int directed, const std::string& separation, int radix, bool) {
  return DirectedBodyPrefix(directed) + separation + "  к радиксн. " + ItemName(radix);
}
std::string BodyToHouseLine(int directed, const std::string& separation, int house, bool sixteen) {
  if (sixteen)
    return DirectedBodyPrefix(directed) + separation + "  к радиксн. " + HouseName(house);
  return DirectedBodyPrefix(directed) + separation + "  к радиксному " + HouseName(house) + " дому";
}
std::string HouseToBodyLine(int house, const std::string& separation, int radix, bool) {
  return " Дирекцион. " + HouseName(house) + " " + separation + "  к радиксной " + ItemName(radix);
}

const AspectListRule kBodiesToBodies{kBodyCount,   kBodyCount,   RadixBody,     DirectedBody,
                                     NatalBodyKey, MovedBodyKey, BodyToBodyLine};
const AspectListRule kBodiesToHouses{
    12, kBodyCount, RadixCusp, DirectedBody, NatalHouseKey, MovedBodyKey, BodyToHouseLine};
const AspectListRule kHousesToBodies{
    kBodyCount, 12, RadixBody, DirectedCusp, NatalBodyKey, MovedHouseKey, HouseToBodyLine};

void AppendListTitle(InterpretationText& out, const char* title) {
  out.Append(" ");
  out.Append(title);
}

}  // namespace

std::vector<DirectionAngle> DirectionAngles(DirectionsAspectSet set) {
  if (set == DirectionsAspectSet::kSixMajor) {
    return {std::begin(kSixAngles), std::end(kSixAngles)};
  }
  return {std::begin(kSixteenAngles), std::end(kSixteenAngles)};
}

double DirectionOrbDegrees(int indexA, int indexB, double angleDegrees, DirectionsAspectSet set) {
  if (set == DirectionsAspectSet::kSixteen && !IsMajorAngle(angleDegrees)) return 1.0;
  if (indexA == 1 || indexB == 1) return 2.0;
  if (indexA == 2 || indexB == 2) return 1.5;
  return 1.0;
}

bool DirectionAspectHolds(double separationDegrees, double angleDegrees, double orbDegrees) {
  return separationDegrees - orbDegrees <= angleDegrees &&
         angleDegrees <= separationDegrees + orbDegrees;
}

void ComposeDirections(Workspace& workspace, const std::filesystem::path& dataDirectory,
                       InterpretationText& out) {
  const DirectedChart chart = ComputeDirections(workspace);
  const DirectionsRequest& request = workspace.settings.directions;
  const std::string& name = workspace.forms.first.name;
  out.Append("   Дирекция " + name + "  на  " + request.DateText());
  for (const std::string& line : DirectionsTableLines(chart)) out.Append(line);

  std::vector<EntryItem> triples;
  AppendListTitle(out, "Аспекты дирекционных планет к радиксным планетам");
  ListAspects(chart, request.aspectSet, kBodiesToBodies, out, triples);
  AppendListTitle(out, "Аспекты дирекционных планет к радиксным домам");
  ListAspects(chart, request.aspectSet, kBodiesToHouses, out, triples);
  if (request.aspectSet == DirectionsAspectSet::kSixMajor) {
    AppendListTitle(out, "Аспекты дирекционных домов к радиксным планетам");
    ListAspects(chart, request.aspectSet, kHousesToBodies, out, triples);
  }
  for (int line = 0; line < 3; ++line) out.Append(" ");
  out.Append("Описание Дирекций гороскопа   " + name);
  out.Append(" ");
  SelectEntries(dataDirectory, kDirectionsFile, LibraryGroup::kDirections, triples, out);
}

std::vector<EntryItem> DirectionsLibraryItems() {
  std::vector<EntryItem> items;
  const auto add = [&](const std::string& directed, std::string_view angle,
                       const std::string& radix) {
    items.push_back({{directed, std::string(angle), radix}});
  };
  for (const DirectionAngle& angle : kSixteenAngles) {
    for (int directed = 1; directed <= kBodyCount; ++directed) {
      for (int radix = 1; radix <= kBodyCount; ++radix) {
        add(MovedBodyKey(directed), angle.key, NatalBodyKey(radix));
      }
      for (int house = 1; house <= 12; ++house) {
        add(MovedBodyKey(directed), angle.key, NatalHouseKey(house));
      }
    }
  }
  for (const DirectionAngle& angle : kSixAngles) {
    for (int house = 1; house <= 12; ++house) {
      for (int radix = 1; radix <= kBodyCount; ++radix) {
        add(MovedHouseKey(house), angle.key, NatalBodyKey(radix));
      }
    }
  }
  return items;
}

}  // namespace velora
