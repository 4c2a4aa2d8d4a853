#include "screens/startup_window.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QMediaPlayer>
#include <QPainter>
#include <QVideoWidget>
#include <algorithm>
#include <system_error>

#include "cards/art_library.h"
#include "screens/goodbye_window.h"
#include "screens/screens_layout.h"
#include "screens/window_placement.h"
#include "table/twips_qt.h"

namespace tanvorel {

namespace {

QString LocalPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

bool IsFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

SlideView::SlideView(QWidget* parent) : QWidget(parent) {
  image_ = QImage(1, 1, QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void SlideView::setImage(const QImage& image) {
  image_ = image;
  update();
}

void SlideView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(rect()), image_);
}

Startup::Startup(Goodbye* farewell, std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent), farewell_(farewell), programFolder_(std::move(programFolder)), sequence_(*this) {
  clock_.start();
  setWindowTitle("Tanvorel");
  setWindowIcon(ProgramIcon());
  setFixedSize(TwipsToPixelsRounded(kSplashWidthTwips), TwipsToPixelsRounded(kSplashHeightTwips));
  PaintWhite(this);

  // The slide lies under the video player, which only moves out of its way.
  slide_ = new SlideView(this);
  slide_->setGeometry(ToPixels(kSplashSlideRect));
  slide_->setAccessibleName("Slide");

  videoWidget_ = new QVideoWidget(this);
  videoWidget_->setGeometry(ToPixels(kSplashVideoRect));
  videoWidget_->setAspectRatioMode(Qt::IgnoreAspectRatio);
  videoWidget_->setFocusPolicy(Qt::NoFocus);
  videoWidget_->setAccessibleName("Opening video");

  videoPlayer_ = new QMediaPlayer(this);
  videoPlayer_->setVideoOutput(videoWidget_);

  // The music has no picture: a player with an audio output only.
  musicPlayer_ = new QMediaPlayer(this);
  musicOutput_ = new QAudioOutput(this);
  musicPlayer_->setAudioOutput(musicOutput_);

  skip_ = new QPushButton(" ", this);
  skip_->setGeometry(ToPixels(kSplashSkipRect));
  QPalette white = skip_->palette();
  white.setColor(QPalette::Button, Qt::white);
  skip_->setPalette(white);
  skip_->setAccessibleName("Skip to the game");
  skip_->setToolTip("Skip to the game");
  skip_->raise();
  connect(skip_, &QPushButton::clicked, this, [this] { sequence_.SkipPressed(); });
  skip_->setFocus();

  slideTimer_.setInterval(kSlideIntervalMs);
  connect(&slideTimer_, &QTimer::timeout, this, [this] { sequence_.SlideTimerTick(); });
  videoWatchdog_.setSingleShot(true);
  connect(&videoWatchdog_, &QTimer::timeout, this, [this] { ReportVideoEnd(videoGiven_); });

  ConnectPlayers();
}

Startup::~Startup() {
  // Nothing the players still send may reach a window being destroyed.
  videoPlayer_->disconnect(this);
  musicPlayer_->disconnect(this);
}

void Startup::ConnectPlayers() {
  connect(videoPlayer_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) ReportVideoEnd(videoGiven_);
  });
  connect(videoPlayer_, &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error error, const QString&) {
            if (error != QMediaPlayer::NoError) ReportVideoEnd(videoGiven_);
          });
  connect(videoPlayer_, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
    if (videoGiven_ != SplashVideo::None && duration > 0)
      videoWatchdog_.start(static_cast<int>(std::min<qint64>(duration, 10 * 60 * 1000)) + kVideoGraceMs);
  });

  connect(musicPlayer_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::EndOfMedia) ReportMusic(true);
    if (status == QMediaPlayer::InvalidMedia) ReportMusic(false);
  });
  connect(musicPlayer_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error, const QString&) {
    if (error != QMediaPlayer::NoError) ReportMusic(false);
  });
}

void Startup::ReportVideoEnd(SplashVideo video) {
  if (video == SplashVideo::None) return;
  // An ended video and one that cannot be played are the same to the
  // sequence: either way the splash moves on.
  QMetaObject::invokeMethod(this, [this, video] { sequence_.VideoEnded(video); }, Qt::QueuedConnection);
}

void Startup::ReportMusic(bool ended) {
  QMetaObject::invokeMethod(
      this, [this, ended] { ended ? sequence_.MusicEnded() : sequence_.MusicFailed(); }, Qt::QueuedConnection);
}

void Startup::Open() {
  show();
  sequence_.Open();
}

long long Startup::NowMs() const { return clock_.elapsed(); }

bool Startup::PlayVideo(SplashVideo video, const std::string& file) {
  const std::filesystem::path path = SideFile(programFolder_, file);
  if (!IsFile(path)) return false;
  videoGiven_ = video;
  videoPlayer_->setSource(QUrl::fromLocalFile(LocalPath(path)));
  videoPlayer_->play();
  videoWatchdog_.start(kVideoGraceMs);
  return true;
}

void Startup::HaltVideo() {
  videoGiven_ = SplashVideo::None;
  videoWatchdog_.stop();
  videoPlayer_->stop();
}

void Startup::SetVideoInView(bool inView) {
  const QRect home = ToPixels(kSplashVideoRect);
  videoWidget_->move(home.left(), inView ? home.top() : TwipsToPixelsRounded(kSplashVideoAwayTop));
}

bool Startup::PlayMusic(const std::string& file) {
  const std::filesystem::path path = SideFile(programFolder_, file);
  if (!IsFile(path)) return false;
  musicPlayer_->setSource(QUrl::fromLocalFile(LocalPath(path)));
  musicPlayer_->play();
  return true;
}

void Startup::RestartMusic() {
  musicPlayer_->setPosition(0);
  musicPlayer_->play();
}

void Startup::StopMedia() {
  videoGiven_ = SplashVideo::None;
  videoWatchdog_.stop();
  videoPlayer_->disconnect(this);
  musicPlayer_->disconnect(this);
  videoPlayer_->stop();
  musicPlayer_->stop();
  // Let go of the files and the media pipelines: the splash is done with them.
  videoPlayer_->setSource(QUrl());
  musicPlayer_->setSource(QUrl());
}

bool Startup::ShowSlide(const std::string& file) {
  const std::filesystem::path path = SideFile(programFolder_, file);
  if (!IsFile(path)) return false;
  QImage picture;
  if (!picture.load(LocalPath(path)) || picture.isNull()) return false;
  slide_->setImage(picture);
  slide_->show();
  return true;
}

void Startup::SetSlideTimerRunning(bool running) {
  if (running) {
    if (!slideTimer_.isActive()) slideTimer_.start();
  } else {
    slideTimer_.stop();
  }
}

void Startup::HandOver() {
  if (farewell_) farewell_->LoadHidden();
}

void Startup::CloseWindow() { close(); }

void Startup::ShowFarewell() {
  // Later, from the event queue: the farewell's loading opens the table and
  // waits on its name prompt, which should not run inside this window's close.
  if (Goodbye* farewell = farewell_.data())
    QTimer::singleShot(0, farewell, [farewell] { farewell->ShowFarewell(); });
}

void Startup::closeEvent(QCloseEvent* event) {
  event->accept();
  sequence_.WindowClosed();
}

void Startup::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  CentreOnScreen(this);
}

}  // namespace tanvorel
