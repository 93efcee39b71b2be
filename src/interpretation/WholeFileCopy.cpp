#include "interpretation/WholeFileCopy.h"

#include "common/Cp1251.h"
#include "common/TextLines.h"
#include "interpretation/LibraryFilePath.h"

namespace velora {

void AppendWholeFile(const std::filesystem::path& dataDirectory, std::string_view fileName,
                     InterpretationText& out) {
  const std::filesystem::path path = LibraryFilePath(dataDirectory, fileName);
  for (const std::string& line : ReadTextFileLines(path, EmptyText::kOneEmptyLine)) {
    out.Append(Cp1251ToUtf8(line));
  }
}

}  // namespace velora
