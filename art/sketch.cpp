#include "art/sketch.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace tanvorel {

namespace {

// Glyph outlines are taken at this size and scaled, so any fractional size
// gets the same shapes.
constexpr double kGlyphSize = 64.0;

QFont AtGlyphSize(QFont font) {
  font.setPixelSize(static_cast<int>(kGlyphSize));
  return font;
}

}  // namespace

void Sketch::draw(const QPainterPath& path, const QBrush& brush, const QPen& pen) {
  Item item{Kind::Draw, transform_.map(path), brush, pen};
  if (!transform_.isIdentity()) {
    if (brush.style() != Qt::NoBrush) item.brush.setTransform(brush.transform() * transform_);
    if (pen.style() != Qt::NoPen) {
      const double scale = std::sqrt(std::abs(transform_.determinant()));
      item.pen.setWidthF(pen.widthF() * scale);
      QBrush penBrush = pen.brush();
      penBrush.setTransform(penBrush.transform() * transform_);
      item.pen.setBrush(penBrush);
    }
  }
  items_.push_back(std::move(item));
}

void Sketch::append(const Sketch& other, const QTransform& placement) {
  const QTransform t = placement * transform_;
  const double scale = std::sqrt(std::abs(t.determinant()));
  for (const Item& item : other.items_) {
    Item copy = item;
    copy.path = t.map(item.path);
    if (item.kind == Kind::Draw) {
      if (item.brush.style() != Qt::NoBrush) copy.brush.setTransform(item.brush.transform() * t);
      if (item.pen.style() != Qt::NoPen) {
        copy.pen.setWidthF(item.pen.widthF() * scale);
        QBrush penBrush = item.pen.brush();
        penBrush.setTransform(penBrush.transform() * t);
        copy.pen.setBrush(penBrush);
      }
    }
    items_.push_back(std::move(copy));
  }
}

void Sketch::clip(const QPainterPath& path) { items_.push_back({Kind::Clip, transform_.map(path), {}, {}}); }
void Sketch::unclip() { items_.push_back({Kind::Unclip, {}, {}, {}}); }

void Sketch::restore() {
  if (stack_.empty()) return;
  transform_ = stack_.back();
  stack_.pop_back();
}

double Sketch::TextWidth(const QString& text, const QFont& font, double pixelSize) {
  return QFontMetricsF(AtGlyphSize(font)).horizontalAdvance(text) * pixelSize / kGlyphSize;
}

QPainterPath Sketch::TextPath(const QString& text, const QFont& font, double pixelSize, QPointF origin) {
  QPainterPath glyphs;
  glyphs.addText(QPointF(0, 0), AtGlyphSize(font), text);
  const double k = pixelSize / kGlyphSize;
  QTransform t;
  t.translate(origin.x(), origin.y());
  t.scale(k, k);
  return t.map(glyphs);
}

QRectF Sketch::text(const QString& text, const QFont& font, double pixelSize, const QRectF& box,
                    Qt::Alignment align, const QBrush& brush, const QPen& outline, bool mayWrap) {
  const QFontMetricsF metrics(AtGlyphSize(font));
  const double capHeight = metrics.capHeight() / kGlyphSize;  // per pixel of size
  const double lineGap = 1.18;                                // line pitch in sizes

  auto widest = [&](const QStringList& lines, double size) {
    double w = 0;
    for (const QString& l : lines) w = std::max(w, TextWidth(l, font, size));
    return w;
  };
  auto height = [&](int lineCount, double size) { return size * (capHeight + (lineCount - 1) * lineGap); };

  QStringList lines{text};
  double size = pixelSize;
  if (widest(lines, size) > box.width() && mayWrap && text.contains(' ')) {
    // Break at the space that best balances the two lines.
    int best = -1;
    double bestWidth = 1e9;
    for (int i = text.indexOf(' '); i >= 0; i = text.indexOf(' ', i + 1)) {
      const double w = std::max(TextWidth(text.left(i), font, size), TextWidth(text.mid(i + 1), font, size));
      if (w < bestWidth) bestWidth = w, best = i;
    }
    lines = QStringList{text.left(best), text.mid(best + 1)};
  }
  while (size > 1 && (widest(lines, size) > box.width() || height(static_cast<int>(lines.size()), size) > box.height()))
    size *= 0.95;

  const double total = height(static_cast<int>(lines.size()), size);
  double top = box.top();
  if (align & Qt::AlignVCenter) top = box.center().y() - total / 2;
  else if (align & Qt::AlignBottom) top = box.bottom() - total;

  QPainterPath all;
  for (int i = 0; i < lines.size(); ++i) {
    const double w = TextWidth(lines[i], font, size);
    double x = box.left();
    if (align & Qt::AlignHCenter) x = box.center().x() - w / 2;
    else if (align & Qt::AlignRight) x = box.right() - w;
    const double baseline = top + size * (capHeight + i * lineGap);
    all.addPath(TextPath(lines[i], font, size, QPointF(x, baseline)));
  }
  if (outline.style() != Qt::NoPen) stroke(all, outline);
  fill(all, brush);
  return transform_.mapRect(all.boundingRect());
}

namespace {
// Drawing a path makes Qt keep a converted copy of it inside the path, about
// four times the size of the path itself. Pictures are played rarely (their
// rasters are cached), so each path is drawn from a private copy whose
// conversion goes when the copy does.
void DrawUncached(QPainter& painter, const QPainterPath& path) {
  if (path.elementCount() == 0) return painter.drawPath(path);
  QPainterPath copy = path;
  const QPainterPath::Element first = copy.elementAt(0);
  copy.setElementPositionAt(0, first.x, first.y);  // detaches the copy
  painter.drawPath(copy);
}
}  // namespace

void Sketch::play(QPainter& painter) const {
  int clips = 0;
  painter.save();
  for (const Item& item : items_) {
    switch (item.kind) {
      case Kind::Draw:
        painter.setPen(item.pen);
        painter.setBrush(item.brush);
        DrawUncached(painter, item.path);
        break;
      case Kind::Clip:
        painter.save();
        ++clips;
        painter.setClipPath(item.path, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        break;
      case Kind::Unclip:
        if (clips > 0) {
          painter.restore();
          --clips;
        }
        break;
    }
  }
  while (clips-- > 0) painter.restore();
  painter.restore();
}

std::size_t Sketch::bytes() const {
  std::size_t total = sizeof(*this) + items_.capacity() * sizeof(Item);
  for (const Item& item : items_) {
    total += static_cast<std::size_t>(item.path.elementCount()) * sizeof(QPainterPath::Element) + 64;
    if (item.brush.gradient()) total += 128;
  }
  return total;
}

}  // namespace tanvorel
