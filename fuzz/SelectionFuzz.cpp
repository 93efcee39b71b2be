// The cipher and the selection loop: deciphering undoes enciphering for every line of alphabet
// characters, and the selection loop and the bracket-section reader take any file without a
// crash, never showing more lines than the file has.

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FuzzSupport.h"
#include "common/TextLines.h"
#include "interpretation/BracketSections.h"
#include "interpretation/EntrySelection.h"
#include "interpretation/InterpretationAlphabet.h"
#include "interpretation/LineCipher.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velora-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path / "Dann");
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velora;
  const std::string_view bytes = fuzz::Text(data, size);
  const CipherKey key("Mornel 09:42");
  std::string alphabetOnly;
  for (unsigned char code : bytes) {
    if (AlphabetIndex(code) != 0) alphabetOnly += static_cast<char>(code);
  }
  fuzz::Require(DecipherLine(EncipherLine(alphabetOnly, key), key) == alphabetOnly,
                "cipher round trip");

  std::ofstream(Folder() / "Dann" / "f.txt", std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::size_t lineCount = SplitTextLines(bytes, EmptyText::kOneEmptyLine).size();
  const std::vector<EntryItem> items = {{{"[+SOL]", "90", "[SEL]"}}, {{"&"}}, {{"[H1]"}}};
  for (LibraryGroup group :
       {LibraryGroup::kDirections, LibraryGroup::kRadixChild, LibraryGroup::kSynastry}) {
    InterpretationText out;
    SelectEntries(Folder(), "\\Dann\\f.txt", group, items, out);
    fuzz::Require(out.lines.size() <= lineCount, "more lines shown than the file has");
  }
  InterpretationText sections;
  ReadBracketSections(Folder(), "\\Dann\\f.txt", {"[1]", "", "[H10]"}, 5, sections);
  fuzz::Require(sections.lines.size() <= lineCount, "more section lines than the file has");
  return 0;
}
