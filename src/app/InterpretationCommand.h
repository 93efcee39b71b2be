#pragma once

#include "app/MainCommands.h"

namespace velora {

// "Интерпретация": the text view replaces the picture ("Карта" and "Текст" shown, the button
// itself hidden) and receives the text of the current kind of chart. A library file that cannot
// be opened ends the command with UserError; the lines written until then stay in the view.
void RunInterpretationCommand(CommandContext& context);

}  // namespace velora
