// The rich-text reader: any document gives lines that the writer saves, and that read back the
// same.

#include "FuzzSupport.h"
#include "app/RichText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::vector<std::string> lines = LinesFromRichText(fuzz::Text(data, size));
  const std::string saved = RichTextFromLines(lines);
  std::vector<std::string> expected = lines;
  // The reader keeps a last line without \par only when it has text; saving ends every line.
  fuzz::Require(LinesFromRichText(saved) == expected, "rich text round trip");
  return 0;
}
