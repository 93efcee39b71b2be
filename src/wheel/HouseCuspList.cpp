#include "wheel/HouseCuspList.h"

#include <cstdio>

#include "wheel/ChartHouses.h"
#include "wheel/WheelGeometry.h"

namespace velora {
namespace {

struct ListPlace {
  int x;
  int titleY;
  int firstLineY;
};

ListPlace ListPlaceOf(const Canvas& canvas, ListingPlace place) {
  if (place == ListingPlace::kListingWindow) return {130, 10, 35};
  return {TruncatePixels(canvas.widthPixels() - 120), 25, 45};
}

bool IsEqualHouseSystem(HouseSystemCode code) {
  return code == 'M' || code == 'A' || code == 'S' || code == 'L';
}

void WriteTitle(Canvas& canvas, const ListPlace& place, HouseSystemCode code,
                ListingPlace listingPlace) {
  const std::string_view title = HouseSystemTitle(code);
  if (title.empty()) return;
  if (listingPlace == ListingPlace::kListingWindow) {
    if (code == 'S' || code == 'L') return;
    canvas.DrawText({place.x, place.titleY}, title);
    return;
  }
  const int x = IsEqualHouseSystem(code) ? place.x - 20 : place.x;
  canvas.DrawText({x, place.titleY}, title);
}

}  // namespace

std::string_view HouseSystemTitle(HouseSystemCode code) {
  switch (code) {
    case 'P':
      return " Плацидуса";
    case 'K':
      return " Коха";
    case 'A':
      return " Равнодомная от Асц";
    case 'M':
      return " Равнодомная от МС";
    case 'S':
      return " Равнодомная от Солнца";
    case 'L':
      return " Равнодомная от Луны";
    default:
      return "";
  }
}

std::string HouseCuspLine(int cusp, double cuspDegrees) {
  char degrees[32];
  std::snprintf(degrees, sizeof degrees, "%6.1f", cuspDegrees);
  return std::string(kHouseLabels[static_cast<std::size_t>(cusp)]) + "  " + degrees;
}

void ListHouseCusps(Workspace& workspace, Canvas& canvas, ChartSource source,
                    ListingPlace listingPlace) {
  const ListPlace place = ListPlaceOf(canvas, listingPlace);
  const HouseSystemCode code = workspace.settings.houseSystem;
  WriteTitle(canvas, place, code, listingPlace);
  HouseCusps cusps;
  workspace.ComputeHousesOf(source, cusps);
  for (int cusp = 1; cusp <= 12; ++cusp) {
    canvas.DrawText({place.x, place.firstLineY + 25 * (cusp - 1)},
                    HouseCuspLine(cusp, cusps[cusp]));
  }
}

}  // namespace velora
