#pragma once

#include "app/MainViewState.h"
#include "workspace/Workspace.h"

namespace velora {

// The three arrangements of the second chart window. Each touches only the controls it names;
// the name field belongs to the workspace's second chart.
void SecondChartMode(MainViewState& view);
void SolarMode(Workspace& workspace, MainViewState& view);
void LunarMode(Workspace& workspace, MainViewState& view);

}  // namespace velora
