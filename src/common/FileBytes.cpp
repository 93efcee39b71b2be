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

std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t largestBytes) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw UserError("Файл " + Quoted(path) + " не обычный файл (папка, устройство или канал)");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > largestBytes) {
    throw UserError("Файл " + Quoted(path) + " слишком велик: " + std::to_string(size) +
                    " байт, допустимо не больше " + std::to_string(largestBytes));
  }
  std::ifstream in;
  if (std::filesystem::is_regular_file(status)) in.open(path, std::ios::binary);
  if (!in.is_open()) throw UserError("Не удаётся открыть файл " + Quoted(path));
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw UserError("Не удаётся прочитать файл " + Quoted(path));
  return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  ReplaceFileSafely(path, bytes);
}

}  // namespace velora
