#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../common/TemporaryFolder.h"
#include "common/Cp1251.h"
#include "common/TextLines.h"
#include "interpretation/LineCipher.h"

namespace velora::testing {

// A data directory of small library files written by the test.
class LibraryFixture : public ::testing::Test {
 protected:
  using Lines = std::vector<std::string>;

  // Writes UTF-8 lines as a plain library file (Windows-1251, CR LF) at `relative` ("Dann/...").
  void WritePlain(const std::string& relative, const Lines& lines) {
    Lines encoded;
    for (const std::string& line : lines) encoded.push_back(Utf8ToCp1251(line));
    folder.Write(relative, JoinCrLfLines(encoded));
  }

  // The same, every line enciphered by itself with `key`.
  void WriteEnciphered(const std::string& relative, const Lines& lines, const CipherKey& key) {
    Lines encoded;
    for (const std::string& line : lines) encoded.push_back(EncipherLine(Utf8ToCp1251(line), key));
    folder.Write(relative, JoinCrLfLines(encoded));
  }

  TemporaryFolder folder;
};

}  // namespace velora::testing
