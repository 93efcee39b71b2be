#pragma once

#include <cstddef>

#include "app/MainCommands.h"

namespace velora {

// "Расчет Cоляра" of the second chart window: the solar return of the window's year found and
// written into the window, then drawn around the radix with its houses and the caption "Соляр";
// the window returns to its second chart arrangement. A return the window cannot hold stops the
// command with UserError before anything is drawn.
void RunSolarReturnSearch(CommandContext& context);

// "Расчет Лунара": the text view and the list emptied, the list shown, and the three lunar returns
// from the chosen month listed (fewer, with a notice, near the ends of the window's years).
void RunLunarReturnSearch(CommandContext& context);

// A double-click on entry `index` of the lunar list: the entry read back into the window and
// drawn around the radix with the caption "Лунар". The window keeps its lunar arrangement.
void TakeLunarReturn(CommandContext& context, std::size_t index);

}  // namespace velora
