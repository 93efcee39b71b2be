#pragma once

#include <set>
#include <string>

#include "app/HeadlessSession.h"
#include "cli/CommandLine.h"

namespace velora::cli {

// The second window's options of the return searches: --year, --month, the hidden
// --second-day and --second-time of the lunar search, --second-lat and --second-lon.
std::set<std::string> ReturnOptionNames();

// "Соляр", the year and place chosen in the second window, "Расчет Cоляра".
void RunSolarFromOptions(HeadlessSession& session, const ParsedOptions& options);

// "Лунар", the year, month, hidden day and time and place of the second window, "Расчет
// Лунара". Why a list came out shorter goes to standard error.
void RunLunarFromOptions(HeadlessSession& session, const ParsedOptions& options);

}  // namespace velora::cli
