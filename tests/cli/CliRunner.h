#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace velora::testing {

struct CliResult {
  int status = -1;
  std::string output;
};

// Runs the built velora-cli with `arguments` (shell words); standard error joins the output only
// when asked.
inline CliResult RunCli(const std::string& arguments, bool withErrors = false) {
  CliResult result;
  const std::string command =
      std::string(VELORA_CLI_PATH) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    result.output.append(buffer.data(), read);
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// The bundled data folder of the source tree (it holds Dann).
inline std::string BundledData() {
  return std::string(VELORA_SOURCE_DIR) + "/data";
}

}  // namespace velora::testing
