#include "interpretation/EntrySelection.h"

#include <algorithm>
#include <utility>

#include "common/Cp1251.h"
#include "common/TextLines.h"
#include "interpretation/HeadingTreatment.h"
#include "interpretation/LibraryFilePath.h"
#include "interpretation/LineCipher.h"

namespace velora {
namespace {

// Reads the lines of a library file one by one, deciphered when the file is enciphered. Past the
// last line it reads empty lines.
class LibraryLineReader {
 public:
  LibraryLineReader(std::vector<std::string> lines, const CipherKey* key)
      : lines_(std::move(lines)), key_(key) {}

  bool AtEnd() const { return next_ >= lines_.size(); }

  std::string Read() {
    if (AtEnd()) return {};
    const std::string& line = lines_[next_++];
    return key_ ? DecipherLine(line, *key_) : line;
  }

 private:
  std::vector<std::string> lines_;
  const CipherKey* key_;
  std::size_t next_ = 0;
};

// An item with its keys in Windows-1251, as the lines are compared.
using EncodedItem = std::vector<std::string>;

std::vector<EncodedItem> EncodeItems(const std::vector<EntryItem>& items) {
  std::vector<EncodedItem> encoded;
  encoded.reserve(items.size());
  for (const EntryItem& item : items) {
    EncodedItem& keys = encoded.emplace_back();
    for (const std::string& key : item.keys) keys.push_back(Utf8ToCp1251(key));
  }
  return encoded;
}

bool Contains(const std::string& line, std::string_view part) {
  return line.find(part) != std::string::npos;
}

bool Answers(const std::string& heading, const EncodedItem& keys) {
  return !keys.empty() && std::all_of(keys.begin(), keys.end(), [&](const std::string& key) {
    return !key.empty() && Contains(heading, key);
  });
}

class EntrySelector {
 public:
  EntrySelector(LibraryLineReader& reader, const EntryFileLayout& layout, InterpretationText& out)
      : reader_(reader), layout_(layout), out_(out) {}

  void Run(const std::vector<EncodedItem>& items) {
    current_ = reader_.Read();
    do {
      if (!TryItems(items)) current_ = reader_.Read();
    } while (!reader_.AtEnd());
  }

 private:
  bool IsHeading() const { return current_.find(layout_.marker) != std::string::npos; }

  bool TryItems(const std::vector<EncodedItem>& items) {
    bool emitted = false;
    if (!IsHeading()) return emitted;
    for (const EncodedItem& keys : items) {
      if (!IsHeading() || !Answers(current_, keys)) continue;
      ShowEntry();
      emitted = true;
    }
    return emitted;
  }

  // Shows the current heading and its body; leaves the line that ended the entry current.
  void ShowEntry() {
    out_.Append(Cp1251ToUtf8(TreatHeading(current_, layout_.heading)));
    while (!reader_.AtEnd()) {
      current_ = reader_.Read();
      if (IsHeading()) return;
      out_.Append(Cp1251ToUtf8(current_));
    }
    // The file ended inside the entry: nothing is left to answer the other items (a heading on
    // the last line would otherwise be shown once for every item it answers).
    current_.clear();
  }

  LibraryLineReader& reader_;
  const EntryFileLayout& layout_;
  InterpretationText& out_;
  std::string current_;
};

}  // namespace

void SelectEntries(const std::filesystem::path& dataDirectory, std::string_view fileName,
                   const EntryFileLayout& layout, const std::vector<EntryItem>& items,
                   InterpretationText& out) {
  const std::vector<EncodedItem> encoded = EncodeItems(items);
  const std::filesystem::path path = LibraryFilePath(dataDirectory, fileName);
  LibraryLineReader reader(ReadTextFileLines(path, EmptyText::kNoLines), layout.cipherKey);
  EntrySelector(reader, layout, out).Run(encoded);
}

void SelectEntries(const std::filesystem::path& dataDirectory, std::string_view fileName,
                   LibraryGroup group, const std::vector<EntryItem>& items,
                   InterpretationText& out) {
  SelectEntries(dataDirectory, fileName, LayoutOf(group), items, out);
}

}  // namespace velora
