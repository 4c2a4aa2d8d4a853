// tanvorel-art --export DIR [--dpr N]
//
// Writes every picture of the program as PNG, so the art can be reviewed
// without playing: the 160 faces, the six backs, the other pictures, the icon
// at each of its sizes, and a contact sheet of all faces at the table's size.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "art/fonts.h"
#include "cards/art_library.h"

namespace {

using namespace tanvorel;

constexpr int kTableFaceHeight = 136;  // 2040 twips at 15 twips a pixel

bool Save(const QImage& image, const QDir& dir, const QString& name, int& written) {
  const QString path = dir.filePath(name + ".png");
  if (!image.save(path)) {
    std::fprintf(stderr, "tanvorel-art: cannot write %s\n", qPrintable(path));
    return false;
  }
  ++written;
  return true;
}

QImage Render(const PicturePtr& picture, double dpr) {
  return picture->render(picture->size() * dpr, dpr);
}

// All faces of one holder in rows of ten at the table's height, over the
// table's white.
QImage ContactSheet(double dpr) {
  struct Row { const char* title; const FaceHolder* holder; };
  ArtLibrary& art = ArtLibrary::instance();
  const Row rows[] = {{"Bowling", &art.Bowling()}, {"Batting", &art.Batting()}, {"Fielding", &art.Fielding()}};
  const int faceH = kTableFaceHeight, faceW = 88, gap = 6, perRow = 20, label = 22;
  int lines = 0;
  for (const Row& r : rows) lines += (r.holder->count() + perRow - 1) / perRow;
  const QSize logical(gap + perRow * (faceW + gap), lines * (faceH + gap + 14) + 3 * label + gap);
  QImage sheet(logical * dpr, QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(dpr);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font = PictureFont("Arial", 14);
  QFont small = PictureFont("Arial", 10, QFont::Normal);
  int y = gap;
  for (const Row& r : rows) {
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(gap, y + 16), r.title);
    y += label;
    for (int n = 1; n <= r.holder->count(); ++n) {
      const int col = (n - 1) % perRow;
      if (n > 1 && col == 0) y += faceH + gap + 14;
      const QRectF target(gap + col * (faceW + gap), y, faceW, faceH);
      r.holder->Card(n)->draw(p, target);
      p.setFont(small);
      p.drawText(QRectF(target.left(), target.bottom() + 1, faceW, 12), Qt::AlignCenter, QString::number(n));
    }
    y += faceH + gap + 14;
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  InstallFontSubstitutions();
  const QStringList args = app.arguments();
  const int at = static_cast<int>(args.indexOf("--export"));
  if (at < 0 || at + 1 >= args.size()) {
    std::fprintf(stderr, "usage: tanvorel-art --export DIR [--dpr N]\n");
    return 2;
  }
  double dpr = 1.0;
  const int dprAt = static_cast<int>(args.indexOf("--dpr"));
  if (dprAt >= 0 && dprAt + 1 < args.size()) dpr = args[dprAt + 1].toDouble();
  if (dpr <= 0) dpr = 1.0;

  QDir dir(args[at + 1]);
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "tanvorel-art: cannot create %s\n", qPrintable(dir.path()));
    return 1;
  }
  ArtLibrary& art = ArtLibrary::instance();
  int written = 0;
  bool ok = true;
  struct Faces { const char* prefix; const FaceHolder& holder; };
  for (const Faces& f : {Faces{"bowling", art.Bowling()}, Faces{"batting", art.Batting()}, Faces{"fielding", art.Fielding()}})
    for (int n = 1; n <= f.holder.count(); ++n)
      ok &= Save(Render(f.holder.Card(n), dpr), dir, QString("%1-%2").arg(f.prefix).arg(n, 2, 10, QChar('0')), written);

  const std::pair<BackName, const char*> backs[] = {
      {BackName::BowlingCardBackVert, "BowlingCardBackVert"}, {BackName::BattingCardBackVert, "BattingCardBackVert"},
      {BackName::FieldingCardBackVert, "FieldingCardBackVert"}, {BackName::BowlingCardBackHorz, "BowlingCardBackHorz"},
      {BackName::BattingCardBackHorz, "BattingCardBackHorz"}, {BackName::FieldingCardBackHorz, "FieldingCardBackHorz"}};
  for (const auto& [name, file] : backs) ok &= Save(Render(art.ImageForm().Back(name), dpr), dir, file, written);

  const std::pair<PicturePtr, const char*> others[] = {
      {TitlePicture(), "title"}, {ScoreBookPicture(), "score-book"}, {NotepadPagePicture(), "notepad-page"},
      {FarewellBoxPicture(), "farewell-box"}, {FarewellBatterPicture(), "farewell-batter"},
      {DefaultFacePicture(), "default-face"}, {DefaultBackPicture(), "default-back"}};
  for (const auto& [picture, file] : others) ok &= Save(Render(picture, dpr), dir, file, written);

  for (int side : kIconSizes)
    ok &= Save(IconPicture()->render(QSize(side, side) * dpr, dpr), dir, QString("icon-%1").arg(side), written);

  ok &= Save(ContactSheet(dpr), dir, "contact-sheet", written);
  std::printf("tanvorel-art: wrote %d pictures to %s\n", written, qPrintable(dir.absolutePath()));
  return ok ? 0 : 1;
}
