// The card art library: holders built once and shared, every picture at its
// designed size, faces that show what the face table says, the raster cache
// giving the same pixels as the vector drawing, and a score book whose boxes
// sit under the table window's labels.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "art/card_faces.h"
#include "art/fonts.h"
#include "cards/art_library.h"
#include "table/score_sheet_layout.h"

namespace tanvorel {
namespace {

class ArtLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    ArtLibrary::instance().ReleaseForClosing();
  }
  void TearDown() override { ArtLibrary::instance().ReleaseForClosing(); }
};

QImage DrawInto(const Picture& picture, QSize logical, double dpr) {
  QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  QPainter p(&image);
  picture.draw(p, QRectF(QPointF(0, 0), QSizeF(logical)));
  return image;
}

QByteArray Digest(const QImage& image) {
  const QImage flat = image.convertToFormat(QImage::Format_ARGB32);
  return QCryptographicHash::hash(QByteArrayView(flat.constBits(), flat.sizeInBytes()), QCryptographicHash::Sha1);
}

TEST_F(ArtLibraryTest, HoldersAreBuiltOnceAndShared) {
  ArtLibrary& art = ArtLibrary::instance();
  for (Holder h : {Holder::Bowling, Holder::Batting, Holder::Fielding, Holder::ImageForm}) EXPECT_FALSE(art.isLoaded(h));

  const FaceHolder* bowling = &art.Bowling();
  EXPECT_TRUE(art.isLoaded(Holder::Bowling));
  EXPECT_FALSE(art.isLoaded(Holder::Batting));
  EXPECT_EQ(&art.Bowling(), bowling);
  EXPECT_EQ(art.Bowling().Card(7), bowling->Card(7));
  EXPECT_EQ(art.Bowling().count(), 40);
  EXPECT_EQ(art.Batting().count(), 60);
  EXPECT_EQ(art.Fielding().count(), 60);
  for (const FaceHolder* holder : {&art.Bowling(), &art.Batting(), &art.Fielding()}) {
    EXPECT_EQ(holder->Card(0), nullptr);
    EXPECT_EQ(holder->Card(-1), nullptr);
    EXPECT_EQ(holder->Card(holder->count() + 1), nullptr);
    for (int n = 1; n <= holder->count(); ++n) ASSERT_NE(holder->Card(n), nullptr) << n;
  }
  const PicturePtr back = art.ImageForm().Back(BackName::FieldingCardBackHorz);
  EXPECT_EQ(art.ImageForm().Back(BackName::FieldingCardBackHorz), back);

  // A control that still holds a picture keeps it through a release; the
  // next request builds a new holder.
  const PicturePtr held = art.Bowling().Card(7);
  const QByteArray before = Digest(held->render(QSize(88, 136)));
  art.Release(Holder::Bowling);
  EXPECT_FALSE(art.isLoaded(Holder::Bowling));
  EXPECT_TRUE(art.isLoaded(Holder::Batting));
  EXPECT_EQ(Digest(held->render(QSize(88, 136))), before);
  EXPECT_NE(art.Bowling().Card(7), held);
  EXPECT_EQ(Digest(art.Bowling().Card(7)->render(QSize(88, 136))), before);

  art.ReleaseForClosing();
  for (Holder h : {Holder::Bowling, Holder::Batting, Holder::Fielding, Holder::ImageForm}) EXPECT_FALSE(art.isLoaded(h));
  EXPECT_EQ(art.bytes(Holder::Batting), 0u);
}

TEST_F(ArtLibraryTest, EveryPictureHasItsDesignedSize) {
  ArtLibrary& art = ArtLibrary::instance();
  for (const FaceHolder* holder : {&art.Bowling(), &art.Batting(), &art.Fielding()})
    for (int n = 1; n <= holder->count(); ++n) EXPECT_EQ(holder->Card(n)->size(), QSize(169, 263)) << n;
  const std::tuple<BackName, QSize> backs[] = {
      {BackName::BowlingCardBackVert, {114, 177}}, {BackName::BattingCardBackVert, {114, 177}},
      {BackName::FieldingCardBackVert, {114, 177}}, {BackName::BowlingCardBackHorz, {177, 114}},
      {BackName::BattingCardBackHorz, {177, 114}}, {BackName::FieldingCardBackHorz, {177, 114}}};
  for (const auto& [name, size] : backs) EXPECT_EQ(art.ImageForm().Back(name)->size(), size);
  const std::tuple<PicturePtr, QSize> others[] = {
      {TitlePicture(), {625, 228}},        {ScoreBookPicture(), {990, 832}},   {NotepadPagePicture(), {192, 222}},
      {FarewellBoxPicture(), {344, 270}},  {FarewellBatterPicture(), {280, 624}}, {DefaultFacePicture(), {337, 526}},
      {DefaultBackPicture(), {114, 177}}};
  for (const auto& [picture, size] : others) {
    EXPECT_EQ(picture->size(), size);
    EXPECT_EQ(picture, [&] { return picture; }());  // kept, not rebuilt
  }
  EXPECT_EQ(TitlePicture(), TitlePicture());
  const QIcon icon = ProgramIcon();
  for (int side : kIconSizes) EXPECT_EQ(icon.pixmap(QSize(side, side)).size(), QSize(side, side)) << side;
}

// Faces with the same entry in the face table look the same; faces with
// different entries look different. None is blank.
TEST_F(ArtLibraryTest, FacesDifferExactlyWhereTheirCardsDiffer) {
  ArtLibrary& art = ArtLibrary::instance();
  std::map<QByteArray, std::string> seen;  // look -> card
  std::set<std::string> cards;
  auto check = [&](const FaceHolder& holder, const std::string& type, auto key) {
    for (int n = 1; n <= holder.count(); ++n) {
      const QImage image = holder.Card(n)->render(QSize(88, 136));
      ASSERT_FALSE(image.isNull());
      std::map<QRgb, int> colours;
      for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) ++colours[image.pixel(x, y)];
      EXPECT_GT(colours.size(), 50u) << type << " " << n << " looks blank";
      const std::string k = type + ":" + key(n);
      cards.insert(k);
      const auto [it, fresh] = seen.emplace(Digest(image), k);
      if (!fresh) {
        EXPECT_EQ(it->second, k) << type << " " << n << " looks like another card";
      }
    }
  };
  check(art.Bowling(), "bowling", [](int n) {
    const BowlingFace& f = BowlingFaces()[n - 1];
    return std::to_string(f.value) + std::string(f.name) + std::string(SideWord(f.side));
  });
  check(art.Batting(), "batting", [](int n) {
    const BattingFace& f = BattingFaces()[n - 1];
    return std::to_string(f.value) + std::string(f.name) + std::string(GroupWord(f.group));
  });
  check(art.Fielding(), "fielding", [](int n) {
    const FieldingFace& f = FieldingFaces()[n - 1];
    return std::to_string(f.value) + std::string(f.name) + std::string(GroupWord(f.group)) + (f.catching ? "C" : "");
  });
  // No card has two looks: as many looks as different cards.
  EXPECT_EQ(seen.size(), cards.size());
}

bool Near(QRgb pixel, QColor want, int tolerance = 40) {
  return std::abs(qRed(pixel) - want.red()) <= tolerance && std::abs(qGreen(pixel) - want.green()) <= tolerance &&
         std::abs(qBlue(pixel) - want.blue()) <= tolerance;
}

bool CatchRed(QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

// The marks a player reads at a glance, sampled on each face at its designed
// size: the bowling band, the batting tab and face colour, the fielding face
// colour and catching hand.
TEST_F(ArtLibraryTest, FacesShowSideGroupAndCatchingHand) {
  ArtLibrary& art = ArtLibrary::instance();
  const std::map<CardGroup, QColor> group = {{CardGroup::Blue, QColor(0x1e, 0x63, 0xc4)},
                                             {CardGroup::Orange, QColor(0xf0, 0x7e, 0x12)},
                                             {CardGroup::Purple, QColor(0x7b, 0x3a, 0xb3)},
                                             {CardGroup::Green, QColor(0x2c, 0x96, 0x37)}};
  const std::map<CardSide, QColor> side = {{CardSide::Black, QColor(0x17, 0x17, 0x19)},
                                           {CardSide::Grey, QColor(0x8f, 0x93, 0x98)},
                                           {CardSide::None, QColor(0xcc, 0x1f, 0x2d)}};
  const QPoint band(150, 3), edge(4, 180), tab(55, 50), palm(72, 38);
  for (int n = 1; n <= 40; ++n) {
    const QImage face = art.Bowling().Card(n)->render(QSize(169, 263));
    EXPECT_TRUE(Near(face.pixel(band), side.at(BowlingFaces()[n - 1].side), 12)) << "bowling " << n;
    EXPECT_TRUE(Near(face.pixel(edge), side.at(BowlingFaces()[n - 1].side), 12)) << "bowling " << n;
  }
  for (int n = 1; n <= 60; ++n) {
    const QImage face = art.Batting().Card(n)->render(QSize(169, 263));
    EXPECT_TRUE(Near(face.pixel(tab), side.at(BattingFaces()[n - 1].tab), 12)) << "batting " << n;
    EXPECT_TRUE(Near(face.pixel(edge), group.at(BattingFaces()[n - 1].group), 12)) << "batting " << n;
  }
  for (int n = 1; n <= 60; ++n) {
    const QImage face = art.Fielding().Card(n)->render(QSize(169, 263));
    EXPECT_TRUE(Near(face.pixel(edge), group.at(FieldingFaces()[n - 1].group), 12)) << "fielding " << n;
    EXPECT_EQ(CatchRed(face.pixel(palm)), FieldingFaces()[n - 1].catching) << "fielding " << n;
  }
}

// draw() through the cache gives the pixels of a fresh vector rendering at
// the painter's device pixel size, and keeps one image per size.
TEST_F(ArtLibraryTest, CachedDrawMatchesVectorRendering) {
  const PicturePtr face = ArtLibrary::instance().Fielding().Card(37);
  face->dropCache();
  for (double dpr : {1.0, 2.0}) {
    const QImage drawn = DrawInto(*face, QSize(88, 136), dpr);
    EXPECT_EQ(Digest(drawn), Digest(face->render(QSize(88, 136) * dpr, dpr))) << "dpr " << dpr;
    EXPECT_EQ(Digest(DrawInto(*face, QSize(88, 136), dpr)), Digest(drawn)) << "dpr " << dpr;  // from the cache
  }
  EXPECT_EQ(face->cacheBytes(), std::size_t(88 * 136 * 4 + 176 * 272 * 4));
  face->prepare(QSizeF(79.3, 122.4), 1);  // a played card's size
  EXPECT_EQ(face->cacheBytes(), std::size_t(88 * 136 * 4 + 176 * 272 * 4 + 79 * 122 * 4));
  for (int h = 100; h < 100 + int(Picture::kMaxCachedSizes) + 5; ++h) DrawInto(*face, QSize(h * 169 / 263, h), 1);
  EXPECT_LE(face->cacheBytes(), Picture::kMaxCachedSizes * 120 * 77 * 4);
}

// Each label of the score sheet lands in a box of the picture: no ruling
// crosses the middle of the label, and ruling closes it in on all four sides.
TEST_F(ArtLibraryTest, ScoreBookBoxesSitUnderTheLabels) {
  const QImage book = ScoreBookPicture()->render(QSize(990, 832));
  auto ruling = [&](int x, int y) {
    const QRgb p = book.pixel(x, y);
    return qBlue(p) - qRed(p) > 45 && qBlue(p) > 100;
  };
  auto check = [&](const TwipRect& r, const std::string& name) {
    const PicturePoint c = ScoreBookPicturePoint(r.left + r.width / 2.0, r.top + r.height / 2.0);
    const int cx = static_cast<int>(c.x), cy = static_cast<int>(c.y);
    for (int dy = -5; dy <= 5; ++dy)
      for (int dx = -5; dx <= 5; ++dx) ASSERT_FALSE(ruling(cx + dx, cy + dy)) << name << " is crossed by a line";
    const int reachX = static_cast<int>(TwipsToPixels(r.width) * 990.0 / 4710 * 15 / 2) + 2;
    const int reachY = 30;
    auto walls = [&](int sx, int sy, int reach) {
      for (int k = 6; k <= reach; ++k)
        if (ruling(cx + sx * k, cy + sy * k)) return true;
      return false;
    };
    EXPECT_TRUE(walls(-1, 0, reachX) && walls(1, 0, reachX) && walls(0, -1, reachY) && walls(0, 1, reachY))
        << name << " is not closed in by its box";
  };
  for (int i = 1; i <= 120; ++i) check(ScoreCellRect(i), "Score(" + std::to_string(i) + ")");
  for (int m = 1; m <= 20; ++m) {
    check(ExtrasCellRect(m), "Extras(" + std::to_string(m) + ")");
    check(OverTotalCellRect(m), "OverTotal(" + std::to_string(m) + ")");
  }
  for (int i = 1; i <= 2; ++i) {
    check(ScoreTotalCellRect(i), "ScoreTotal(" + std::to_string(i) + ")");
    check(WicketsCellRect(i), "Wickets(" + std::to_string(i) + ")");
  }
}

}  // namespace
}  // namespace tanvorel
