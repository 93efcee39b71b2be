#pragma once

#include <string>
#include <string_view>

#include "interpretation/EntryFileLayout.h"

namespace velora {

// The line shown for a matching heading (Windows-1251 in, Windows-1251 out).
std::string TreatHeading(std::string_view heading, HeadingTreatment treatment);

}  // namespace velora
