// The splash's order of events against a stand-in for its players, timer and
// hand-over, on a clock the test moves by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "screens/splash_sequence.h"

namespace tanvorel {
namespace {

// How a video file behaves when given to the stand-in player.
struct Clip {
  long long lengthMs = 0;
  bool fails = false;  // reports that it cannot be played after lengthMs instead of ending
};

// Plays nothing: keeps a clock, remembers what the sequence asked for, and
// reports video ends, music ends and timer ticks when the clock reaches them.
class StandIn : public SplashPort {
 public:
  std::map<std::string, Clip> videos;  // files that exist, and how they play
  std::set<std::string> slides;
  std::optional<Clip> music = Clip{16000};
  std::function<void()> onHandOver;  // runs inside HandOver, as the table's set-up would

  SplashSequence sequence{*this};
  long long now = 0;
  std::vector<std::string> log;  // "<ms> <what>"

  void RunUntil(long long until) {
    for (;;) {
      long long next = until + 1;
      for (long long t : {videoDue_, musicDue_, tickDue_})
        if (t >= 0) next = std::min(next, t);
      if (next > until) break;
      now = next;
      if (videoDue_ == now) {
        videoDue_ = -1;
        videoFails_ ? sequence.VideoFailed(videoPlaying_) : sequence.VideoEnded(videoPlaying_);
      } else if (musicDue_ == now) {
        musicDue_ = -1;
        musicFails_ ? sequence.MusicFailed() : sequence.MusicEnded();
      } else {
        tickDue_ = now + kSlideIntervalMs;
        sequence.SlideTimerTick();
      }
    }
    now = until;
  }

  // The log lines that contain `what`.
  std::vector<std::string> Lines(const std::string& what) const {
    std::vector<std::string> out;
    for (const std::string& line : log)
      if (line.find(what) != std::string::npos) out.push_back(line);
    return out;
  }
  int Count(const std::string& what) const { return static_cast<int>(Lines(what).size()); }

 private:
  void Log(const std::string& what) { log.push_back(std::to_string(now) + " " + what); }

  long long NowMs() const override { return now; }
  bool PlayVideo(SplashVideo video, const std::string& file) override {
    const auto it = videos.find(file);
    if (it == videos.end()) {
      Log("missing " + file);
      return false;
    }
    Log("video " + file);
    videoPlaying_ = video;
    videoDue_ = now + it->second.lengthMs;
    videoFails_ = it->second.fails;
    return true;
  }
  void HaltVideo() override {
    Log("halt");
    videoDue_ = -1;
  }
  void SetVideoInView(bool inView) override { Log(inView ? "video in view" : "video away"); }
  bool PlayMusic(const std::string& file) override {
    if (!music) return false;
    Log("music " + file);
    musicDue_ = now + music->lengthMs;
    musicFails_ = music->fails;
    return true;
  }
  void RestartMusic() override {
    Log("music again");
    musicDue_ = now + music->lengthMs;
  }
  void StopMedia() override {
    Log("stop");
    videoDue_ = musicDue_ = -1;
  }
  bool ShowSlide(const std::string& file) override {
    const bool ok = slides.count(file) > 0;
    Log((ok ? "slide " : "no slide ") + file);
    return ok;
  }
  void SetSlideTimerRunning(bool running) override {
    if (running == (tickDue_ >= 0)) return;
    Log(running ? "timer on" : "timer off");
    tickDue_ = running ? now + kSlideIntervalMs : -1;
  }
  void HandOver() override {
    Log("hand over");
    if (onHandOver) onHandOver();
  }
  void CloseWindow() override {
    Log("close");
    sequence.WindowClosed();
  }
  void ShowFarewell() override { Log("farewell"); }

  SplashVideo videoPlaying_ = SplashVideo::None;
  long long videoDue_ = -1, musicDue_ = -1, tickDue_ = -1;
  bool videoFails_ = false, musicFails_ = false;
};

using Stage = SplashSequence::Stage;

// Videos of 6 and 4 seconds, and `slideCount` slides.
void Stock(StandIn& s, int slideCount) {
  s.videos[kFirstVideoFile] = {6000};
  s.videos[kSecondVideoFile] = {4000};
  for (int n = 1; n <= slideCount; ++n) s.slides.insert(SlideFileName(n));
}

TEST(SplashSequence, ThreeSlidesFollowTheFirstVideoEveryFiveSecondsThenTheSecondVideoHandsOver) {
  StandIn s;
  Stock(s, 3);
  s.sequence.Open();
  EXPECT_EQ(s.log, (std::vector<std::string>{"0 video startup1.avi", "0 music backingmusic.wav"}));
  s.RunUntil(60000);

  // The first video ends at 6 s: the slides change 0, 5 and 10 s later, the
  // fourth fails at 15 s and the second video starts at 20 s.
  EXPECT_EQ(s.Lines("slide"), (std::vector<std::string>{"6000 slide Startupslide1.jpg", "11000 slide Startupslide2.jpg",
                                                        "16000 slide Startupslide3.jpg",
                                                        "21000 no slide Startupslide4.jpg"}));
  EXPECT_EQ(s.Lines("video "), (std::vector<std::string>{"0 video startup1.avi", "6000 video away",
                                                         "26000 video in view", "26000 video startup2.avi"}));
  EXPECT_EQ(s.Lines("timer"), (std::vector<std::string>{"6000 timer on", "26000 timer off"}));
  // It ends 4 s later: hand-over, then the splash closes and its players stop.
  EXPECT_EQ(s.Lines("30000"), (std::vector<std::string>{"30000 halt", "30000 hand over", "30000 close", "30000 stop"}));
  EXPECT_EQ(s.Count("farewell"), 0);
  EXPECT_EQ(s.Count("hand over"), 1);
  EXPECT_EQ(s.sequence.SlideCount(), 3);
  EXPECT_TRUE(s.sequence.SlidesDone());
  EXPECT_TRUE(s.sequence.TableOpened());
  EXPECT_EQ(s.sequence.stage(), Stage::Closed);
}

TEST(SplashSequence, WithoutSlidesTheSecondVideoPlaysOnceAndHandsOver) {
  StandIn s;
  Stock(s, 0);
  s.sequence.Open();
  s.RunUntil(120000);
  EXPECT_EQ(s.Count("video startup2.avi"), 1);
  EXPECT_EQ(s.Lines("video startup2.avi"), std::vector<std::string>{"11000 video startup2.avi"});
  EXPECT_EQ(s.Lines("hand over"), std::vector<std::string>{"15000 hand over"});
  EXPECT_EQ(s.sequence.SlideCount(), 0);
  EXPECT_TRUE(s.sequence.TableOpened());
}

TEST(SplashSequence, SkipDuringTheFirstVideoHandsOverAtOnceAndStopsTheMusic) {
  StandIn s;
  Stock(s, 3);
  s.sequence.Open();
  s.RunUntil(2500);
  s.sequence.SkipPressed();
  EXPECT_EQ(s.Lines("2500"), (std::vector<std::string>{"2500 hand over", "2500 close", "2500 stop"}));
  EXPECT_TRUE(s.sequence.TableOpened());

  // Whatever the players or the button still send is too late.
  const std::size_t before = s.log.size();
  s.sequence.VideoEnded(SplashVideo::First);
  s.sequence.VideoFailed(SplashVideo::First);
  s.sequence.MusicEnded();
  s.sequence.SlideTimerTick();
  s.sequence.SkipPressed();
  s.sequence.WindowClosed();
  s.RunUntil(60000);
  EXPECT_EQ(s.log.size(), before);
}

TEST(SplashSequence, SkipDuringTheSlidesOrTheSecondVideo) {
  for (long long at : {8000LL, 27000LL}) {
    SCOPED_TRACE(at);
    StandIn s;
  Stock(s, 3);
    s.sequence.Open();
    s.RunUntil(at);
    s.sequence.SkipPressed();
    s.RunUntil(60000);
    EXPECT_EQ(s.Lines("hand over"), std::vector<std::string>{std::to_string(at) + " hand over"});
    EXPECT_EQ(s.Count("farewell"), 0);
  }
}

// Media that cannot be played count as played to their end at once: the
// splash reaches the game by itself whatever is wrong with them.
TEST(SplashSequence, MediaThatCannotPlayStillLeadToTheGame) {
  struct Case {
    const char* name;
    std::optional<Clip> first, second;
    long long handOverAt;
  };
  const Case cases[] = {
      {"both videos missing", std::nullopt, std::nullopt, 15000},
      {"first video missing", std::nullopt, Clip{4000}, 19000},
      {"first video fails at once", Clip{0, true}, Clip{4000}, 19000},
      {"first video fails after a while", Clip{1200, true}, Clip{4000}, 20200},
      {"second video missing", Clip{6000}, std::nullopt, 21000},
      {"second video fails", Clip{6000}, Clip{300, true}, 21300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StandIn s;
  Stock(s, 2);
    s.videos.clear();
    if (c.first) s.videos[kFirstVideoFile] = *c.first;
    if (c.second) s.videos[kSecondVideoFile] = *c.second;
    s.sequence.Open();
    s.RunUntil(120000);
    EXPECT_EQ(s.Lines("hand over"), std::vector<std::string>{std::to_string(c.handOverAt) + " hand over"});
    EXPECT_EQ(s.sequence.SlideCount(), 2);
    EXPECT_EQ(s.sequence.stage(), Stage::Closed);
  }
}

TEST(SplashSequence, MusicRepeatsWhileTheSplashIsOpen) {
  StandIn s;
  Stock(s, 5);
  s.sequence.Open();
  s.RunUntil(40000);
  EXPECT_EQ(s.Lines("music again"), (std::vector<std::string>{"16000 music again", "32000 music again"}));
  EXPECT_FALSE(s.sequence.MusicSilenced());
}

TEST(SplashSequence, MusicThatCannotPlayIsSilenceNotARetryLoop) {
  struct Case {
    const char* name;
    std::optional<Clip> music;
  };
  const Case cases[] = {
      {"missing", std::nullopt},
      {"fails", Clip{50, true}},
      {"ends the moment it starts", Clip{0}},
      {"ends almost at once", Clip{kShortestMusicMs - 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StandIn s;
  Stock(s, 1);
    s.music = c.music;
    s.sequence.Open();
    s.RunUntil(60000);
    EXPECT_EQ(s.Count("music again"), 0);
    EXPECT_TRUE(s.sequence.MusicSilenced());
    EXPECT_EQ(s.Count("hand over"), 1);  // the show goes on in silence
  }
}

TEST(SplashSequence, ClosingTheSplashOtherwiseShowsTheFarewellOnce) {
  for (long long at : {0LL, 3000LL, 12000LL, 27000LL}) {
    SCOPED_TRACE(at);
    StandIn s;
  Stock(s, 3);
    s.sequence.Open();
    s.RunUntil(at);
    s.sequence.WindowClosed();
    s.sequence.WindowClosed();
    const std::size_t closedAt = s.log.size();
    s.RunUntil(60000);
    EXPECT_EQ(s.log.size(), closedAt);  // nothing more once closed, not even the music
    EXPECT_EQ(s.Lines("farewell"), std::vector<std::string>{std::to_string(at) + " farewell"});
    EXPECT_EQ(s.Lines("stop"), std::vector<std::string>{std::to_string(at) + " stop"});
    EXPECT_EQ(s.Count("hand over"), 0);
    EXPECT_FALSE(s.sequence.TableOpened());
  }
}

TEST(SplashSequence, ClosedBeforeOpeningShowsTheFarewell) {
  StandIn s;
  Stock(s, 3);
  s.sequence.WindowClosed();
  s.sequence.Open();
  EXPECT_EQ(s.log, (std::vector<std::string>{"0 stop", "0 farewell"}));
}

// The table's set-up runs inside the hand-over and waits for the player's
// name, while the splash still takes events.
TEST(SplashSequence, WhileTheTableSetsUpTheSplashDoesNotHandOverTwice) {
  StandIn s;
  Stock(s, 3);
  s.onHandOver = [&] {
    s.sequence.SkipPressed();
    s.sequence.SlideTimerTick();
    s.sequence.VideoEnded(SplashVideo::Second);
    s.sequence.MusicEnded();  // the music plays on until the splash closes
  };
  s.sequence.Open();
  s.RunUntil(15000);
  s.sequence.SkipPressed();
  EXPECT_EQ(s.Count("hand over"), 1);
  EXPECT_EQ(s.Count("close"), 1);
  EXPECT_EQ(s.Count("music again"), 1);
  EXPECT_EQ(s.Count("slide Startupslide4"), 0);
}

TEST(SplashSequence, ClosedWhileTheTableSetsUpNeitherShowsTheFarewellNorClosesAgain) {
  StandIn s;
  Stock(s, 3);
  s.onHandOver = [&] { s.sequence.WindowClosed(); };
  s.sequence.Open();
  s.RunUntil(1000);
  s.sequence.SkipPressed();
  EXPECT_EQ(s.Lines("1000"), (std::vector<std::string>{"1000 hand over", "1000 stop"}));
  EXPECT_EQ(s.sequence.stage(), Stage::Closed);
}

// The splash knows which video a report is about: a repeated or stray one
// does not move it on.
TEST(SplashSequence, ReportsAboutAVideoThatIsNotPlayingAreIgnored) {
  StandIn s;
  Stock(s, 3);
  s.sequence.Open();
  s.sequence.VideoEnded(SplashVideo::Second);  // not started yet
  s.sequence.VideoEnded(SplashVideo::None);
  EXPECT_EQ(s.sequence.stage(), Stage::FirstVideo);

  s.RunUntil(7000);
  s.sequence.VideoEnded(SplashVideo::First);  // said twice
  s.sequence.VideoFailed(SplashVideo::First);
  s.sequence.VideoEnded(SplashVideo::Second);
  EXPECT_EQ(s.Count("slide Startupslide1"), 1);
  EXPECT_EQ(s.sequence.SlideCount(), 1);
  EXPECT_EQ(s.sequence.stage(), Stage::Slides);

  s.RunUntil(27000);  // the second video is playing
  s.sequence.VideoEnded(SplashVideo::First);
  EXPECT_EQ(s.sequence.stage(), Stage::SecondVideo);
  EXPECT_EQ(s.Count("hand over"), 0);
}

TEST(SplashSequence, SlideFilesAreNumberedFromOneWithoutLeadingZeros) {
  EXPECT_EQ(SlideFileName(1), "Startupslide1.jpg");
  EXPECT_EQ(SlideFileName(10), "Startupslide10.jpg");
}

}  // namespace
}  // namespace tanvorel
