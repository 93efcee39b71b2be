#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/EntryFileLayout.h"
#include "interpretation/InterpretationText.h"

namespace velora {

// One item a composer looks for: a heading answers it when it contains the marker and every key
// (UTF-8, matched case-sensitively as substrings). An empty key never matches.
struct EntryItem {
  std::vector<std::string> keys;
};

// The selection loop shared by all composers. Opens `dataDirectory` + `fileName` (a name such as
// "\Dann\Radix\PLZODIAC.txt", found ignoring ASCII case) and appends to `out`, in file order,
// every entry whose heading answers at least one item, its heading shown as the layout says and
// its body lines as read (deciphered, in UTF-8):
//   1. the first line is read (and deciphered) as the current line;
//   2. if it holds the marker, the items are tried in order; an item whose keys are all in the
//      current line (while that still holds the marker) shows the heading and the body lines up
//      to the next marker line, which becomes the current line for the following items;
//   3. when nothing was shown, the next line becomes the current line;
//   4. the loop stops once the last line has been read, so the last line is never tested.
// A file that ends inside an entry ends that entry. Throws UserError naming the file when it
// cannot be opened; lines appended before stay in `out`.
void SelectEntries(const std::filesystem::path& dataDirectory, std::string_view fileName,
                   const EntryFileLayout& layout, const std::vector<EntryItem>& items,
                   InterpretationText& out);

void SelectEntries(const std::filesystem::path& dataDirectory, std::string_view fileName,
                   LibraryGroup group, const std::vector<EntryItem>& items,
                   InterpretationText& out);

}  // namespace velora
