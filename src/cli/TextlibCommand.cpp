#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/TextlibCheck.h"
#include "common/Cp1251.h"
#include "common/FileBytes.h"
#include "common/TextLines.h"
#include "common/UserError.h"
#include "interpretation/InterpretationAlphabet.h"
#include "interpretation/LineCipher.h"

// velora-cli textlib: tools for the text library.
//   decipher FILE --key KEY [--out FILE]  enciphered Windows-1251 file -> editable UTF-8, LF
//   encipher FILE --key KEY [--out FILE]  that UTF-8 text -> the on-disk form, Windows-1251, CR LF
// Both refuse what would not survive the round trip (line ends other than CR LF in a library file,
// characters outside the cipher alphabet), so decipher followed by encipher gives back the file
// byte for byte. A missing final line end is kept missing in both directions.

namespace velora::cli {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string LinePlace(const std::string& file, std::size_t lineNumber) {
  return "«" + file + "», строка " + std::to_string(lineNumber) + ": ";
}

// Refuses line ends other than CR LF: they would come back as CR LF.
void RequireCrLfLineEnds(const std::string& file, std::string_view bytes) {
  std::size_t lineNumber = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool lone = (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) ||
                      (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'));
    if (lone) throw UserError(LinePlace(file, lineNumber) + "конец строки не CR LF");
    if (bytes[i] == '\n') ++lineNumber;
  }
}

// Refuses codes outside the cipher alphabet: the cipher cannot give them back.
void RequireAlphabet(const std::string& file, std::size_t lineNumber, std::string_view cp1251) {
  for (std::size_t p = 0; p < cp1251.size(); ++p) {
    const auto code = static_cast<unsigned char>(cp1251[p]);
    if (AlphabetIndex(code) != 0) continue;
    throw UserError(LinePlace(file, lineNumber) + "знак с кодом " + std::to_string(code) +
                    " (позиция " + std::to_string(p + 1) + ") не входит в алфавит шифра");
  }
}

bool EndsWithLineEnd(std::string_view text) {
  return text.empty() || text.back() == '\n';
}

// Joins lines, each followed by `lineEnd` except the last when the source had no final line end.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd,
                      bool finalLineEnd) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || finalLineEnd) text += lineEnd;
  }
  return text;
}

std::string Decipher(const std::string& file, const CipherKey& key) {
  const std::string bytes = ReadFileBytes(file);
  RequireCrLfLineEnds(file, bytes);
  std::vector<std::string> lines = SplitTextLines(bytes, EmptyText::kNoLines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    RequireAlphabet(file, i + 1, lines[i]);
    lines[i] = Cp1251ToUtf8(DecipherLine(lines[i], key));
  }
  return JoinLines(lines, "\n", EndsWithLineEnd(bytes));
}

std::string EncipherOne(const std::string& file, std::size_t lineNumber, std::string_view utf8,
                        const CipherKey& key) {
  if (!utf8.empty() && utf8.back() == '\r') utf8.remove_suffix(1);
  std::string cp1251;
  try {
    cp1251 = Utf8ToCp1251(utf8);
  } catch (const UserError& error) {
    throw UserError(LinePlace(file, lineNumber) + error.what());
  }
  RequireAlphabet(file, lineNumber, cp1251);
  return EncipherLine(cp1251, key);
}

std::string Encipher(const std::string& file, const CipherKey& key) {
  const std::string bytes = ReadFileBytes(file);
  std::string_view text = bytes;
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(EncipherOne(file, lines.size() + 1, text.substr(start, end - start), key));
    start = end + 1;
  }
  return JoinLines(lines, "\r\n", EndsWithLineEnd(text));
}

CipherKey KeyOption(const ParsedOptions& options) {
  const std::string key = options.required("key");
  if (key.empty()) throw UsageError("ключ --key не может быть пустым");
  try {
    return CipherKey::FromUtf8(key);
  } catch (const UserError& error) {
    throw UsageError(std::string("ключ --key: ") + error.what());
  }
}

std::string OnlyFile(const ParsedOptions& options) {
  const std::vector<std::string>& words = options.positional();
  if (words.empty()) throw UsageError("не задан файл");
  if (words.size() > 1) throw UsageError("лишнее слово «" + words[1] + "»");
  return words.front();
}

void Emit(const ParsedOptions& options, const std::string& bytes) {
  if (const std::optional<std::string> out = options.value("out")) {
    WriteFileAtomically(*out, bytes);
    return;
  }
  std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::cout.flush();
}

int RunCipherAction(const std::vector<std::string>& arguments, bool decipher) {
  const ParsedOptions options(arguments, {"key", "out"}, {});
  const std::string file = OnlyFile(options);
  const CipherKey key = KeyOption(options);
  Emit(options, decipher ? Decipher(file, key) : Encipher(file, key));
  return kExitSuccess;
}

int RunDecipher(const std::vector<std::string>& arguments) {
  return RunCipherAction(arguments, true);
}

int RunEncipher(const std::vector<std::string>& arguments) {
  return RunCipherAction(arguments, false);
}

constexpr const char* kTextlibUsage =
    "velora-cli textlib decipher ФАЙЛ --key КЛЮЧ [--out ФАЙЛ]\n"
    "    зашифрованный файл библиотеки (Windows-1251, CR LF) -> текст UTF-8 для правки\n"
    "velora-cli textlib encipher ФАЙЛ --key КЛЮЧ [--out ФАЙЛ]\n"
    "    текст UTF-8 -> файл библиотеки в прежнем виде, байт в байт\n"
    "velora-cli textlib check ПАПКА\n"
    "    проверка библиотеки в папке с Dann: нет ли пропущенных файлов, испорченных строк,\n"
    "    сочетаний ключей без заголовка и заголовков, подходящих к нескольким сочетаниям\n"
    "Ключ пишется в UTF-8, например --key 'VexКлючик'. Без --out вывод идёт на экран.\n";

struct TextlibAction {
  const char* name;
  int (*run)(const std::vector<std::string>&);
};

constexpr TextlibAction kActions[] = {
    {"decipher", RunDecipher},
    {"encipher", RunEncipher},
    {"check", RunTextlibCheck},
};

}  // namespace

int RunTextlibCommand(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw UsageError("не задано действие: decipher, encipher или check");
  if (arguments.front() == "--help" || arguments.front() == "-h") {
    std::cout << kTextlibUsage;
    return kExitSuccess;
  }
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  for (const TextlibAction& action : kActions) {
    if (arguments.front() == action.name) return action.run(rest);
  }
  throw UsageError("неизвестное действие «" + arguments.front() + "» (decipher, encipher, check)");
}

}  // namespace velora::cli
