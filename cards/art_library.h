#pragma once
// The card art library: every face and back a card control shows, plus the
// program's other pictures. Each picture exists once; controls hold it by
// shared pointer and draw it in their paint events.

#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <array>
#include <memory>
#include <vector>

#include "art/sketch.h"

class QPainter;

namespace tanvorel {

// One picture, drawn from vector data; immutable once built.
//
// draw() keeps a small raster cache inside the picture, keyed by the device
// pixel size it is drawn at, so repeated draws at the table's sizes are plain
// image copies. Every control that holds the picture shares that cache. The
// cache is for the user-interface thread only.
class Picture {
 public:
  Picture(QSize size, Sketch sketch);

  // Designed pixel size, e.g. 169 x 263 for faces.
  QSize size() const { return size_; }

  // Draws the picture stretched to `target`, sharp at the painter's device
  // pixel ratio. Under a rotating or shearing transform, or at very large
  // sizes, the vector data is drawn directly instead of the cache.
  void draw(QPainter& p, const QRectF& target) const;

  // Renders into the cache ahead of time for drawing at `logical` size on a
  // device of ratio `dpr`, so that the first paint at that size is a copy.
  void prepare(QSizeF logical, double dpr) const;

  // Draws straight from the vector data, bypassing the cache.
  void drawVector(QPainter& p, const QRectF& target) const;

  // A fresh image of `pixels` device pixels at device pixel ratio `dpr`.
  QImage render(QSize pixels, double dpr = 1.0) const;

  std::size_t vectorBytes() const { return sketch_.bytes(); }
  std::size_t cacheBytes() const;
  void dropCache() const { cache_.clear(); }

  // Sizes kept in the cache at once; the least recently drawn goes first.
  static constexpr std::size_t kMaxCachedSizes = 12;
  // Larger draws are not cached.
  static constexpr long long kMaxCachedPixels = 1 << 20;

 private:
  struct Cached {
    QSize pixels;
    QImage image;
  };
  const QImage& cached(QSize pixels, double dpr) const;
  static QSize DevicePixels(QSizeF logical, double dpr);

  QSize size_;
  Sketch sketch_;
  mutable std::vector<Cached> cache_;  // most recent first
};

using PicturePtr = std::shared_ptr<const Picture>;

// The face pictures of one card type, by card number.
class FaceHolder {
 public:
  explicit FaceHolder(std::vector<PicturePtr> cards) : cards_(std::move(cards)) {}
  // Card(1) to Card(count()); 0 or out of range gives nullptr.
  PicturePtr Card(int number) const;
  int count() const { return static_cast<int>(cards_.size()); }
  std::size_t bytes() const;

 private:
  std::vector<PicturePtr> cards_;
};

enum class BackName {
  BowlingCardBackVert,
  BattingCardBackVert,
  FieldingCardBackVert,
  BowlingCardBackHorz,
  BattingCardBackHorz,
  FieldingCardBackHorz,
};
inline constexpr int kBackCount = 6;

// The six card backs by name.
class BackHolder {
 public:
  explicit BackHolder(std::array<PicturePtr, kBackCount> backs) : backs_(std::move(backs)) {}
  PicturePtr Back(BackName name) const;
  std::size_t bytes() const;

 private:
  std::array<PicturePtr, kBackCount> backs_;
};

enum class Holder { Bowling, Batting, Fielding, ImageForm };

// The four holders. Each is built, all its pictures at once, by the first
// request for it, and stays until released.
class ArtLibrary {
 public:
  static ArtLibrary& instance();

  const FaceHolder& Bowling();
  const FaceHolder& Batting();
  const FaceHolder& Fielding();
  const BackHolder& ImageForm();

  bool isLoaded(Holder holder) const;

  // Drops the holder. Pictures still held by a control stay valid; the next
  // request builds the holder anew.
  void Release(Holder holder);

  // The table's closing: Batting, Bowling, Fielding, ImageForm, in that order.
  void ReleaseForClosing();

  // Estimated bytes held by a loaded holder (vector data and raster caches);
  // 0 when it is not loaded.
  std::size_t bytes(Holder holder) const;

 private:
  ArtLibrary() = default;
  std::unique_ptr<FaceHolder> bowling_;
  std::unique_ptr<FaceHolder> batting_;
  std::unique_ptr<FaceHolder> fielding_;
  std::unique_ptr<BackHolder> imageForm_;
};

// Pictures that belong to no holder; each is built on first use and kept.
PicturePtr TitlePicture();           // 625 x 228
PicturePtr ScoreBookPicture();       // 990 x 832
PicturePtr NotepadPagePicture();     // 192 x 222
PicturePtr FarewellBoxPicture();     // 344 x 270
PicturePtr FarewellBatterPicture();  // 280 x 624
PicturePtr DefaultFacePicture();     // 337 x 526
PicturePtr DefaultBackPicture();     // 114 x 177
PicturePtr IconPicture();            // 256 x 256, the drawing behind ProgramIcon()

// The program's icon, drawn at 16, 32, 48, 64, 128 and 256 pixels.
QIcon ProgramIcon();
inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

}  // namespace tanvorel
