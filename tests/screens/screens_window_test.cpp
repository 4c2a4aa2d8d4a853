// The real splash and farewell windows, offscreen, each with a Details folder
// of its own holding the media a test wants.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMediaPlayer>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVideoWidget>
#include <filesystem>

#include "screens/farewell_text.h"
#include "screens/goodbye_window.h"
#include "screens/screens_layout.h"
#include "screens/startup_window.h"
#include "table/qt_text.h"
#include "table/table_window.h"
#include "table/twips_qt.h"

namespace tanvorel {
namespace {

// Answers every name prompt that comes up while it lives.
class PromptAnswerer {
 public:
  explicit PromptAnswerer(QString name) : name_(std::move(name)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        prompt->setTextValue(name_);
        prompt->accept();
        ++answered;
      }
    });
    timer_.start(10);
  }
  int answered = 0;

 private:
  QString name_;
  QTimer timer_;
};

// Saves a picture of the window when TANVOREL_SHOTS names a folder.
void Shot(QWidget* window, const QString& name) {
  const QByteArray dir = qgetenv("TANVOREL_SHOTS");
  if (dir.isEmpty() || !window) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  window->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

class Screens : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Details"));
    Ship("CardDetails.ini");
  }
  void TearDown() override {
    delete splash_.data();
    delete farewell_.data();
  }

  std::filesystem::path Program() const { return folder_.path().toStdString(); }
  QString DetailsFile(const QString& name) const { return folder_.path() + "/Details/" + name; }
  void Ship(const QString& name) {
    ASSERT_TRUE(QFile::copy(QString(TANVOREL_SOURCE_DIR) + "/Details/" + name, DetailsFile(name))) << name.toStdString();
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(DetailsFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void Remove(const QString& name) { QFile::remove(DetailsFile(name)); }

  // The windows as the program makes them: the farewell first, the splash
  // deleting itself when it closes.
  void MakeWindows() {
    farewell_ = new Goodbye(Program());
    splash_ = new Startup(farewell_, Program());
    splash_->setAttribute(Qt::WA_DeleteOnClose);
  }
  void ClickSkip() {
    // The button lies mostly beyond the window's right edge: click its visible part.
    QTest::mouseClick(splash_->Command1(), Qt::LeftButton, {}, QPoint(1, splash_->Command1()->height() / 2));
  }
  void ClickEnd() { QTest::mouseClick(farewell_->Command1(), Qt::LeftButton); }
  bool TableOpen() const { return farewell_->table() && farewell_->table()->isVisible(); }

  QTemporaryDir folder_;
  PromptAnswerer answerer_{"Tester"};
  QPointer<Goodbye> farewell_;
  QPointer<Startup> splash_;
};

TEST_F(Screens, FarewellShowsTheFileAsWrittenOpensTheTableAndEndEndsTheProgram) {
  Write("farewellmessage.ini", "<b>Well played</b>\r\n  see you  \r\n\r\nEnd\r\nnot shown\r\n");
  farewell_ = new Goodbye(Program());
  QSignalSpy ends(farewell_.data(), &Goodbye::programEnds);
  farewell_->LoadHidden();

  EXPECT_FALSE(farewell_->isVisible());
  ASSERT_TRUE(TableOpen());
  EXPECT_EQ(answerer_.answered, 1);
  EXPECT_EQ(farewell_->table()->match().State().PlayerName[2], "Tester");
  EXPECT_EQ(farewell_->FarewellMessage()->text(), "\n<b>Well played</b>\n  see you  \n");
  EXPECT_EQ(farewell_->FarewellMessage()->textFormat(), Qt::PlainText);

  farewell_->LoadHidden();  // loads once only
  EXPECT_EQ(answerer_.answered, 1);

  farewell_->table()->close();
  EXPECT_TRUE(farewell_->isVisible());
  Shot(farewell_, "farewell");
  ClickEnd();
  EXPECT_FALSE(farewell_->isVisible());
  EXPECT_EQ(ends.count(), 1);
}

TEST_F(Screens, WithoutItsFileTheFarewellSaysTheDefault) {
  farewell_ = new Goodbye(Program());
  farewell_->LoadHidden();
  EXPECT_EQ(farewell_->FarewellMessage()->text(), WithLineBreaks(kDefaultFarewell));
  EXPECT_TRUE(TableOpen());
}

TEST_F(Screens, TheBoxedGameStandsAtItsOwnSizeAndTheBatterReachesPastTheLeftEdge) {
  farewell_ = new Goodbye(Program());
  EXPECT_EQ(farewell_->Image2()->geometry(), QRect(ToPixels(kFarewellBoxRect).topLeft(), QSize(344, 270)));
  EXPECT_EQ(farewell_->Image1()->geometry(), QRect(-42, 12, 280, 624));
}

TEST_F(Screens, TheSkipButtonHandsOverAndTheTableOpens) {
  Ship("startup1.avi");
  Ship("backingmusic.wav");
  MakeWindows();
  splash_->Open();
  QTRY_COMPARE_WITH_TIMEOUT(splash_->videoPlayer()->playbackState(), QMediaPlayer::PlayingState, 10000);
  QMediaPlayer* music = splash_->SoundTrack();
  QMediaPlayer* video = splash_->videoPlayer();

  ClickSkip();
  ASSERT_TRUE(TableOpen());
  EXPECT_EQ(answerer_.answered, 1);
  EXPECT_FALSE(farewell_->isVisible());
  EXPECT_FALSE(splash_->isVisible());
  EXPECT_EQ(music->playbackState(), QMediaPlayer::StoppedState);
  EXPECT_EQ(video->playbackState(), QMediaPlayer::StoppedState);
  // The splash goes once it has closed; nothing its players still had to
  // say may reach it.
  QTRY_VERIFY(splash_.isNull());
  QTest::qWait(200);

  farewell_->table()->close();
  EXPECT_TRUE(farewell_->isVisible());
}

TEST_F(Screens, ClosingTheSplashOtherwiseShowsTheFarewellBesideTheTable) {
  MakeWindows();
  QSignalSpy ends(farewell_.data(), &Goodbye::programEnds);
  splash_->Open();
  splash_->close();
  QTRY_VERIFY(farewell_->isVisible());
  ASSERT_TRUE(TableOpen());

  // "End" beside a table in play puts the farewell away until the table closes.
  ClickEnd();
  EXPECT_FALSE(farewell_->isVisible());
  EXPECT_EQ(ends.count(), 0);
  farewell_->table()->close();
  EXPECT_TRUE(farewell_->isVisible());
  ClickEnd();
  EXPECT_EQ(ends.count(), 1);
}

TEST_F(Screens, SlidesShowWhileThePlayerIsOutOfTheWayThenTheSecondVideoPlaysOverThem) {
  for (const char* slide : {"Startupslide1.jpg", "Startupslide2.jpg", "Startupslide3.jpg"}) Ship(slide);
  Ship("startup2.avi");
  MakeWindows();
  splash_->SlideTimer()->setInterval(60 * 1000);
  splash_->Open();  // no first video: the slides begin at once
  EXPECT_EQ(splash_->sequence().SlideCount(), 1);
  EXPECT_EQ(splash_->SlideImage()->image().size(), QSize(794, 575));
  EXPECT_GE(splash_->MediaPlayer1()->y(), splash_->height());
  EXPECT_TRUE(splash_->SlideTimer()->isActive());

  splash_->SlideTimer()->start(20);
  QTRY_COMPARE(splash_->sequence().stage(), SplashSequence::Stage::SecondVideo);
  EXPECT_EQ(splash_->sequence().SlideCount(), 3);
  EXPECT_EQ(splash_->MediaPlayer1()->y(), 0);
  EXPECT_FALSE(splash_->SlideTimer()->isActive());
  QTRY_COMPARE_WITH_TIMEOUT(splash_->videoPlayer()->playbackState(), QMediaPlayer::PlayingState, 10000);
  ClickSkip();
  EXPECT_TRUE(TableOpen());
}

// Whatever is wrong with the media, the splash reaches the game by itself.
TEST_F(Screens, MediaThatCannotPlayStillLeadToTheGame) {
  struct Case {
    const char* name;
    std::function<void(Screens&)> prepare;
  };
  const Case cases[] = {
      {"no media at all", [](Screens&) {}},
      {"files that are not media",
       [](Screens& t) {
         for (const char* name : {"startup1.avi", "startup2.avi", "backingmusic.wav"}) t.Write(name, "not a video");
         t.Write("Startupslide1.jpg", "not a picture");
       }},
      {"cut short", [](Screens& t) {
         QFile whole(QString(TANVOREL_SOURCE_DIR) + "/Details/startup1.avi");
         ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
         const QByteArray head = whole.read(30000);
         t.Write("startup1.avi", head);
         t.Write("startup2.avi", head.left(2000));
         QFile music(QString(TANVOREL_SOURCE_DIR) + "/Details/backingmusic.wav");
         ASSERT_TRUE(music.open(QIODevice::ReadOnly));
         t.Write("backingmusic.wav", music.read(44));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* name : {"startup1.avi", "startup2.avi", "backingmusic.wav", "Startupslide1.jpg"}) Remove(name);
    c.prepare(*this);
    MakeWindows();
    splash_->SlideTimer()->setInterval(30);
    splash_->Open();
    QTRY_VERIFY_WITH_TIMEOUT(TableOpen(), 30000);
    EXPECT_TRUE(splash_.isNull() || !splash_->isVisible());
    delete farewell_.data();
    QTest::qWait(50);
  }
}

TEST_F(Screens, ACatalogueThatCannotBeReadIsReported) {
  Remove("CardDetails.ini");
  farewell_ = new Goodbye(Program());
  QSignalSpy failed(farewell_.data(), &Goodbye::setUpFailed);
  farewell_->LoadHidden();
  ASSERT_EQ(failed.count(), 1);
  EXPECT_TRUE(failed.at(0).at(0).toString().contains("CardDetails.ini"));
}

}  // namespace
}  // namespace tanvorel
