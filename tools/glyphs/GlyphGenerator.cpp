// Renders the 28 pictures of the chart wheel (12 signs, 16 bodies) into <dir>/<Name>.bmp.
//
// Every picture is kSize x kSize pixels, a black symbol on a pure white background, written as an
// uncompressed 24-bit BMP. Most symbols are the outlines of DejaVu Sans (found by family name
// through fontconfig); Proserpina and Selena have no standard symbol and are drawn here.
//
// Usage: velora_glyphs OUTPUT_DIR [--preview SHEET.png]

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRawFont>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSize = 16;              // picture width and height, pixels
constexpr double kMargin = 1.0;        // free border around a font symbol, pixels
constexpr int kSupersample = 16;       // rendering resolution per output pixel
constexpr double kExtraWeight = 0.3;   // outline added to font symbols, pixels
constexpr double kStrokeWidth = 1.45;  // pen of the hand-drawn symbols, pixels
const char* const kFontFamily = "DejaVu Sans";

QPen LinePen() {
  return QPen(Qt::black, kStrokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Proserpina: a solid diamond on a cross, in the manner of the planetary symbols; the solid
// diamond keeps it apart from the open circle of Venus at small size.
void DrawProserpina(QPainter& painter) {
  QPainterPath diamond;
  diamond.moveTo(8.0, 1.0);
  diamond.lineTo(12.5, 5.5);
  diamond.lineTo(8.0, 10.0);
  diamond.lineTo(3.5, 5.5);
  diamond.closeSubpath();
  painter.fillPath(diamond, Qt::black);
  QPainterPath cross;
  cross.moveTo(8.0, 9.0);
  cross.lineTo(8.0, 15.0);
  cross.moveTo(4.8, 12.7);
  cross.lineTo(11.2, 12.7);
  painter.strokePath(cross, LinePen());
}

// Selena, the White Moon: a solid crescent holding an open (white) full-moon disc.
void DrawSelena(QPainter& painter) {
  QPainterPath outer;
  outer.addEllipse(QPointF(7.6, 8.0), 7.0, 7.0);
  QPainterPath bite;
  bite.addEllipse(QPointF(10.2, 8.0), 6.3, 6.3);
  painter.fillPath(outer.subtracted(bite), Qt::black);
  QPainterPath disc;
  disc.addEllipse(QPointF(9.6, 8.0), 3.3, 3.3);
  painter.strokePath(disc, LinePen());
}

enum class Style {
  kOutline,  // the font symbol as designed
  kSolid,    // the font symbol with its counters filled (an outlined crescent becomes solid)
  kWide,     // a tall, narrow font symbol widened by a third so its parts stay apart
};

struct Glyph {
  const char* file;
  char32_t symbol;  // 0 when the symbol is drawn by `draw`
  Style style;
  void (*draw)(QPainter&);  // hand-drawn symbols, in a kSize x kSize box
};

const Glyph kGlyphs[] = {
    // Signs, Aries to Pisces.
    {"Owen", U'\u2648', Style::kOutline, nullptr},
    {"Telec", U'\u2649', Style::kOutline, nullptr},
    {"Blizn", U'\u264A', Style::kOutline, nullptr},
    {"Rak", U'\u264B', Style::kOutline, nullptr},
    {"Lew", U'\u264C', Style::kOutline, nullptr},
    {"Dewa", U'\u264D', Style::kOutline, nullptr},
    {"Wesi", U'\u264E', Style::kOutline, nullptr},
    {"Skorp", U'\u264F', Style::kOutline, nullptr},
    {"Strelec", U'\u2650', Style::kOutline, nullptr},
    {"Kozerog", U'\u2651', Style::kOutline, nullptr},
    {"Wodolej", U'\u2652', Style::kOutline, nullptr},
    {"Riba", U'\u2653', Style::kOutline, nullptr},
    // Bodies 1..16.
    {"Sol", U'\u2609', Style::kOutline, nullptr},
    {"Luna", U'\u263D', Style::kSolid, nullptr},
    {"Mercur", U'\u263F', Style::kOutline, nullptr},
    {"Venera", U'\u2640', Style::kOutline, nullptr},
    {"Mars", U'\u2642', Style::kOutline, nullptr},
    {"Jupit", U'\u2643', Style::kOutline, nullptr},
    {"Saturn", U'\u2644', Style::kOutline, nullptr},
    {"Uran", U'\u2645', Style::kOutline, nullptr},
    {"Neptun", U'\u2646', Style::kOutline, nullptr},
    {"Pluton", U'\u2647', Style::kOutline, nullptr},
    {"Hiron", U'\u26B7', Style::kOutline, nullptr},
    {"Proz", 0, Style::kOutline, DrawProserpina},
    {"Rachu", U'\u260A', Style::kOutline, nullptr},
    {"Ketu", U'\u260B', Style::kOutline, nullptr},
    {"Selena", 0, Style::kOutline, DrawSelena},
    {"Lilit", U'\u26B8', Style::kWide, nullptr},
};

[[noreturn]] void Fail(const QString& message) {
  std::fprintf(stderr, "velora_glyphs: %s\n", message.toLocal8Bit().constData());
  std::exit(1);
}

// The font symbol as a filled outline, scaled to fit the picture less its margin and centred.
QPainterPath FontSymbolPath(const QRawFont& font, char32_t symbol, Style style) {
  if (!font.supportsCharacter(symbol)) {
    Fail(QString("%1 has no symbol U+%2").arg(kFontFamily).arg(symbol, 4, 16, QChar('0')));
  }
  const QString text = QString::fromUcs4(&symbol, 1);
  const QList<quint32> indexes = font.glyphIndexesForString(text);
  if (indexes.size() != 1 || indexes.front() == 0)
    Fail("cannot map U+" + QString::number(symbol, 16));
  QPainterPath path = font.pathForGlyph(indexes.front());
  if (style == Style::kSolid) {
    // Keep only the largest contour: the inner ones are the counters.
    QPolygonF largest;
    double largestArea = 0.0;
    for (const QPolygonF& contour : path.toSubpathPolygons()) {
      const QRectF box = contour.boundingRect();
      if (box.width() * box.height() > largestArea) {
        largestArea = box.width() * box.height();
        largest = contour;
      }
    }
    path = QPainterPath();
    path.addPolygon(largest);
  }
  path.setFillRule(Qt::WindingFill);
  const double widen = style == Style::kWide ? 4.0 / 3.0 : 1.0;
  const QRectF bounds = path.boundingRect();
  const double room = kSize - 2 * kMargin;
  const double scale = std::min(room / (bounds.width() * widen), room / bounds.height());
  QTransform fit;
  fit.translate(kSize / 2.0, kSize / 2.0);
  fit.scale(scale * widen, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  return fit.map(path);
}

// Renders the symbol and reduces it to kSize x kSize grey levels (0 black .. 255 white).
QImage RenderGlyph(const QRawFont& font, const Glyph& glyph) {
  QImage fine(kSize * kSupersample, kSize * kSupersample, QImage::Format_Grayscale8);
  fine.fill(Qt::white);
  {
    QPainter painter(&fine);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kSupersample, kSupersample);
    if (glyph.draw == nullptr) {
      const QPainterPath path = FontSymbolPath(font, glyph.symbol, glyph.style);
      painter.fillPath(path, Qt::black);
      painter.strokePath(path,
                         QPen(Qt::black, kExtraWeight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
      glyph.draw(painter);
    }
  }

  // Box-average the fine picture, then keep the symbol crisp: strong coverage becomes black,
  // weak coverage white, and only the edge in between keeps one light grey step.
  QImage coarse(kSize, kSize, QImage::Format_Grayscale8);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      int sum = 0;
      for (int fy = 0; fy < kSupersample; ++fy) {
        const uchar* row = fine.constScanLine(y * kSupersample + fy);
        for (int fx = 0; fx < kSupersample; ++fx) sum += 255 - row[x * kSupersample + fx];
      }
      const double coverage = sum / (255.0 * kSupersample * kSupersample);
      uchar level = 255;
      if (coverage >= 0.5) {
        level = 0;
      } else if (coverage >= 0.25) {
        level = 144;
      }
      coarse.scanLine(y)[x] = level;
    }
  }
  return coarse;
}

void PutLe16(QByteArray& out, std::uint16_t value) {
  out.append(static_cast<char>(value & 0xff));
  out.append(static_cast<char>(value >> 8));
}

void PutLe32(QByteArray& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.append(static_cast<char>((value >> shift) & 0xff));
}

// A plain Windows bitmap: BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bits, BI_RGB, bottom-up rows
// padded to four bytes.
QByteArray EncodeBmp(const QImage& grey) {
  const int rowBytes = (grey.width() * 3 + 3) & ~3;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * grey.height());
  QByteArray out;
  out.append("BM");
  PutLe32(out, 54 + pixelBytes);  // file size
  PutLe32(out, 0);                // reserved
  PutLe32(out, 54);               // offset of the pixels
  PutLe32(out, 40);               // BITMAPINFOHEADER
  PutLe32(out, static_cast<std::uint32_t>(grey.width()));
  PutLe32(out, static_cast<std::uint32_t>(grey.height()));
  PutLe16(out, 1);   // planes
  PutLe16(out, 24);  // bits per pixel
  PutLe32(out, 0);   // BI_RGB
  PutLe32(out, pixelBytes);
  PutLe32(out, 2835);  // 72 dpi
  PutLe32(out, 2835);
  PutLe32(out, 0);  // colours used
  PutLe32(out, 0);  // important colours
  for (int y = grey.height() - 1; y >= 0; --y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = 0; x < grey.width(); ++x) {
      for (int channel = 0; channel < 3; ++channel) out.append(static_cast<char>(row[x]));
    }
    for (int pad = grey.width() * 3; pad < rowBytes; ++pad) out.append('\0');
  }
  return out;
}

// A labelled contact sheet: each picture at its real size and magnified 8 times.
void WritePreview(const std::vector<QImage>& pictures, const QString& path) {
  constexpr int kZoom = 8;
  constexpr int kColumns = 7;
  constexpr int kCell = kSize * kZoom + 24;
  const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kCell, rows * (kCell + 30) + 40, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.setFont(QFont(kFontFamily, 9));
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int column = static_cast<int>(i) % kColumns;
    const int row = static_cast<int>(i) / kColumns;
    const int left = column * kCell + 8;
    const int top = row * (kCell + 30) + 8;
    painter.setPen(Qt::black);
    painter.drawText(left, top + 10, kGlyphs[i].file);
    painter.drawImage(left + kSize * kZoom - kSize, top, pictures[i]);
    painter.drawImage(QRect(left, top + 18, kSize * kZoom, kSize * kZoom), pictures[i]);
    painter.setPen(QColor(220, 220, 220));
    painter.drawRect(left - 1, top + 17, kSize * kZoom + 1, kSize * kZoom + 1);
    // The real-size strip along the bottom, as the pictures sit side by side in a listing.
    painter.drawImage(8 + static_cast<int>(i) * (kSize + 4), sheet.height() - 28, pictures[i]);
  }
  painter.end();
  if (!sheet.save(path)) Fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  // The generator never opens a window: render off screen unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QString outputDir;
  QString previewPath;
  const QStringList args = QGuiApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--preview" && i + 1 < args.size()) {
      previewPath = args[++i];
    } else if (outputDir.isEmpty() && !args[i].startsWith("--")) {
      outputDir = args[i];
    } else {
      Fail("usage: velora_glyphs OUTPUT_DIR [--preview SHEET.png]");
    }
  }
  if (outputDir.isEmpty()) Fail("usage: velora_glyphs OUTPUT_DIR [--preview SHEET.png]");
  if (!QDir().mkpath(outputDir)) Fail("cannot create " + outputDir);

  QFont requested(kFontFamily);
  requested.setPixelSize(256);
  requested.setStyleStrategy(QFont::NoFontMerging);
  const QRawFont font = QRawFont::fromFont(requested);
  if (!font.isValid() || font.familyName() != kFontFamily) {
    Fail(QString("font %1 not found (package fonts-dejavu-core)").arg(kFontFamily));
  }

  std::vector<QImage> pictures;
  for (const Glyph& glyph : kGlyphs) {
    pictures.push_back(RenderGlyph(font, glyph));
    const QString path = QDir(outputDir).filePath(QString(glyph.file) + ".bmp");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeBmp(pictures.back())) < 0) {
      Fail("cannot write " + path);
    }
  }
  if (!previewPath.isEmpty()) WritePreview(pictures, previewPath);
  std::printf("velora_glyphs: %zu pictures in %s\n", pictures.size(),
              QDir(outputDir).absolutePath().toLocal8Bit().constData());
  return 0;
}
