#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <filesystem>
#include <string>

#include "canvas/GlyphPictures.h"
#include "common/UserError.h"
#include "render/QtCanvas.h"
#include "wheel/ClearPicture.h"
#include "wheel/ZodiacWheel.h"
#include "workspace/Workspace.h"

namespace velora {
namespace {

class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::instance() == nullptr) {
      static int argumentCount = 1;
      static char programName[] = "velora_render_tests";
      static char* argumentValues[] = {programName, nullptr};
      static QGuiApplication application(argumentCount, argumentValues);
    }
  }

  static bool IsColour(QRgb pixel, Rgb colour) {
    return qRed(pixel) == colour.red && qGreen(pixel) == colour.green &&
           qBlue(pixel) == colour.blue;
  }

  // Whether any pixel within one pixel of (x, y) has the colour.
  static bool NearColour(const QImage& image, int x, int y, Rgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (IsColour(image.pixel(x + dx, y + dy), colour)) return true;
      }
    }
    return false;
  }

  std::filesystem::path TempFile(const std::string& name) const {
    return std::filesystem::temp_directory_path() /
           ("velora-render-" + std::to_string(::getpid()) + "-" + name);
  }
};

GlyphPicture Square(int sidePixels) {
  GlyphPicture picture;
  picture.name = "square";
  picture.widthPixels = sidePixels;
  picture.heightPixels = sidePixels;
  for (int y = 0; y < sidePixels; ++y) {
    for (int x = 0; x < sidePixels; ++x) {
      const bool border = x == 0 || y == 0 || x == sidePixels - 1 || y == sidePixels - 1;
      picture.argbPixels.push_back(border ? 0xFF000000u : 0x00FFFFFFu);
    }
  }
  return picture;
}

TEST_F(QtCanvasTest, WheelOnTheMainPictureSize) {
  Workspace workspace;
  QtCanvas canvas(529, 345);
  ClearPicture(canvas);
  DrawWheel(workspace, canvas);
  const QImage& image = canvas.image();
  ASSERT_EQ(image.width(), 529);
  ASSERT_EQ(image.height(), 345);
  // The outer circle (radius 138 about (176, 172)) at 15°, away from every spoke.
  const double angle = 15 / 57.29578;
  const int x = 176 - static_cast<int>(138 * std::cos(angle));
  const int y = 172 - static_cast<int>(138 * std::sin(angle));
  EXPECT_TRUE(NearColour(image, x, y, colours::kBlack));
  // The Aries boundary runs red along the centre row from the inner to the outer circle.
  EXPECT_TRUE(IsColour(image.pixel(80, 172), colours::kRed));
  // Inside the innermost circle and beyond the outer one the picture stays white.
  EXPECT_TRUE(IsColour(image.pixel(176, 172), colours::kWhite));
  EXPECT_TRUE(IsColour(image.pixel(500, 300), colours::kWhite));
}

TEST_F(QtCanvasTest, EllipseStaysInsideItsBox) {
  QtCanvas canvas(100, 100);
  canvas.FillEllipse({40, 40}, {60, 60});
  int left = 100, right = -1, top = 100, bottom = -1;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (canvas.image().pixel(x, y) == qRgb(255, 255, 255)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_EQ(left, 40);
  EXPECT_EQ(right, 60);
  EXPECT_EQ(top, 40);
  EXPECT_EQ(bottom, 60);
}

TEST_F(QtCanvasTest, PictureWhiteIsTransparentAndTextIsBlack) {
  QtCanvas canvas(100, 60);
  canvas.SetPenColour(colours::kRed);
  canvas.DrawLine({0, 5}, {99, 5});
  canvas.DrawPicture({2, 2}, Square(8));
  EXPECT_TRUE(IsColour(canvas.image().pixel(2, 2), colours::kBlack));
  EXPECT_TRUE(IsColour(canvas.image().pixel(5, 5), colours::kRed));  // seen through the white
  canvas.DrawText({10, 30}, "Асц 123.4");
  int black = 0;
  for (int y = 30; y < 45; ++y) {
    for (int x = 10; x < 80; ++x) black += qGray(canvas.image().pixel(x, y)) < 100 ? 1 : 0;
  }
  EXPECT_GT(black, 20);
}

TEST_F(QtCanvasTest, SavesPngAndBmpThatLoadBack) {
  QtCanvas canvas(529, 345);
  Workspace workspace;
  DrawWheel(workspace, canvas);
  for (const char* extension : {"png", "BMP"}) {
    const std::filesystem::path file = TempFile(std::string("wheel.") + extension);
    canvas.Save(file.string());
    const QImage loaded(QString::fromStdString(file.string()));
    EXPECT_EQ(loaded.size(), QSize(529, 345)) << extension;
    EXPECT_EQ(loaded.pixel(80, 172) & 0xFFFFFFu, canvas.image().pixel(80, 172) & 0xFFFFFFu);
    std::filesystem::remove(file);
  }
  EXPECT_THROW(canvas.Save(TempFile("wheel.gif").string()), UserError);
}

TEST_F(QtCanvasTest, BundledGlyphsDrawBlackOnTheWheel) {
  Workspace workspace;
  workspace.resources.glyphs = LoadGlyphBitmaps(std::filesystem::path(VELORA_SOURCE_DIR) / "data");
  QtCanvas canvas(529, 345);
  DrawWheel(workspace, canvas);
  // Aries' picture has its top-left corner at (46, 199); some of it is dark.
  int dark = 0;
  const GlyphPicture& aries = workspace.resources.glyphs.signs[1];
  for (int y = 0; y < aries.heightPixels; ++y) {
    for (int x = 0; x < aries.widthPixels; ++x) {
      dark += qGray(canvas.image().pixel(46 + x, 199 + y)) < 100 ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 5);
}

}  // namespace
}  // namespace velora
