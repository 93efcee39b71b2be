#include <gtest/gtest.h>

#include "app/ChartDatabaseCommands.h"
#include "app/DataDirectory.h"
#include "app/LocalClock.h"
#include "app/OutputFiles.h"
#include "app/RichText.h"
#include "common/FileBytes.h"
#include "common/TemporaryFolder.h"
#include "common/UserError.h"

namespace velora {
namespace {

TEST(OutputFilesTest, ProposedNameFollowsTheVisibleView) {
  MainViewState view;
  view.textVisible = true;
  EXPECT_EQ(ProposeSaveName(view).fileName, "Shriebe.rtf");
  EXPECT_EQ(ProposeSaveName(view).filterIndex, 1);
  view.pictureVisible = true;
  EXPECT_EQ(ProposeSaveName(view).fileName, "Karta.bmp");
  EXPECT_EQ(ProposeSaveName(view).filterIndex, 2);
}

TEST(OutputFilesTest, ExtensionIsAppendedOnlyWhenMissing) {
  EXPECT_EQ(SaveTargetsFor("Chart1", false, true).pictureFile->string(), "Chart1.bmp");
  EXPECT_EQ(SaveTargetsFor("Karta.bmp", false, true).pictureFile->string(), "Karta.bmp");
  EXPECT_EQ(SaveTargetsFor("Karta.BMP", false, true).pictureFile->string(), "Karta.BMP");
  EXPECT_FALSE(SaveTargetsFor("Karta.bmp", false, true).richTextFile);
  EXPECT_EQ(SaveTargetsFor("Shriebe.rtf", true, false).richTextFile->string(), "Shriebe.rtf");
  const SaveTargets both = SaveTargetsFor("out.bmp", true, true);
  EXPECT_EQ(both.richTextFile->string(), "out.rtf");
  EXPECT_EQ(both.pictureFile->string(), "out.bmp");
}

TEST(OutputFilesTest, RichTextReadsBack) {
  testing::TemporaryFolder folder;
  const std::vector<std::string> lines = {"Описание карты", "  Солн  12.3"};
  SaveTextAsRichText(lines, folder.path() / "a.rtf");
  EXPECT_EQ(LinesFromRichText(ReadFileBytes(folder.path() / "a.rtf")), lines);
}

TEST(OutputFilesTest, ReferenceTextIsDecodedOrReportedByName) {
  testing::TemporaryFolder folder;
  folder.Write("Dann/Times.TXT", "\xc2\xf0\xe5\xec\xff\r\nUTC+3\r\n");
  MainViewState view;
  Workspace workspace;
  workspace.resources.dataDirectory = folder.path();
  ShowReferenceText(workspace, view, "Times.TXT");
  EXPECT_EQ(view.textLines, (std::vector<std::string>{"Время", "UTC+3"}));
  EXPECT_TRUE(view.textVisible);
  view.textVisible = false;
  try {
    ShowReferenceText(workspace, view, "Gorod.TXT");
    FAIL();
  } catch (const UserError& error) {
    EXPECT_NE(std::string(error.what()).find("Gorod.TXT"), std::string::npos);
  }
  EXPECT_EQ(view.textLines.front(), "Время");
  EXPECT_FALSE(view.textVisible);
}

TEST(OutputFilesTest, HelpPageIsLookedUpInTheCurrentFolderFirst) {
  testing::TemporaryFolder current;
  testing::TemporaryFolder data;
  data.Write("Dann/Help/Help.htm", "<html></html>");
  EXPECT_EQ(FindHelpPage(current.path(), data.path()), data.path() / "Dann/Help/Help.htm");
  current.Write("Dann/Help/Help.htm", "<html></html>");
  EXPECT_EQ(FindHelpPage(current.path(), data.path()), current.path() / "Dann/Help/Help.htm");
}

TEST(OutputFilesTest, ActivationFileIsTheOnlyOneDeleted) {
  testing::TemporaryFolder folder;
  folder.Write(kActivationFileName, "x");
  folder.Write("user.txt", "keep");
  DeleteActivationFile(folder.path());
  DeleteActivationFile(folder.path());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / kActivationFileName));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "user.txt"));
}

TEST(DataDirectoryTest, GivenFolderThenCurrentThenProgramFolder) {
  testing::TemporaryFolder current;
  testing::TemporaryFolder program;
  std::filesystem::create_directories(program.path() / "Dann");
  EXPECT_EQ(ResolveDataDirectory(std::filesystem::path("/x"), current.path(), program.path()),
            "/x");
  EXPECT_EQ(ResolveDataDirectory(std::nullopt, current.path(), program.path()), program.path());
  std::filesystem::create_directories(current.path() / "Dann");
  EXPECT_EQ(ResolveDataDirectory(std::nullopt, current.path(), program.path()), current.path());
}

TEST(LocalClockTest, NowIntoFormNamesTheChart) {
  ChartForm form;
  ReadNowIntoForm(form, {2009, 12, 31, 23, 59}, kFirstChartNowName);
  EXPECT_EQ(form.year(), 2009);
  EXPECT_EQ(form.monthIndex(), 11);
  EXPECT_EQ(form.day(), 31);
  EXPECT_EQ(form.hour(), 23);
  EXPECT_EQ(form.minute(), 59);
  EXPECT_EQ(form.name, "Сейчас ");
  EXPECT_EQ(kSecondChartNowName, "Сейчас  ");
}

TEST(ChartDatabaseCommandsTest, SaveAppendsTheRecordAndCreatesTheFile) {
  testing::TemporaryFolder folder;
  ChartDatabase database(folder.path() / "Basa.TXT");
  ChartForm form;
  form.name = "Новый клиент";
  form.latitudeText = "-33.55";
  const auto notice = SaveChartToDatabase(database, form);
  EXPECT_TRUE(notice.has_value());
  ASSERT_EQ(database.lines().size(), 1u);
  EXPECT_EQ(database.lines()[0], "М ; 15. 0.1980 12:30 -33.55 92.45 Новый клиент");
}

TEST(ChartDatabaseCommandsTest, FailedWriteTakesTheRecordOffTheList) {
  testing::TemporaryFolder folder;
  // A folder where the file should be: the rename over it fails.
  std::filesystem::create_directories(folder.path() / "Basa.TXT" / "inside");
  ChartDatabase database(folder.path() / "Basa.TXT");
  ChartForm form;
  EXPECT_THROW(SaveChartToDatabase(database, form), UserError);
  EXPECT_TRUE(database.lines().empty());
}

}  // namespace
}  // namespace velora
