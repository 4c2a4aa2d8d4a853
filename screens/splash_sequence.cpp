#include "screens/splash_sequence.h"

namespace tanvorel {

std::string SlideFileName(int number) { return "Startupslide" + std::to_string(number) + ".jpg"; }

void SplashSequence::Open() {
  if (stage_ != Stage::NotOpened) return;
  stage_ = Stage::FirstVideo;
  video_ = SplashVideo::First;
  const bool videoGiven = port_.PlayVideo(SplashVideo::First, kFirstVideoFile);
  if (port_.PlayMusic(kMusicFile)) {
    musicStartedMs_ = port_.NowMs();
  } else {
    musicSilenced_ = true;
  }
  if (!videoGiven) VideoEnded(SplashVideo::First);
}

void SplashSequence::StartVideo(SplashVideo video, const char* file) {
  video_ = video;
  if (!port_.PlayVideo(video, file)) VideoEnded(video);
}

void SplashSequence::VideoEnded(SplashVideo video) {
  if (!Live() || video == SplashVideo::None || video != video_) return;
  port_.HaltVideo();
  video_ = SplashVideo::None;
  if (video == SplashVideo::Second) {
    HandOverAndClose();
    return;
  }
  // The first video has ended: the slide show begins, under the player
  // moved out of view.
  stage_ = Stage::Slides;
  port_.SetSlideTimerRunning(true);
  ShowNextSlide();
  port_.SetVideoInView(false);
}

void SplashSequence::ShowNextSlide() {
  if (port_.ShowSlide(SlideFileName(slideCount_ + 1))) {
    ++slideCount_;
  } else {
    slidesDone_ = true;
  }
}

void SplashSequence::SlideTimerTick() {
  if (stage_ != Stage::Slides) return;
  if (!slidesDone_) {
    ShowNextSlide();
    return;
  }
  // The last slide has had its second interval: the second video plays over it.
  port_.SetVideoInView(true);
  port_.SetSlideTimerRunning(false);
  stage_ = Stage::SecondVideo;
  StartVideo(SplashVideo::Second, kSecondVideoFile);
}

void SplashSequence::MusicEnded() {
  if (!Live() && stage_ != Stage::HandingOver) return;
  if (musicSilenced_) return;
  const long long now = port_.NowMs();
  if (now - musicStartedMs_ < kShortestMusicMs) {
    musicSilenced_ = true;
    return;
  }
  musicStartedMs_ = now;
  port_.RestartMusic();
}

void SplashSequence::MusicFailed() { musicSilenced_ = true; }

void SplashSequence::SkipPressed() {
  if (!Live()) return;
  HandOverAndClose();
}

void SplashSequence::HandOverAndClose() {
  stage_ = Stage::HandingOver;
  tableOpened_ = true;
  // Nothing more of the show runs while the table sets itself up (its name
  // prompt waits for the player); the music plays on until the splash closes.
  port_.SetSlideTimerRunning(false);
  port_.HandOver();
  if (stage_ != Stage::Closed) port_.CloseWindow();
}

void SplashSequence::WindowClosed() {
  if (stage_ == Stage::Closed) return;
  stage_ = Stage::Closed;
  video_ = SplashVideo::None;
  port_.SetSlideTimerRunning(false);
  port_.StopMedia();
  if (!tableOpened_) port_.ShowFarewell();
}

}  // namespace tanvorel
