#include "app/DirectionsCommand.h"

#include <cstdio>

#include "aspects/AspectChord.h"
#include "aspects/AspectList.h"
#include "aspects/AspectTest.h"
#include "derived/Directions.h"
#include "wheel/BodyPlacement.h"
#include "wheel/ChartHouses.h"
#include "wheel/ClearPicture.h"
#include "wheel/PositionList.h"
#include "wheel/ZodiacWheel.h"

namespace velora {
namespace {

void ShowDirectionsPicture(MainViewState& view) {
  view.textVisible = false;
  view.pictureVisible = true;
  view.stepBackVisible = false;
  view.stepForwardVisible = false;
  view.interpretationVisible = true;
  view.showPictureVisible = false;
  view.showTextVisible = false;
  view.scanningLabelVisible = false;
}

void AppendLines(MainViewState& view, const std::vector<std::string>& lines) {
  view.textLines.insert(view.textLines.end(), lines.begin(), lines.end());
  ++view.textRevision;
}

// Every directed body against every radix body, for every angle of the aspect list.
void ListDirectedAspects(CommandContext& context, const DirectedChart& chart) {
  Workspace& workspace = context.workspace;
  Canvas& picture = context.surfaces.picture();
  const int radius = AspectChordRadiusPixels(picture.heightPixels());
  const AspectList list =
      ReadAspectList(workspace.settings.aspects, workspace.computed.aspectColours);
  ReadAspectColours(workspace.settings.aspects, workspace.computed.aspectColours);
  ItemFlags flags;
  workspace.ApplyItemSettings(flags, 1, kBodyCount);
  const ItemOrbs& orbs = workspace.computed.itemOrbs;

  std::vector<std::string> lines{" Расчет аспектов дирекционных к радикс"};
  for (int directed = 1; directed <= kBodyCount; ++directed) {
    for (int radix = 1; radix <= kBodyCount; ++radix) {
      const double orb = PairOrbDegrees(orbs[directed], orbs[radix]);
      const double separation =
          FoldedSeparationDegrees(chart.radixLongitudes[radix], chart.directedLongitudes[directed]);
      for (int aspect = 1; aspect <= list.count; ++aspect) {
        const double angle = list.anglesDegrees[aspect];
        if (!(angle - orb < separation && separation < angle + orb)) continue;
        if (!flags[directed] || !flags[radix]) continue;
        lines.push_back(DirectedAspectLine(directed, separation, radix));
        DrawAspectChord(picture, radius, workspace.computed.aspectColours[aspect],
                        chart.directedLongitudes[directed], chart.radixLongitudes[radix]);
      }
    }
  }
  AppendLines(context.view, lines);
}

}  // namespace

std::string DirectedAspectLine(int directedBody, double separationDegrees, int radixBody) {
  char separation[32];
  std::snprintf(separation, sizeof separation, "%4.1f", separationDegrees);
  return " Дирекц.  " + std::string(kShortBodyLabels[static_cast<std::size_t>(directedBody)]) +
         " " + separation + " к " +
         std::string(kShortBodyLabels[static_cast<std::size_t>(radixBody)]);
}

void RunDirectionsToDate(CommandContext& context) {
  Workspace& workspace = context.workspace;
  MainViewState& view = context.view;
  view.windowActions.push_back({AppWindow::kDirectionsDate, false});
  workspace.chartKind = chart_kinds::kDirections;
  BirthDateOf(workspace.forms.first);

  Canvas& picture = context.surfaces.picture();
  ClearPicture(picture);
  DrawWheel(workspace, picture);
  const DirectedChart chart = ComputeDirections(workspace);
  DrawChartPlanets(workspace, picture, WheelChart::kFirstChart);
  DrawChartHouses(workspace, picture, ChartSource::kFirstChart);
  view.aboutVisible = false;
  ShowDirectionsPicture(view);

  AppendLines(view, DirectionsTableLines(chart));
  DrawChartPlanets(workspace, picture, WheelChart::kDirectedChart);
  ListChartPositions(workspace, picture, WheelChart::kDirectedChart, ListingPlace::kPicture);
  ListDirectedAspects(context, chart);
}

}  // namespace velora
