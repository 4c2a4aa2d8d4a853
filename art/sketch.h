#pragma once
// A picture as vector data: an ordered list of filled and outlined paths, with
// text already turned into glyph outlines. Recorded once, played any number of
// times onto any painter at any scale.

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>
#include <vector>

class QPainter;

namespace tanvorel {

class Sketch {
 public:
  // Draws `path` filled with `brush` and outlined with `pen`; either may be
  // empty (Qt::NoBrush, Qt::NoPen). Coordinates go through the current
  // transform, and so do pen widths and gradients.
  void draw(const QPainterPath& path, const QBrush& brush, const QPen& pen = Qt::NoPen);
  void fill(const QPainterPath& path, const QBrush& brush) { draw(path, brush, Qt::NoPen); }
  void stroke(const QPainterPath& path, const QPen& pen) { draw(path, Qt::NoBrush, pen); }

  // Limits what follows, up to the matching unclip(), to `path`.
  void clip(const QPainterPath& path);
  void unclip();

  // Writes `text` inside `box`: at `pixelSize` if it fits, else on two lines
  // when `mayWrap` and the text has a space, else smaller until it fits.
  // Returns the rectangle the glyphs cover.
  QRectF text(const QString& text, const QFont& font, double pixelSize, const QRectF& box,
              Qt::Alignment align, const QBrush& brush, const QPen& outline = Qt::NoPen,
              bool mayWrap = false);

  // The glyph outlines of one line of text with its baseline's left end at
  // `origin`.
  static QPainterPath TextPath(const QString& text, const QFont& font, double pixelSize, QPointF origin);
  static double TextWidth(const QString& text, const QFont& font, double pixelSize);

  // The transform applied to what is drawn next; save() and restore() nest.
  QTransform& transform() { return transform_; }
  void save() { stack_.push_back(transform_); }
  void restore();

  // Adds everything `other` recorded, through `placement` and then the
  // current transform: one picture drawn inside another.
  void append(const Sketch& other, const QTransform& placement);

  // Plays the recording onto `painter`, in the painter's own coordinates.
  void play(QPainter& painter) const;

  std::size_t itemCount() const { return items_.size(); }
  // Estimated bytes held by the recording (paths, brushes and pens).
  std::size_t bytes() const;

 private:
  enum class Kind { Draw, Clip, Unclip };
  struct Item {
    Kind kind;
    QPainterPath path;
    QBrush brush;
    QPen pen;
  };
  std::vector<Item> items_;
  QTransform transform_;
  std::vector<QTransform> stack_;
};

}  // namespace tanvorel
