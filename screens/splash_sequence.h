#pragma once
// The order of events of the opening splash: the first video with the music,
// the slide show, the second video, and the hand-over to the game. Plain C++:
// the players, the slide picture, the timer, the clock and the hand-over are
// behind SplashPort, so the whole sequence runs against a stand-in in tests.

#include <string>

namespace tanvorel {

enum class SplashVideo { None, First, Second };

// The side files the splash plays, by name in the Details folder.
inline constexpr const char* kFirstVideoFile = "startup1.avi";
inline constexpr const char* kSecondVideoFile = "startup2.avi";
inline constexpr const char* kMusicFile = "backingmusic.wav";
// Slide n is "Startupslide" + n + ".jpg", n from 1 without leading zeros.
std::string SlideFileName(int number);

inline constexpr int kSlideIntervalMs = 5000;
// Music that ends sooner than this after it started is taken for music that
// cannot play: restarting it would only spin.
inline constexpr long long kShortestMusicMs = 500;

// What the sequence drives. Files are named as in the Details folder; the
// port finds them.
class SplashPort {
 public:
  virtual ~SplashPort() = default;

  // Milliseconds on a steady clock.
  virtual long long NowMs() const = 0;

  // Gives the video player a file, which starts playing at once. False when
  // the file cannot even be given to the player (it does not exist). Later
  // the port reports the end of the video, or that it cannot be played.
  virtual bool PlayVideo(SplashVideo video, const std::string& file) = 0;
  virtual void HaltVideo() = 0;
  // The video player in view over the slides, or moved out of the window.
  virtual void SetVideoInView(bool inView) = 0;

  // Gives the music player a file; it starts at once. False as above.
  virtual bool PlayMusic(const std::string& file) = 0;
  virtual void RestartMusic() = 0;
  // Stops both players for good.
  virtual void StopMedia() = 0;

  // Loads a slide picture and shows it; false when it cannot be loaded (the
  // picture shown stays as it was).
  virtual bool ShowSlide(const std::string& file) = 0;
  virtual void SetSlideTimerRunning(bool running) = 0;

  // Loads the farewell window hidden, which opens the table; returns once
  // the table's set-up has run (the splash may have closed meanwhile).
  virtual void HandOver() = 0;
  // Closes the splash window; the window then reports WindowClosed().
  virtual void CloseWindow() = 0;
  // Shows the farewell window (loading it first, which opens the table).
  virtual void ShowFarewell() = 0;
};

class SplashSequence {
 public:
  enum class Stage { NotOpened, FirstVideo, Slides, SecondVideo, HandingOver, Closed };

  explicit SplashSequence(SplashPort& port) : port_(port) {}
  SplashSequence(const SplashSequence&) = delete;
  SplashSequence& operator=(const SplashSequence&) = delete;

  // The window opens: the first video, then the music.
  void Open();

  // Reports from the port. A report about a video that is not the one
  // playing (a late or repeated signal) is ignored, and so is every report
  // once the splash has closed.
  void VideoEnded(SplashVideo video);
  // A video that cannot be played counts as played to its end.
  void VideoFailed(SplashVideo video) { VideoEnded(video); }
  void MusicEnded();
  // Music that cannot be played is silence for the rest of the splash.
  void MusicFailed();
  void SlideTimerTick();
  // The skip button.
  void SkipPressed();
  // The window has closed, by any means.
  void WindowClosed();

  Stage stage() const { return stage_; }
  SplashVideo video() const { return video_; }
  // Slides shown so far.
  int SlideCount() const { return slideCount_; }
  // Loading the next slide has failed: the show is over.
  bool SlidesDone() const { return slidesDone_; }
  // The splash itself handed over to the game (skip button or end of the
  // second video). Set as the hand-over begins, so that closing the splash
  // while the table's set-up runs does not open the game a second time.
  bool TableOpened() const { return tableOpened_; }
  bool MusicSilenced() const { return musicSilenced_; }

 private:
  void StartVideo(SplashVideo video, const char* file);
  void ShowNextSlide();
  void HandOverAndClose();
  bool Live() const { return stage_ == Stage::FirstVideo || stage_ == Stage::Slides || stage_ == Stage::SecondVideo; }

  SplashPort& port_;
  Stage stage_ = Stage::NotOpened;
  SplashVideo video_ = SplashVideo::None;
  int slideCount_ = 0;
  bool slidesDone_ = false;
  bool tableOpened_ = false;
  bool musicSilenced_ = false;
  long long musicStartedMs_ = 0;
};

}  // namespace tanvorel
