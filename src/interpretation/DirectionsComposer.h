#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "derived/Directions.h"
#include "interpretation/EntrySelection.h"
#include "interpretation/InterpretationText.h"
#include "settings/DirectionsRequest.h"
#include "workspace/Workspace.h"

namespace velora {

inline constexpr std::string_view kDirectionsFile = "\\Dann\\Direc\\Direkc.TXT";

// An aspect angle of the directions text and its key in the library headings.
struct DirectionAngle {
  double degrees;
  std::string_view key;
};

// The angles of the aspect set, in order: six major ones, or sixteen.
std::vector<DirectionAngle> DirectionAngles(DirectionsAspectSet set);

// The fixed orb of a pair by the index numbers that formed it: 2.0 when either is 1, else 1.5
// when either is 2, else 1.0. In the sixteen set only the six major angles have these orbs; the
// others have 1.0.
double DirectionOrbDegrees(int indexA, int indexB, double angleDegrees, DirectionsAspectSet set);

// The inclusive test of the directions text: separation - orb <= angle <= separation + orb.
bool DirectionAspectHolds(double separationDegrees, double angleDegrees, double orbDegrees);

// The text of the directions to the date of the directions window: header, table, the lists of
// aspects of directed to radix points, then the library entries of every aspect found. The file
// that cannot be opened throws UserError after the lists are written.
void ComposeDirections(Workspace& workspace, const std::filesystem::path& dataDirectory,
                       InterpretationText& out);

// Every item the composer can ask of the directions library, for checking it.
std::vector<EntryItem> DirectionsLibraryItems();

}  // namespace velora
