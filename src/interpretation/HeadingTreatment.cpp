#include "interpretation/HeadingTreatment.h"

namespace velora {
namespace {

std::string_view CutThroughBracket(std::string_view text) {
  const std::size_t bracket = text.find(']');
  return bracket == std::string_view::npos ? text : text.substr(bracket + 1);
}

}  // namespace

std::string TreatHeading(std::string_view heading, HeadingTreatment treatment) {
  switch (treatment) {
    case HeadingTreatment::kBlankFirstCharacter: {
      std::string shown(heading);
      if (!shown.empty()) shown[0] = ' ';
      return shown;
    }
    case HeadingTreatment::kBlankLine:
      return " ";
    case HeadingTreatment::kBehindTwoBrackets:
      return std::string(CutThroughBracket(CutThroughBracket(heading)));
  }
  return std::string(heading);
}

}  // namespace velora
