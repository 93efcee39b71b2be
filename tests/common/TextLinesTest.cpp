#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TemporaryFolder.h"
#include "common/FileBytes.h"
#include "common/UserError.h"

namespace velora {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTextLines, AcceptsCrLfLfAndLoneCr) {
  EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd", EmptyText::kNoLines), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\r\nb", EmptyText::kNoLines), (Lines{"a", "", "b"}));
}

TEST(SplitTextLines, AddsNoLineForAFinalLineEnd) {
  EXPECT_EQ(SplitTextLines("a\r\nb\r\n", EmptyText::kNoLines), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\r\nb", EmptyText::kNoLines), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\r\n\r\n", EmptyText::kNoLines), (Lines{"a", ""}));
  EXPECT_EQ(SplitTextLines("\r\n", EmptyText::kOneEmptyLine), (Lines{""}));
}

TEST(SplitTextLines, ReadsAnEmptyTextAsAskedFor) {
  EXPECT_EQ(SplitTextLines("", EmptyText::kNoLines), Lines{});
  EXPECT_EQ(SplitTextLines("", EmptyText::kOneEmptyLine), Lines{""});
}

TEST(SplitTextLines, KeepsLongLinesWhole) {
  const std::string line256(256, 'x');
  const std::string line1000(1000, '\xC0');
  EXPECT_EQ(SplitTextLines(line256 + "\r\n" + line1000 + "\r\n", EmptyText::kNoLines),
            (Lines{line256, line1000}));
}

TEST(TextFile, WritesCrLfLinesAndReadsThemBack) {
  testing::TemporaryFolder folder;
  const auto file = folder.path() / "lines.txt";
  const Lines lines = {"\xD1\xEE\xEB\xED\xF6\xE5", "", "  \t", std::string(300, 'z')};
  WriteTextFileLines(file, lines);
  EXPECT_EQ(testing::ReadBytes(file), JoinCrLfLines(lines));
  EXPECT_EQ(testing::ReadBytes(file).substr(0, 11), "\xD1\xEE\xEB\xED\xF6\xE5\r\n\r\n ");
  EXPECT_EQ(ReadTextFileLines(file, EmptyText::kNoLines), lines);
}

TEST(TextFile, ReplacesTheTargetLeavingNoTemporaryFile) {
  testing::TemporaryFolder folder;
  const auto file = folder.Write("data.txt", "old content that is longer\r\n");
  WriteTextFileLines(file, {"new"});
  EXPECT_EQ(testing::ReadBytes(file), "new\r\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(TextFile, WritesNothingWhereTheFolderIsMissing) {
  testing::TemporaryFolder folder;
  const auto file = folder.path() / "no such folder" / "data.txt";
  EXPECT_THROW(WriteTextFileLines(file, {"x"}), UserError);
  EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

TEST(TextFile, NamesAFileThatCannotBeOpened) {
  testing::TemporaryFolder folder;
  const auto file = folder.path() / "Нет такого.txt";
  try {
    ReadTextFileLines(file, EmptyText::kOneEmptyLine);
    FAIL() << "no error";
  } catch (const UserError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Не удаётся открыть файл"), std::string::npos) << message;
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
  }
  EXPECT_THROW(ReadFileBytes(folder.path()), UserError);  // a folder is no file
}

}  // namespace
}  // namespace velora
