#pragma once

#include <QDir>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

namespace velora::testing {

// A data folder of its own for one test: Dann with the bundled glyph pictures, reference texts
// and radix text library, so that nothing the test writes lands in the source tree.
inline bool FillDataFolder(const QTemporaryDir& folder) {
  const QDir bundled(QStringLiteral(VELORA_SOURCE_DIR "/data/Dann"));
  QDir target(folder.path());
  if (!target.mkpath("Dann")) return false;
  const QStringList files = bundled.entryList({"*.bmp", "Times.TXT", "Gorod.TXT"}, QDir::Files);
  for (const QString& file : files) {
    if (!QFile::copy(bundled.filePath(file), target.filePath("Dann/" + file))) return false;
  }
  if (files.size() < 28) return false;
  // The radix text library, for the interpretation.
  std::error_code error;
  std::filesystem::copy(VELORA_SOURCE_DIR "/data/Dann/Radix",
                        target.filePath("Dann/Radix").toStdString(),
                        std::filesystem::copy_options::recursive, error);
  return !error;
}

// Whether an image has more than `count` pixels that are not white.
inline bool HasDrawing(const QImage& image, int count) {
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255) && ++drawn > count) return true;
    }
  }
  return false;
}

}  // namespace velora::testing
