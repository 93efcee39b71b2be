#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// The chart database: a list of lines over one Windows-1251 text file, one person per line. The
// list is a working copy; the file changes only when the list is saved.
// Where a database lives, and the file that seeds it the first time it is used.
struct DatabaseLocation {
  std::filesystem::path file;
  std::optional<std::filesystem::path> seed;
};

class ChartDatabase {
 public:
  explicit ChartDatabase(std::filesystem::path file) : file_(std::move(file)) {}
  explicit ChartDatabase(DatabaseLocation location)
      : file_(std::move(location.file)), seed_(std::move(location.seed)) {}

  const std::filesystem::path& file() const { return file_; }
  const std::vector<std::string>& lines() const { return lines_; }

  // Replaces the list by the lines of the file (UTF-8 inside the program; blank lines included).
  // A missing file is first seeded with a copy of the seed file, when there is one; otherwise it
  // gives an empty list and a notice to show, and the first save creates the file.
  // Throws UserError naming the file when it exists but cannot be read.
  std::optional<std::string> Load();

  // Writes the whole list back through a temporary file renamed over the old one, so a failed
  // write leaves the old file as it was. Throws UserError naming the file on failure.
  void Save() const;

  void Append(std::string line) { lines_.push_back(std::move(line)); }
  // Removes entry `index`; an index outside the list does nothing.
  void Remove(int index);

 private:
  std::filesystem::path file_;
  std::optional<std::filesystem::path> seed_;
  std::vector<std::string> lines_;
};

// Where the database of a data folder lives: "<data>/Dann/Basa.TXT" when that folder can be
// written, else the same name in the user's own data folder, seeded with a copy of the bundled
// file when it is first opened. Nothing is written here.
DatabaseLocation ResolveDatabaseLocation(const std::filesystem::path& dataDirectory,
                                         const std::filesystem::path& userDataDirectory);

}  // namespace velora
