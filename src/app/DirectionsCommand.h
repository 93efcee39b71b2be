#pragma once

#include "app/MainCommands.h"

namespace velora {

// "Расчет" of the directions window: the radix with the directed bodies on the outer ring and
// their positions, the table of radix and directed points appended to the text view (it is not
// emptied, so a second run appends a second table), and the aspects of directed to radix bodies
// as lines and chords, with the user's aspect list and item settings. The window does not block
// the main window, so another command may have run meanwhile: the command sets the kind of work
// back to directions and always computes them afresh. A first chart without a month stops it
// with UserError.
void RunDirectionsToDate(CommandContext& context);

// One aspect line of the directions: " Дирекц.  " + label + separation (one decimal, width 4)
// + " к " + label.
std::string DirectedAspectLine(int directedBody, double separationDegrees, int radixBody);

}  // namespace velora
