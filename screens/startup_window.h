#pragma once
// The opening splash "Startup": the first video with the backing music, the
// slide show, the second video, then the hand-over to the game. The order of
// events is SplashSequence's; this window is its players, picture, timer and
// button.

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <filesystem>

#include "screens/splash_sequence.h"
#include "table/side_files.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace tanvorel {

class Goodbye;

// The slide picture: starts as a blank white picture; a loaded picture is
// stretched to fill it.
class SlideView : public QWidget {
 public:
  explicit SlideView(QWidget* parent = nullptr);
  void setImage(const QImage& image);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

class Startup : public QWidget, private SplashPort {
  Q_OBJECT

 public:
  // `farewell` is the farewell window the splash hands over to; side files
  // are found from `programFolder`.
  explicit Startup(Goodbye* farewell, std::filesystem::path programFolder = ProgramFolder(),
                   QWidget* parent = nullptr);
  ~Startup() override;

  // Shows the window and starts the first video and the music.
  void Open();

  const SplashSequence& sequence() const { return sequence_; }

  QVideoWidget* MediaPlayer1() const { return videoWidget_; }
  QMediaPlayer* videoPlayer() const { return videoPlayer_; }
  QMediaPlayer* SoundTrack() const { return musicPlayer_; }
  SlideView* SlideImage() const { return slide_; }
  QTimer* SlideTimer() { return &slideTimer_; }
  QPushButton* Command1() const { return skip_; }

  // Longest wait for a video with no known length to start and end; a video
  // of known length gets its length plus this.
  static constexpr int kVideoGraceMs = 15000;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // SplashPort.
  long long NowMs() const override;
  bool PlayVideo(SplashVideo video, const std::string& file) override;
  void HaltVideo() override;
  void SetVideoInView(bool inView) override;
  bool PlayMusic(const std::string& file) override;
  void RestartMusic() override;
  void StopMedia() override;
  bool ShowSlide(const std::string& file) override;
  void SetSlideTimerRunning(bool running) override;
  void HandOver() override;
  void CloseWindow() override;
  void ShowFarewell() override;

  void ConnectPlayers();
  // The players' reports reach the sequence through the event queue, each
  // tagged with the video that was playing when it was sent, so that the
  // sequence never runs inside the media back end's own call and a report
  // from an earlier video is known for what it is.
  void ReportVideoEnd(SplashVideo video);
  void ReportMusic(bool ended);

  QPointer<Goodbye> farewell_;
  std::filesystem::path programFolder_;
  SplashSequence sequence_;
  QElapsedTimer clock_;

  SlideView* slide_ = nullptr;
  QVideoWidget* videoWidget_ = nullptr;
  QMediaPlayer* videoPlayer_ = nullptr;
  QMediaPlayer* musicPlayer_ = nullptr;
  QAudioOutput* musicOutput_ = nullptr;
  QPushButton* skip_ = nullptr;
  QTimer slideTimer_;
  // Ends a video that neither ends nor fails (a stalled pipeline), so the
  // splash always reaches the game by itself.
  QTimer videoWatchdog_;

  SplashVideo videoGiven_ = SplashVideo::None;
  bool centred_ = false;
};

}  // namespace tanvorel
