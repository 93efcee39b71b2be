#include "app/ChartPictures.h"

#include "aspects/RadixAspects.h"
#include "wheel/BodyPlacement.h"
#include "wheel/ChartHouses.h"
#include "wheel/ClearPicture.h"
#include "wheel/HouseCuspList.h"
#include "wheel/PositionList.h"
#include "wheel/ZodiacWheel.h"

namespace velora {

void DrawRadixPicture(Workspace& workspace, Canvas& picture) {
  ClearPicture(picture);
  DrawWheel(workspace, picture);
  DrawChartPlanets(workspace, picture, 1);
  ListChartPositions(workspace, picture, 1);
  DrawChartHouses(workspace, picture, 1);
  ListHouseCusps(workspace, picture, 1);
  DrawRadixAspects(workspace, picture);
}

void DrawInnerChart(Workspace& workspace, Canvas& picture) {
  ClearPicture(picture);
  DrawWheel(workspace, picture);
  DrawChartPlanets(workspace, picture, 1);
  DrawChartHouses(workspace, picture, 1);
}

void DrawOuterChart(Workspace& workspace, Canvas& picture, bool withHouses) {
  DrawChartPlanets(workspace, picture, 2);
  ListChartPositions(workspace, picture, 2);
  if (!withHouses) return;
  DrawChartHouses(workspace, picture, 2);
  ListHouseCusps(workspace, picture, 2);
}

}  // namespace velora
