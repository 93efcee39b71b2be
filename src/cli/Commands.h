#pragma once

#include <string>
#include <vector>

namespace velora::cli {

// Each subcommand takes the words after its name and returns the exit status.
int RunChartCommand(const std::vector<std::string>& arguments);
int RunTextlibCommand(const std::vector<std::string>& arguments);
int RunInterpretCommand(const std::vector<std::string>& arguments);
int RunDirectionsCommand(const std::vector<std::string>& arguments);
int RunTransitsCommand(const std::vector<std::string>& arguments);
int RunCalendarCommand(const std::vector<std::string>& arguments);
int RunFatigueCommand(const std::vector<std::string>& arguments);
int RunSolarCommand(const std::vector<std::string>& arguments);
int RunLunarCommand(const std::vector<std::string>& arguments);
#ifdef VELORA_CLI_WITH_PICTURES
int RunWheelCommand(const std::vector<std::string>& arguments);
#endif

}  // namespace velora::cli
