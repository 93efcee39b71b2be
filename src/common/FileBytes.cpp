#include "common/FileBytes.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/FileReplace.h"
#include "common/UserError.h"

namespace velora {
namespace {

std::string Quoted(const std::filesystem::path& path) {
  return "«" + path.string() + "»";
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  std::ifstream in;
  if (!std::filesystem::is_directory(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open()) throw UserError("Не удаётся открыть файл " + Quoted(path));
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw UserError("Не удаётся прочитать файл " + Quoted(path));
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  ReplaceFileSafely(path, bytes);
}

}  // namespace velora
