#include "app/ChartPictures.h"

#include "aspects/RadixAspects.h"
#include "wheel/BodyPlacement.h"
#include "wheel/ChartHouses.h"
#include "wheel/ClearPicture.h"
#include "wheel/HouseCuspList.h"
#include "wheel/PositionList.h"
#include "wheel/ZodiacWheel.h"

namespace velora {
namespace {

constexpr int kCaptionOffsetFromRightPixels = 250;
constexpr int kCaptionTopPixels = 25;

}  // namespace

void WriteSecondChartCaption(Canvas& picture, std::string_view caption) {
  picture.DrawText({picture.widthPixels() - kCaptionOffsetFromRightPixels, kCaptionTopPixels},
                   caption);
}

void DrawRadixPicture(Workspace& workspace, Canvas& picture) {
  ClearPicture(picture);
  DrawWheel(workspace, picture);
  DrawChartPlanets(workspace, picture, WheelChart::kFirstChart);
  ListChartPositions(workspace, picture, WheelChart::kFirstChart, ListingPlace::kPicture);
  DrawChartHouses(workspace, picture, ChartSource::kFirstChart);
  ListHouseCusps(workspace, picture, ChartSource::kFirstChart, ListingPlace::kPicture);
  DrawRadixAspects(workspace, picture);
}

void DrawInnerChart(Workspace& workspace, Canvas& picture) {
  ClearPicture(picture);
  DrawWheel(workspace, picture);
  DrawChartPlanets(workspace, picture, WheelChart::kFirstChart);
  DrawChartHouses(workspace, picture, ChartSource::kFirstChart);
}

void DrawOuterChart(Workspace& workspace, Canvas& picture, bool withHouses) {
  DrawChartPlanets(workspace, picture, WheelChart::kSecondChart);
  ListChartPositions(workspace, picture, WheelChart::kSecondChart, ListingPlace::kPicture);
  if (!withHouses) return;
  DrawChartHouses(workspace, picture, ChartSource::kSecondChart);
  ListHouseCusps(workspace, picture, ChartSource::kSecondChart, ListingPlace::kPicture);
}

}  // namespace velora
