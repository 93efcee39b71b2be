#pragma once

#include <string>
#include <vector>

namespace velora::cli {

// "textlib check DIR": checks the text library of a data folder (DIR holding Dann, or Dann
// itself) against the keys the composers ask for. Exit status 0 when every file is complete.
int RunTextlibCheck(const std::vector<std::string>& arguments);

}  // namespace velora::cli
