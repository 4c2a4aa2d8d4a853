// tanvorel-media --details DIR --out DIR [--only slides|music|opening|closing]
//
// Draws the splash's side files from the program's own art: the slides as
// JPEG, the music as WAV, and the frames of the two videos as PNG (in
// OUT/startup1/ and OUT/startup2/), which make-media.sh encodes. DIR given to
// --details holds the card catalogue, which the closing video's table needs.

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "art/fonts.h"
#include "table/table_layout.h"
#include "table/table_window.h"
#include "tools/media/media_art.h"
#include "tools/media/synth.h"

namespace {

using namespace tanvorel;
using namespace tanvorel::media;

bool WriteFrames(const QDir& out, const QString& folder, double seconds, const std::function<QImage(double)>& frame) {
  if (!out.mkpath(folder)) return false;
  const int frames = static_cast<int>(seconds * kFramesPerSecond);
  for (int f = 0; f < frames; ++f) {
    const QString path = out.filePath(QString("%1/frame-%2.png").arg(folder).arg(f, 4, 10, QChar('0')));
    if (!frame(static_cast<double>(f) / kFramesPerSecond).save(path)) {
      std::fprintf(stderr, "tanvorel-media: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  std::printf("tanvorel-media: %d frames in %s\n", frames, qPrintable(out.filePath(folder)));
  return true;
}

// The table as the game sets it up, with its cards lifted off in dealing
// order: one card to each hand in turn, the player's own last in each round.
TableScene BuildTableScene(const QString& catalogue) {
  auto* table = new TableWindow;
  QTimer::singleShot(0, [] {
    if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) prompt->accept();
  });
  SetUpOptions options;
  options.cataloguePath = catalogue.toStdString();
  options.seed = 1;
  if (const auto error = table->OpenAndSetUp(options)) {
    std::fprintf(stderr, "tanvorel-media: %s\n", error->Report().c_str());
    std::exit(1);
  }
  TableScene scene;
  const QPoint offset((kVideoSize.width() - table->width()) / 2, (kVideoSize.height() - table->height()) / 2);
  std::vector<QWidget*> lifted;
  auto take = [&](QWidget* control, const Picture* picture, QRectF pictureRect, bool faceUp) {
    if (!control || !control->isVisibleTo(table) || !picture) return;
    const QPointF at = QPointF(control->mapTo(table, QPoint(0, 0)) + offset);
    // Hold the picture as the library shares it.
    PicturePtr shared(std::shared_ptr<const Picture>{}, picture);
    scene.cards.push_back({shared, pictureRect.translated(at), faceUp});
    lifted.push_back(control);
  };
  for (int k = 0; k < 9; ++k) {
    for (CardBack* back : {table->BackOfCardsLeft(k), table->BackOfCardsOpposite(k), table->BackOfCardsRight(k)})
      if (back->PictureShown()) take(back, back->picture(), back->PictureRect(), false);
    CardFace* face = table->CardGraphic(kFanOrder[static_cast<std::size_t>(k)]);
    if (face->PictureShown()) take(face, face->picture(), face->PictureRect(), true);
  }
  for (QWidget* control : lifted) control->hide();
  scene.withoutCards = QImage(kVideoSize, QImage::Format_RGB32);
  scene.withoutCards.fill(Qt::white);
  {
    QPainter p(&scene.withoutCards);
    p.drawPixmap(offset, table->grab());
  }
  // The table stays open (hidden) so that the pictures it shows stay loaded.
  table->hide();
  return scene;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("Tanvorel");
  InstallFontSubstitutions();
  const QStringList args = app.arguments();
  auto value = [&](const QString& name) {
    const auto at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
  };
  const QString details = value("--details"), outPath = value("--out"), only = value("--only");
  if (details.isEmpty() || outPath.isEmpty()) {
    std::fprintf(stderr, "usage: tanvorel-media --details DIR --out DIR [--only slides|music|opening|closing]\n");
    return 2;
  }
  QDir out(outPath);
  if (!out.mkpath(".")) {
    std::fprintf(stderr, "tanvorel-media: cannot create %s\n", qPrintable(outPath));
    return 1;
  }
  auto wanted = [&](const char* part) { return only.isEmpty() || only == part; };

  if (wanted("slides")) {
    for (int n = 1; n <= kSlideCount; ++n) {
      const QString path = out.filePath(QString("Startupslide%1.jpg").arg(n));
      if (!Slide(n).save(path, "JPG", 90)) {
        std::fprintf(stderr, "tanvorel-media: cannot write %s\n", qPrintable(path));
        return 1;
      }
    }
    std::printf("tanvorel-media: %d slides\n", kSlideCount);
  }
  if (wanted("music")) {
    const std::vector<float> tune = RenderTune();
    const QString path = out.filePath("backingmusic.wav");
    if (!WriteWav(path.toStdString(), tune, kSampleRate)) {
      std::fprintf(stderr, "tanvorel-media: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("tanvorel-media: %.1f s of music\n", static_cast<double>(tune.size()) / kSampleRate);
  }
  if (wanted("opening") && !WriteFrames(out, "startup1", kOpeningSeconds, OpeningFrame)) return 1;
  if (wanted("closing")) {
    const TableScene scene = BuildTableScene(QDir(details).filePath("CardDetails.ini"));
    if (!WriteFrames(out, "startup2", kClosingSeconds, [&](double t) { return ClosingFrame(t, scene); })) return 1;
  }
  return 0;
}
