// The shipped media as the real player plays them, headless: each reaches
// its end, the slides fit the splash, and every file stays small.

#include <gtest/gtest.h>

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMediaPlayer>
#include <QTest>
#include <QUrl>
#include <QVideoWidget>
#include <cmath>
#include <cstring>

namespace {

QString Shipped(const QString& name) { return QString(TANVOREL_SOURCE_DIR) + "/Details/" + name; }

TEST(ShippedMedia, TheRealPlayerReachesTheEndOfEachFile) {
  struct Case {
    const char* file;
    bool video;
    qint64 shortestMs, longestMs;
  };
  const Case cases[] = {
      {"startup1.avi", true, 2000, 15000},
      {"startup2.avi", true, 2000, 15000},
      {"backingmusic.wav", false, 4000, 60000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    QMediaPlayer player;
    QVideoWidget screen;
    QAudioOutput speaker;
    if (c.video) {
      player.setVideoOutput(&screen);
      screen.resize(792, 572);
      screen.show();
    } else {
      player.setAudioOutput(&speaker);
    }
    bool ended = false;
    QString error;
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus status) {
      if (status == QMediaPlayer::EndOfMedia) ended = true;
      if (status == QMediaPlayer::InvalidMedia) error = "invalid media";
    });
    QObject::connect(&player, &QMediaPlayer::errorOccurred,
                     [&](QMediaPlayer::Error, const QString& text) { error = text.isEmpty() ? "error" : text; });
    player.setSource(QUrl::fromLocalFile(Shipped(c.file)));
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(player.duration() > 0 || !error.isEmpty(), 10000);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_GE(player.duration(), c.shortestMs);
    EXPECT_LE(player.duration(), c.longestMs);
    // Near the end, so that the test does not sit through the whole file.
    player.setPosition(player.duration() - 700);
    QTRY_VERIFY_WITH_TIMEOUT(ended || !error.isEmpty(), 10000);
    EXPECT_TRUE(ended) << error.toStdString();
  }
}

TEST(ShippedMedia, SlidesFillTheSplashAndEveryFileIsSmall) {
  int slides = 0;
  while (QFileInfo::exists(Shipped(QString("Startupslide%1.jpg").arg(slides + 1)))) ++slides;
  EXPECT_GE(slides, 4);
  for (int n = 1; n <= slides; ++n) {
    SCOPED_TRACE(n);
    const QImage slide(Shipped(QString("Startupslide%1.jpg").arg(n)));
    EXPECT_EQ(slide.size(), QSize(794, 575));
  }
  for (const QFileInfo& file : QDir(Shipped("")).entryInfoList(QDir::Files)) {
    SCOPED_TRACE(file.fileName().toStdString());
    EXPECT_LT(file.size(), 3 * 1024 * 1024);
  }
}

// Both ends of the tune are at rest, so a restart, at once or after a pause,
// makes no click; and there is a tune in between.
TEST(ShippedMedia, TheMusicLoopsWithoutAClick) {
  QFile file(Shipped("backingmusic.wav"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray wav = file.readAll();
  const qsizetype data = wav.indexOf("data");
  ASSERT_GT(data, 0);
  ASSERT_EQ(wav.mid(22, 2), QByteArray("\x01\x00", 2));   // mono
  ASSERT_EQ(wav.mid(34, 2), QByteArray("\x10\x00", 2));   // 16-bit
  const qsizetype count = (wav.size() - data - 8) / 2;
  ASSERT_GT(count, 1000);
  auto sample = [&](qsizetype i) {
    std::int16_t v;
    std::memcpy(&v, wav.constData() + data + 8 + 2 * i, 2);
    return v / 32768.0;
  };
  double energy = 0;
  for (qsizetype i = 0; i < count; ++i) energy += sample(i) * sample(i);
  EXPECT_GT(std::sqrt(energy / count), 0.05);
  EXPECT_LT(std::abs(sample(0)), 0.01);
  EXPECT_LT(std::abs(sample(count - 1)), 0.01);
  EXPECT_LT(std::abs(sample(1) - sample(0)), 0.01);
  EXPECT_LT(std::abs(sample(count - 1) - sample(count - 2)), 0.01);
}

}  // namespace
