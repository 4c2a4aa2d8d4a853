// Figures for the card art library: building the four holders from nothing,
// the memory they hold, and the cost of drawing a face and a back at the
// table's sizes, at device pixel ratio 1 and 2.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

#include "art/fonts.h"
#include "cards/art_library.h"

namespace {

using namespace tanvorel;
using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double TimeMs(const std::function<void()>& f) {
  const auto start = Clock::now();
  f();
  return Millis(Clock::now() - start);
}

long RssKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

void BuildAll() {
  ArtLibrary& art = ArtLibrary::instance();
  art.Bowling();
  art.Batting();
  art.Fielding();
  art.ImageForm();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Microseconds per draw of `picture` at `logical` size onto a window-like
// image at `dpr`: the first draw (rendered from vector data) and the average
// of repeated draws (from the cache).
void DrawCost(const char* what, const PicturePtr& picture, QSizeF logical, double dpr) {
  QImage target(QSize(800, 600) * dpr, QImage::Format_ARGB32_Premultiplied);
  target.setDevicePixelRatio(dpr);
  target.fill(Qt::white);
  QPainter p(&target);
  picture->dropCache();
  const double first = TimeMs([&] { picture->draw(p, QRectF(QPointF(10, 10), logical)); }) * 1000;
  const int repeats = 2000;
  const double cached = TimeMs([&] {
                          for (int i = 0; i < repeats; ++i) picture->draw(p, QRectF(QPointF(10 + i % 7, 10), logical));
                        }) * 1000 / repeats;
  QPainter* painter = &p;
  const double vector = TimeMs([&] {
                          for (int i = 0; i < 50; ++i) picture->drawVector(*painter, QRectF(QPointF(10, 10), logical));
                        }) * 1000 / 50;
  std::printf("  %-26s %5.0fx%-4.0f dpr %.0f: first %7.1f us, cached %6.1f us, vector only %7.1f us\n", what,
              logical.width(), logical.height(), dpr, first, cached, vector);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  InstallFontSubstitutions();
  ArtLibrary& art = ArtLibrary::instance();

  std::printf("Building the four holders (Bowling, Batting, Fielding, ImageForm) from nothing\n");
  const long rssBefore = RssKiB();
  const double cold = TimeMs(BuildAll);
  const long rssAfter = RssKiB();
  std::printf("  first build in the process (fonts loading too): %.1f ms\n", cold);
  std::vector<double> warm;
  for (int i = 0; i < 7; ++i) {
    art.ReleaseForClosing();
    warm.push_back(TimeMs(BuildAll));
  }
  std::printf("  rebuild after release, median of 7:            %.1f ms (min %.1f, max %.1f)   goal < 150 ms\n",
              Median(warm), *std::min_element(warm.begin(), warm.end()), *std::max_element(warm.begin(), warm.end()));

  std::printf("Memory held\n");
  std::size_t total = 0;
  const std::pair<Holder, const char*> holders[] = {
      {Holder::Bowling, "Bowling (40 faces)"}, {Holder::Batting, "Batting (60 faces)"},
      {Holder::Fielding, "Fielding (60 faces)"}, {Holder::ImageForm, "ImageForm (6 backs)"}};
  for (const auto& [h, name] : holders) {
    std::printf("  %-22s %8.1f KiB vector data\n", name, art.bytes(h) / 1024.0);
    total += art.bytes(h);
  }
  std::printf("  all four holders       %8.1f KiB estimated; resident set grew %ld KiB on the first build\n",
              total / 1024.0, rssAfter - rssBefore);

  // Raster caches once every face has been drawn at the table's two sizes.
  {
    QImage window(QSize(792, 554), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&window);
    for (const FaceHolder* holder : {&art.Bowling(), &art.Batting(), &art.Fielding()})
      for (int n = 1; n <= holder->count(); ++n) {
        holder->Card(n)->draw(p, QRectF(0, 0, 88.1, 136));
        holder->Card(n)->draw(p, QRectF(0, 0, 79.3, 122.4));
      }
    std::size_t caches = 0;
    for (const auto& [h, name] : holders) caches += art.bytes(h);
    std::printf("  with all 160 faces cached at 136 and 122 px high (dpr 1): %.1f KiB\n", caches / 1024.0);
  }

  std::printf("Drawing one picture\n");
  for (double dpr : {1.0, 2.0}) {
    DrawCost("face (fielding 37)", art.Fielding().Card(37), QSizeF(88.1, 136), dpr);
    DrawCost("face (batting 16)", art.Batting().Card(16), QSizeF(88.1, 136), dpr);
    DrawCost("back upright (opposite)", art.ImageForm().Back(BackName::BattingCardBackVert), QSizeF(44.1, 68), dpr);
    DrawCost("back sideways (side)", art.ImageForm().Back(BackName::BowlingCardBackHorz), QSizeF(100, 64.8), dpr);
  }

  std::printf("A table repaint: 13 faces and 27 backs, all cached\n");
  for (double dpr : {1.0, 2.0}) {
    QImage window(QSize(792, 554) * dpr, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(dpr);
    QPainter p(&window);
    auto repaint = [&] {
      for (int i = 0; i < 9; ++i) art.Batting().Card(1 + i * 6)->draw(p, QRectF(20 + i * 60, 400, 88.1, 136));
      for (int i = 0; i < 4; ++i) art.Bowling().Card(1 + i * 9)->draw(p, QRectF(300 + i * 50, 250, 79.3, 122.4));
      for (int i = 0; i < 9; ++i) art.ImageForm().Back(BackName::FieldingCardBackVert)->draw(p, QRectF(100 + i * 30, 10, 44.1, 68));
      for (int i = 0; i < 9; ++i)
        art.ImageForm().Back(BackName::BowlingCardBackHorz)->draw(p, QRectF(10, 200 + i * 20, (i * 0.005 + 0.705) * 136, (i * 0.005 + 0.705) * 88.1));
      for (int i = 0; i < 9; ++i)
        art.ImageForm().Back(BackName::BattingCardBackHorz)->draw(p, QRectF(650, 200 + i * 20, (i * 0.005 + 0.705) * 136, (i * 0.005 + 0.705) * 88.1));
    };
    const double first = TimeMs(repaint);
    const int repeats = 200;
    const double each = TimeMs([&] { for (int i = 0; i < repeats; ++i) repaint(); }) / repeats;
    std::printf("  dpr %.0f: first repaint %.2f ms (renders into the caches), then %.3f ms a repaint\n", dpr, first, each);
  }
  return 0;
}
