#include "cards/art_library.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "art/art_sizes.h"
#include "art/card_faces.h"
#include "art/painters.h"

namespace tanvorel {

// ---------------------------------------------------------------- Picture

Picture::Picture(QSize size, Sketch sketch) : size_(size), sketch_(std::move(sketch)) {}

void Picture::drawVector(QPainter& p, const QRectF& target) const {
  if (target.isEmpty() || size_.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(target.topLeft());
  p.scale(target.width() / size_.width(), target.height() / size_.height());
  p.setClipRect(QRectF(QPointF(0, 0), QSizeF(size_)), Qt::IntersectClip);
  sketch_.play(p);
  p.restore();
}

QImage Picture::render(QSize pixels, double dpr) const {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(dpr);
  QPainter p(&image);
  drawVector(p, QRectF(0, 0, pixels.width() / dpr, pixels.height() / dpr));
  return image;
}

const QImage& Picture::cached(QSize pixels, double dpr) const {
  auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const Cached& c) { return c.pixels == pixels; });
  if (hit == cache_.begin() && hit != cache_.end()) return hit->image;
  Cached entry;
  if (hit != cache_.end()) {
    entry = std::move(*hit);
    cache_.erase(hit);
  } else {
    entry = {pixels, render(pixels, dpr)};
    if (cache_.size() >= kMaxCachedSizes) cache_.pop_back();
  }
  cache_.insert(cache_.begin(), std::move(entry));
  return cache_.front().image;
}

QSize Picture::DevicePixels(QSizeF logical, double dpr) {
  return {std::max(1, static_cast<int>(std::lround(logical.width() * dpr))),
          std::max(1, static_cast<int>(std::lround(logical.height() * dpr)))};
}

void Picture::prepare(QSizeF logical, double dpr) const {
  const QSize pixels = DevicePixels(logical, dpr);
  if (static_cast<long long>(pixels.width()) * pixels.height() <= kMaxCachedPixels) cached(pixels, dpr);
}

void Picture::draw(QPainter& p, const QRectF& target) const {
  if (target.isEmpty() || size_.isEmpty()) return;
  const QTransform& world = p.worldTransform();
  if (world.type() > QTransform::TxScale) return drawVector(p, target);
  const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const QSize pixels = DevicePixels(world.mapRect(target).size(), dpr);
  if (static_cast<long long>(pixels.width()) * pixels.height() > kMaxCachedPixels) return drawVector(p, target);
  p.drawImage(target, cached(pixels, dpr));
}

std::size_t Picture::cacheBytes() const {
  std::size_t total = 0;
  for (const Cached& c : cache_) total += static_cast<std::size_t>(c.image.sizeInBytes());
  return total;
}

// ---------------------------------------------------------------- holders

PicturePtr FaceHolder::Card(int number) const {
  if (number < 1 || number > count()) return nullptr;
  return cards_[static_cast<std::size_t>(number - 1)];
}

std::size_t FaceHolder::bytes() const {
  std::size_t total = sizeof(*this) + cards_.capacity() * sizeof(PicturePtr);
  for (const PicturePtr& card : cards_) total += sizeof(Picture) + card->vectorBytes() + card->cacheBytes();
  return total;
}

PicturePtr BackHolder::Back(BackName name) const {
  const auto i = static_cast<std::size_t>(name);
  return i < backs_.size() ? backs_[i] : nullptr;
}

std::size_t BackHolder::bytes() const {
  std::size_t total = sizeof(*this);
  for (const PicturePtr& back : backs_) total += sizeof(Picture) + back->vectorBytes() + back->cacheBytes();
  return total;
}

namespace {

std::unique_ptr<FaceHolder> BuildFaces(int count, Sketch (*sketch)(int)) {
  std::vector<PicturePtr> cards;
  cards.reserve(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) cards.push_back(std::make_shared<const Picture>(kFaceSize, sketch(n)));
  return std::make_unique<FaceHolder>(std::move(cards));
}

std::unique_ptr<BackHolder> BuildBacks() {
  auto back = [](BackKind kind, bool sideways) {
    return std::make_shared<const Picture>(sideways ? kBackSidewaysSize : kBackUprightSize,
                                           BackSketch(kind, sideways));
  };
  // In BackName order.
  return std::make_unique<BackHolder>(std::array<PicturePtr, kBackCount>{
      back(BackKind::Bowling, false), back(BackKind::Batting, false), back(BackKind::Fielding, false),
      back(BackKind::Bowling, true), back(BackKind::Batting, true), back(BackKind::Fielding, true)});
}

}  // namespace

// ---------------------------------------------------------------- library

ArtLibrary& ArtLibrary::instance() {
  static ArtLibrary library;
  return library;
}

const FaceHolder& ArtLibrary::Bowling() {
  if (!bowling_) bowling_ = BuildFaces(kBowlingFaceCount, BowlingFaceSketch);
  return *bowling_;
}

const FaceHolder& ArtLibrary::Batting() {
  if (!batting_) batting_ = BuildFaces(kBattingFaceCount, BattingFaceSketch);
  return *batting_;
}

const FaceHolder& ArtLibrary::Fielding() {
  if (!fielding_) fielding_ = BuildFaces(kFieldingFaceCount, FieldingFaceSketch);
  return *fielding_;
}

const BackHolder& ArtLibrary::ImageForm() {
  if (!imageForm_) imageForm_ = BuildBacks();
  return *imageForm_;
}

bool ArtLibrary::isLoaded(Holder holder) const {
  switch (holder) {
    case Holder::Bowling: return bowling_ != nullptr;
    case Holder::Batting: return batting_ != nullptr;
    case Holder::Fielding: return fielding_ != nullptr;
    case Holder::ImageForm: return imageForm_ != nullptr;
  }
  return false;
}

void ArtLibrary::Release(Holder holder) {
  switch (holder) {
    case Holder::Bowling: bowling_.reset(); break;
    case Holder::Batting: batting_.reset(); break;
    case Holder::Fielding: fielding_.reset(); break;
    case Holder::ImageForm: imageForm_.reset(); break;
  }
}

void ArtLibrary::ReleaseForClosing() {
  for (Holder h : {Holder::Batting, Holder::Bowling, Holder::Fielding, Holder::ImageForm}) Release(h);
}

std::size_t ArtLibrary::bytes(Holder holder) const {
  switch (holder) {
    case Holder::Bowling: return bowling_ ? bowling_->bytes() : 0;
    case Holder::Batting: return batting_ ? batting_->bytes() : 0;
    case Holder::Fielding: return fielding_ ? fielding_->bytes() : 0;
    case Holder::ImageForm: return imageForm_ ? imageForm_->bytes() : 0;
  }
  return 0;
}

// ---------------------------------------------------------------- the other pictures

namespace {

PicturePtr Keep(QSize size, Sketch (*sketch)()) { return std::make_shared<const Picture>(size, sketch()); }

}  // namespace

PicturePtr TitlePicture() {
  static const PicturePtr picture = Keep(kTitleSize, TitleSketch);
  return picture;
}
PicturePtr ScoreBookPicture() {
  static const PicturePtr picture = Keep(kScoreBookSize, ScoreBookSketch);
  return picture;
}
PicturePtr NotepadPagePicture() {
  static const PicturePtr picture = Keep(kNotepadPageSize, NotepadPageSketch);
  return picture;
}
PicturePtr FarewellBoxPicture() {
  static const PicturePtr picture = Keep(kFarewellBoxSize, FarewellBoxSketch);
  return picture;
}
PicturePtr FarewellBatterPicture() {
  static const PicturePtr picture = Keep(kFarewellBatterSize, FarewellBatterSketch);
  return picture;
}
PicturePtr DefaultFacePicture() {
  static const PicturePtr picture = Keep(kDefaultFaceSize, DefaultFaceSketch);
  return picture;
}
PicturePtr DefaultBackPicture() {
  static const PicturePtr picture = Keep(kDefaultBackSize, DefaultBackSketch);
  return picture;
}
PicturePtr IconPicture() {
  static const PicturePtr picture = Keep(kIconSize, IconSketch);
  return picture;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : kIconSizes) icon.addPixmap(QPixmap::fromImage(IconPicture()->render(QSize(side, side))));
  return icon;
}

}  // namespace tanvorel
