#include <gtest/gtest.h>

#include "aspects/SeparationGrid.h"
#include "canvas/RecordingCanvas.h"

namespace velora {
namespace {

using Kind = DrawnPrimitive::Kind;

TEST(SeparationGrid, CellTextsAreWidthFiveOneDecimal) {
  EXPECT_EQ(SeparationCellText(350, 10), " 20.0");
  EXPECT_EQ(SeparationCellText(10, 190), "180.0");
  EXPECT_EQ(SeparationCellText(77, 77), "  0.0");
}

TEST(SeparationGrid, HalfTableOfOneChart) {
  Workspace workspace;
  RecordingCanvas canvas(600, 520);
  DrawChartGrid(workspace, canvas, ChartSource::kFirstChart);
  const auto cells = canvas.OfKind(Kind::kText);
  ASSERT_EQ(cells.size(), 136u);  // 16 + 15 + ... + 1
  EXPECT_EQ(cells[0].text, "  0.0");
  EXPECT_EQ(cells[0].from, (PixelPoint{37, 45}));   // row 1 at 35 j + 2
  EXPECT_EQ(cells[16].from, (PixelPoint{71, 75}));  // row 2 starts on the diagonal at 35 j + 1
  EXPECT_EQ(cells[16].text, "  0.0");
  EXPECT_EQ(cells.back().from, (PixelPoint{561, 495}));
}

TEST(SeparationGrid, CrossTableHasSecondChartRows) {
  Workspace workspace;
  workspace.forms.second.setYear(2000);
  RecordingCanvas canvas(600, 520);
  DrawCrossGrid(workspace, canvas);
  const auto cells = canvas.OfKind(Kind::kText);
  ASSERT_EQ(cells.size(), 256u);
  EXPECT_EQ(cells[1].from, (PixelPoint{72, 45}));
  EXPECT_EQ(cells[16].from, (PixelPoint{37, 75}));
  EXPECT_EQ(cells[1].text, SeparationCellText(workspace.computed.secondChartItems[1],
                                              workspace.computed.firstChartItems[2]));
}

TEST(SeparationGrid, HeadingsStopPastTheWindowEdge) {
  Workspace workspace;
  RecordingCanvas canvas(120, 100);
  DrawGridHeadings(workspace, canvas);
  const auto pictures = canvas.OfKind(Kind::kPicture);
  // Across: 45, 80, 115, 150 (beyond 120, the last drawn); down: 40, 70, 100, 130.
  ASSERT_EQ(pictures.size(), 8u);
  EXPECT_EQ(pictures[0].from, (PixelPoint{45, 10}));
  EXPECT_EQ(pictures[3].from, (PixelPoint{150, 10}));
  EXPECT_EQ(pictures[4].from, (PixelPoint{10, 40}));
  EXPECT_EQ(pictures[7].from, (PixelPoint{10, 130}));
}

}  // namespace
}  // namespace velora
