// Draws the program's three pictures and writes them into the folder named on the command line,
// each twice: at its size, and at twice the resolution (name@2x) for high-resolution screens.
// The pictures are committed; run this again only to change how they look.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const QColor kDeepBlue(0x0b, 0x2f, 0x7a);
const QColor kBlue(0x1d, 0x5f, 0xd1);
const QColor kBrightBlue(0x4a, 0x9b, 0xff);

// A picture of the given size with `scale` pixels to each of its own: a painter on it draws in
// the picture's own units, so each picture is drawn from the same shapes at every resolution.
QImage BlankImage(QSize size, qreal scale, QImage::Format format, const QColor& background) {
  QImage image(size * scale, format);
  image.setDevicePixelRatio(scale);
  image.fill(background);
  return image;
}

QPainterPath TextOutline(const QString& text, QFont::Weight weight) {
  QFont font("DejaVu Sans");
  font.setPixelSize(100);
  font.setWeight(weight);
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

// Scales and moves a path so its ink fills the box; the aspect ratio is kept unless told not to.
QPainterPath FittedInto(const QPainterPath& path, const QRectF& box, bool keepAspect = true) {
  const QRectF ink = path.boundingRect();
  qreal scaleX = box.width() / ink.width();
  qreal scaleY = box.height() / ink.height();
  if (keepAspect) {
    scaleX = scaleY = std::min(scaleX, scaleY);
  }
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(scaleX, scaleY);
  transform.translate(-ink.center().x(), -ink.center().y());
  return transform.map(path);
}

// The normal density, scaled so the peak touches the top of the box and the tails its bottom.
QPainterPath BellCurve(const QRectF& box, qreal halfWidthInSigmas) {
  QPainterPath curve;
  const int steps = 64;
  for (int step = 0; step <= steps; ++step) {
    const qreal x = -halfWidthInSigmas + 2 * halfWidthInSigmas * step / steps;
    const qreal height = std::exp(-x * x / 2);
    const QPointF point(box.left() + box.width() * step / steps,
                        box.bottom() - box.height() * height);
    if (step == 0) {
      curve.moveTo(point);
    } else {
      curve.lineTo(point);
    }
  }
  return curve;
}

QPainterPath AreaUnder(const QPainterPath& curve, qreal baseline) {
  QPainterPath area = curve;
  area.lineTo(curve.currentPosition().x(), baseline);
  area.lineTo(curve.elementAt(0).x, baseline);
  area.closeSubpath();
  return area;
}

QLinearGradient VerticalGradient(const QRectF& box, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(box.topLeft(), box.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

// White on the blue tiles of both the icon and the title's mark; the box's bottom is the baseline.
void DrawBellCurve(QPainter& painter, const QRectF& box, qreal penWidth) {
  const QPainterPath curve = BellCurve(box, 2.7);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 70));
  painter.drawPath(AreaUnder(curve, box.bottom()));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(curve);
}

// A row of dice pips, centred on the given line.
void DrawDots(QPainter& painter, qreal centreX, qreal y, int count, qreal spacing, qreal radius) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  const qreal firstX = centreX - spacing * (count - 1) / 2;
  for (int dot = 0; dot < count; ++dot) {
    painter.drawEllipse(QPointF(firstX + dot * spacing, y), radius, radius);
  }
}

// The mark left of the name repeats the icon so the two read as one brand.
void DrawTitleMark(QPainter& painter, const QRectF& tile) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(VerticalGradient(tile, kBrightBlue, kDeepBlue));
  painter.drawRoundedRect(tile, 5, 5);
  DrawBellCurve(painter, tile.adjusted(3, 4, -3, -5), 1.6);
  DrawDots(painter, tile.center().x(), tile.bottom() - 2.5, 3, tile.width() / 4, 1.2);
}

// The generator window lays the author credit over the bottom of the title picture, from row
// 19 down, so all ink stays in the top 18 rows; the mark and the name are centred as one.
QImage TitlePicture(qreal scale) {
  const QSize size(274, 26);
  QImage image = BlankImage(size, scale, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  constexpr qreal kInkHeight = 17;
  constexpr qreal kGap = 5;
  const QPainterPath fitted =
      FittedInto(TextOutline("Sortivale", QFont::Black), QRectF(0, 0.5, 236, kInkHeight));
  const qreal nameWidth = fitted.boundingRect().width();
  const qreal left = (size.width() - (kInkHeight + kGap + nameWidth)) / 2;
  DrawTitleMark(painter, QRectF(left, 0.5, kInkHeight, kInkHeight));

  const QPainterPath name =
      fitted.translated(left + kInkHeight + kGap - fitted.boundingRect().left(), 0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0x40, 60));
  painter.drawPath(name.translated(1, 1));
  painter.setBrush(VerticalGradient(name.boundingRect(), kBrightBlue, kDeepBlue));
  painter.setPen(QPen(kDeepBlue, 0.7));
  painter.drawPath(name);
  return image;
}

void DrawIconTile(QPainter& painter, const QRectF& tile) {
  QLinearGradient face = VerticalGradient(tile, kBrightBlue, kDeepBlue);
  face.setColorAt(0.45, kBlue);
  painter.setPen(QPen(kDeepBlue.darker(130), 1.5));
  painter.setBrush(face);
  painter.drawRoundedRect(tile, 12, 12);

  // A highlight fading out towards the middle makes the tile read as a raised face.
  painter.setPen(Qt::NoPen);
  painter.setBrush(VerticalGradient(tile.adjusted(0, 0, 0, -tile.height() / 2),
                                    QColor(255, 255, 255, 80), QColor(255, 255, 255, 0)));
  painter.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 10, 10);
}

QImage IconPicture(qreal scale) {
  QImage image =
      BlankImage(QSize(64, 64), scale, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF tile(2.5, 2.5, 59, 59);
  DrawIconTile(painter, tile);

  DrawBellCurve(painter, QRectF(9, 12, 46, 32), 3);
  DrawDots(painter, tile.center().x(), 52, 5, 9, 2.6);
  return image;
}

QImage QuestionPicture(qreal scale) {
  QImage image = BlankImage(QSize(20, 39), scale, QImage::Format_RGB32, Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath mark =
      FittedInto(TextOutline("?", QFont::Bold), QRectF(2.5, 3, 15, 33), false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(VerticalGradient(mark.boundingRect(), kBlue, kDeepBlue));
  painter.drawPath(mark);
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name, int quality) {
  const QString path = folder.filePath(name);
  if (image.save(path, nullptr, quality)) {
    return true;
  }
  QTextStream(stderr) << "make_pictures: cannot write " << path << "\n";
  return false;
}

// Writes `base.suffix`, and `base@2x.suffix` drawn at twice the resolution: the name under
// which the program looks for it on high-resolution screens.
bool SaveBothResolutions(QImage (*draw)(qreal scale), const QDir& folder, const QString& base,
                         const QString& suffix, int quality = -1) {
  return Save(draw(1), folder, base + suffix, quality) &&
         Save(draw(2), folder, base + "@2x" + suffix, quality);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc != 2) {
    QTextStream(stderr) << "usage: make_pictures OUTPUT_FOLDER\n";
    return 2;
  }
  // Text is drawn through the platform's font database, which needs an application object.
  QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) {
    QTextStream(stderr) << "make_pictures: cannot create " << folder.path() << "\n";
    return 1;
  }
  // Full quality: at this size any compression noise shows as a tinted background.
  const int jpegQuality = 100;
  const bool saved = SaveBothResolutions(TitlePicture, folder, "Stitle", ".png") &&
                     SaveBothResolutions(IconPicture, folder, "icon2", ".png") &&
                     SaveBothResolutions(QuestionPicture, folder, "Question", ".jpg", jpegQuality);
  return saved ? 0 : 1;
}
