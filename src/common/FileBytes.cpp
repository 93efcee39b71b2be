#include "common/FileBytes.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

#include "common/UserError.h"

namespace velora {
namespace {

std::string Quoted(const std::filesystem::path& path) {
  return "«" + path.string() + "»";
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  std::random_device entropy;
  std::ostringstream name;
  name << '.' << path.filename().string() << ".tmp-" << std::hex << entropy() << entropy();
  return path.parent_path() / name.str();
}

void WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) throw UserError("Не удаётся создать файл " + Quoted(path));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out.fail()) throw UserError("Не удаётся записать файл " + Quoted(path));
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
  const std::filesystem::path temporary = TemporaryBeside(path);
  std::error_code error;
  try {
    WriteNewFile(temporary, bytes);
  } catch (const UserError&) {
    std::filesystem::remove(temporary, error);
    throw UserError("Не удаётся записать файл " + Quoted(path));
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw UserError("Не удаётся записать файл " + Quoted(path));
  }
}

}  // namespace velora
