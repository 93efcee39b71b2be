#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../common/TemporaryFolder.h"
#include "cli/CliRunner.h"
#include "common/Cp1251.h"
#include "common/TextLines.h"
#include "interpretation/CipherKeys.h"
#include "interpretation/InterpretationAlphabet.h"
#include "interpretation/LineCipher.h"

namespace velora {
namespace {

using RunResult = testing::CliResult;
using testing::RunCli;

std::string Quoted(const std::filesystem::path& path) {
  std::string quoted = "'";
  quoted.append(path.string()).append("'");
  return quoted;
}

// Plain library lines (Windows-1251) that use every character of the alphabet, blank and empty
// lines, tabs at both ends and lines beyond 256 characters.
std::vector<std::string> PlainLibraryLines() {
  std::string all;
  for (int index = 1; index <= kAlphabetSize; ++index) {
    all += static_cast<char>(InterpretationAlphabet(index));
  }
  std::vector<std::string> lines = {Utf8ToCp1251("&Солнце в Овне"),
                                    Utf8ToCp1251("Ясный, щедрый нрав; «огонь» — № 1."),
                                    "",
                                    "   ",
                                    "\tотступ\t",
                                    all,
                                    all + all,
                                    std::string(256, '\xFF'),
                                    "&&&&&"};
  return lines;
}

std::vector<std::string> Enciphered(const std::vector<std::string>& plain, const CipherKey& key) {
  std::vector<std::string> lines;
  for (const std::string& line : plain) lines.push_back(EncipherLine(line, key));
  return lines;
}

std::string Utf8Text(const std::vector<std::string>& cp1251Lines) {
  std::string text;
  for (const std::string& line : cp1251Lines) text += Cp1251ToUtf8(line) + "\n";
  return text;
}

TEST(TextlibCommand, DeciphersToUtf8AndEnciphersBackByteForByte) {
  testing::TemporaryFolder folder;
  const std::vector<std::string> plain = PlainLibraryLines();
  const std::string library = JoinCrLfLines(Enciphered(plain, RadixCipherKey()));
  const auto source = folder.Write("PLZODIAC.txt", library);
  const auto text = folder.path() / "plzodiac.utf8.txt";
  const auto back = folder.path() / "back.txt";

  const std::string key = " --key '" + std::string(kRadixKeyText) + "'";
  ASSERT_EQ(RunCli("textlib decipher " + Quoted(source) + key + " --out " + Quoted(text)).status,
            0);
  EXPECT_EQ(testing::ReadBytes(text), Utf8Text(plain));
  ASSERT_EQ(RunCli("textlib encipher " + Quoted(text) + key + " --out " + Quoted(back)).status, 0);
  EXPECT_EQ(testing::ReadBytes(back), library);

  const RunResult printed = RunCli("textlib decipher " + Quoted(source) + key);
  EXPECT_EQ(printed.status, 0);
  EXPECT_EQ(printed.output, Utf8Text(plain));
}

TEST(TextlibCommand, KeepsAMissingFinalLineEndMissing) {
  testing::TemporaryFolder folder;
  std::string library = JoinCrLfLines(Enciphered(PlainLibraryLines(), TransitCipherKey()));
  library.resize(library.size() - 2);
  const auto source = folder.Write("tranzit.txt", library);
  const auto text = folder.path() / "tranzit.utf8.txt";
  const auto back = folder.path() / "back.txt";
  const std::string key = " --key '08:26 Valtrop'";
  ASSERT_EQ(RunCli("textlib decipher " + Quoted(source) + key + " --out " + Quoted(text)).status,
            0);
  EXPECT_NE(testing::ReadBytes(text).back(), '\n');
  ASSERT_EQ(RunCli("textlib encipher " + Quoted(text) + key + " --out " + Quoted(back)).status, 0);
  EXPECT_EQ(testing::ReadBytes(back), library);
}

TEST(TextlibCommand, EnciphersTextEditedWithCrLfLineEnds) {
  testing::TemporaryFolder folder;
  const auto text = folder.Write("edited.txt", "\xEF\xBB\xBF&Луна\r\nтекст\r\n");
  const RunResult run = RunCli("textlib encipher " + Quoted(text) + " --key 'Мирта 04:17'");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> expected = {Utf8ToCp1251("&Луна"), Utf8ToCp1251("текст")};
  EXPECT_EQ(run.output, JoinCrLfLines(Enciphered(expected, ReturnsCipherKey())));
}

TEST(TextlibCommand, RefusesWhatWouldNotComeBackUnchanged) {
  testing::TemporaryFolder folder;
  const std::string key = " --key 'VexКлючик'";
  const auto lfLibrary = folder.Write("lf.txt", "abc\r\ndef\nghi\r\n");
  RunResult run = RunCli("textlib decipher " + Quoted(lfLibrary) + key, true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("строка 2"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("CR LF"), std::string::npos) << run.output;

  const auto controlLibrary = folder.Write("control.txt", "abc\x01\r\n");
  run = RunCli("textlib decipher " + Quoted(controlLibrary) + key, true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("алфавит"), std::string::npos) << run.output;

  const auto foreignText = folder.Write("foreign.txt", "Солнце\n日\n");
  run = RunCli("textlib encipher " + Quoted(foreignText) + key, true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("строка 2"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("U+65E5"), std::string::npos) << run.output;
}

TEST(TextlibCommand, ReportsMistakesOfTheCommandLine) {
  testing::TemporaryFolder folder;
  const auto file = folder.Write("a.txt", "a\r\n");
  EXPECT_EQ(RunCli("textlib decipher " + Quoted(file)).status, 2);  // no key
  EXPECT_EQ(RunCli("textlib decipher " + Quoted(file) + " --key ''").status, 2);
  EXPECT_EQ(RunCli("textlib decipher --key k").status, 2);  // no file
  EXPECT_EQ(RunCli("textlib frobnicate " + Quoted(file) + " --key k").status, 2);
  EXPECT_EQ(RunCli("textlib").status, 2);
  const RunResult missing =
      RunCli("textlib decipher " + Quoted(folder.path() / "none.txt") + " --key k", true);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("Не удаётся открыть файл"), std::string::npos) << missing.output;
}

}  // namespace
}  // namespace velora

namespace {

TEST(TextlibCommand, RefusesInputThatIsNoRegularFile) {
  const auto zero = velora::testing::RunCli("textlib decipher /dev/zero --key abc", true);
  EXPECT_EQ(zero.status, 1);
  EXPECT_NE(zero.output.find("/dev/zero"), std::string::npos) << zero.output;
}

TEST(CommandLine, TextOptionsMustBeUtf8) {
  const auto run = velora::testing::RunCli(
      "chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --houses \"$(printf '\\377')\"",
      true);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("--houses: значение не в кодировке UTF-8"), std::string::npos)
      << run.output;
  const auto name = velora::testing::RunCli(
      "interpret --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45 --name "
      "\"$(printf '\\320\\050')\"",
      true);
  EXPECT_EQ(name.status, 2);
  EXPECT_NE(name.output.find("--name: значение не в кодировке UTF-8"), std::string::npos)
      << name.output;
  EXPECT_EQ(name.output.find("Описание"), std::string::npos);
}

}  // namespace
