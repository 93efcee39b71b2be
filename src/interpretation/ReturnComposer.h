#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "interpretation/InterpretationText.h"
#include "interpretation/RadixEntryItems.h"
#include "workspace/Workspace.h"

namespace velora {

enum class ReturnKind { kSolar, kLunar };

// The four files of one kind of return, in the order the text reads them.
struct ReturnFiles {
  const char* ascendantInSign;
  const char* housesInRadixHouses;
  const char* planetsInHouses;
  const char* planetOntoPlanet;
};
ReturnFiles ReturnFilesOf(ReturnKind kind);

// The house of the radix in which a longitude lies strictly between two cusps; 0 when it lies on
// a cusp or in no house. Houses are tried 1..12 and the first that holds it wins.
int StrictRadixHouse(double longitudeDegrees, const HouseCusps& cusps);

// The items of the four sections, as the composers and the library check ask for them.
EntryItem ReturnAscendantItem(int sign);
EntryItem ReturnHouseItem(int returnHouse, int radixHouse);
EntryItem ReturnPlanetInHouseItem(int body, int house);
EntryItem ReturnOfPlanetItem(int returnBody, int natalBody);

// The text of a solar or a lunar return: the radix is the first chart, the return the second.
// A solar return starts with the year's progressed aspects; then the Ascendant's sign, the return
// houses in the radix houses, the return bodies in the return houses and the return bodies near
// natal ones, each section with its title lines. A file that cannot be opened throws UserError
// after the lines before it.
void ComposeReturns(Workspace& workspace, ReturnKind kind,
                    const std::filesystem::path& dataDirectory, InterpretationText& out);

// Every key combination the composer can ask of one kind's files, for checking a library.
std::vector<LibraryFileKeys> ReturnLibraryKeys(ReturnKind kind);

}  // namespace velora
