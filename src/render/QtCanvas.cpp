#include "render/QtCanvas.h"

#include <QBuffer>
#include <QByteArray>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "common/FileBytes.h"
#include "common/UserError.h"

namespace velora {
namespace {

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

QFont PictureFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

std::string LowerCaseExtension(const std::string& filePath) {
  const std::size_t dot = filePath.find_last_of('.');
  if (dot == std::string::npos) return {};
  std::string extension = filePath.substr(dot + 1);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

}  // namespace

QtCanvas::QtCanvas(int widthPixels, int heightPixels)
    : image_(widthPixels, heightPixels, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void QtCanvas::DrawLine(PixelPoint from, PixelPoint to) {
  QPainter painter(&image_);
  painter.setPen(QPen(ToQColor(penColour_), 0));
  painter.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::FillEllipse(PixelPoint topLeft, PixelPoint bottomRight) {
  QPainter painter(&image_);
  painter.setPen(QPen(ToQColor(penColour_), 0));
  painter.setBrush(Qt::white);
  // The outline runs through the box's corners (width, not width + 1, as QRect's inclusive
  // corner form would give), so a circle about the wheel centre stays centred on the spokes.
  painter.drawEllipse(
      QRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
}

void QtCanvas::PaintImage(PixelPoint topLeft, const QImage& image) {
  QPainter painter(&image_);
  painter.drawImage(topLeft.x, topLeft.y, image);
}

void QtCanvas::FillRectangle(PixelPoint topLeft, PixelPoint bottomRight) {
  QPainter painter(&image_);
  painter.fillRect(topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y,
                   Qt::white);
}

void QtCanvas::DrawText(PixelPoint topLeft, std::string_view utf8) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setFont(PictureFont());
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFontMetrics metrics(painter.font());
  painter.setPen(Qt::black);
  painter.drawText(topLeft.x, topLeft.y + metrics.ascent(), text);
}

void QtCanvas::DrawPicture(PixelPoint topLeft, const GlyphPicture& picture) {
  if (picture.widthPixels <= 0 || picture.heightPixels <= 0) return;
  QPainter painter(&image_);
  painter.drawImage(topLeft.x, topLeft.y, ToQImage(picture));
}

void QtCanvas::Save(const std::string& filePath) const {
  const std::string extension = LowerCaseExtension(filePath);
  const char* format = extension == "png" ? "PNG" : extension == "bmp" ? "BMP" : nullptr;
  if (format == nullptr) {
    throw UserError("Рисунок сохраняется только как .png или .bmp: «" + filePath + "»");
  }
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  if (!image_.save(&buffer, format)) {
    throw UserError("Не удалось записать рисунок в файл «" + filePath + "»");
  }
  // Never in place: the picture replaces the old file whole or not at all.
  WriteFileAtomically(
      filePath, std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

QImage ToQImage(const GlyphPicture& picture) {
  QImage image(picture.widthPixels, picture.heightPixels, QImage::Format_ARGB32);
  for (int y = 0; y < picture.heightPixels; ++y) {
    for (int x = 0; x < picture.widthPixels; ++x) image.setPixel(x, y, picture.pixelAt(x, y));
  }
  return image;
}

}  // namespace velora
