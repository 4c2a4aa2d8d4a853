// Whatever name the player types, every label that shows it stays readable
// (shortened where it does not fit), the notepad keeps its texts whole, and
// the match plays on.

#include "table/qt_text.h"
#include "tests/view/table_fixture.h"

namespace tanvorel::testing {
namespace {

class BadNames : public TableTest {};

TEST_F(BadNames, EveryLabelStaysReadable) {
  const QString names[] = {
      QString(10000, QChar('W')),
      QString("Ann ").repeated(2500),
      QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D"),  // right to left
      QString::fromUtf8("\xE2\x80\xAE" "Reversed \xE2\x80\xAC"),                                  // a bidi override
      QString::fromUtf8("\xF0\x9F\x8F\x8F\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9 Bats"),      // emoji, joined
      QString::fromUtf8("tab\there\r\nnew\x01line\x1b[31m"),                                       // control characters
      QString("      "),
  };
  for (const QString& name : names) {
    Open(name);
    ASSERT_EQ(S().PlayerName[2], FromQt(name));
    // The labels: one line, cut with an ellipsis when too long for their box.
    NameLabel* label = table->PlayerName2(2);
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->shownText()), label->width());
    EXPECT_FALSE(label->shownText().contains(QChar('\n')));
    if (name.size() > 100) {
      EXPECT_TRUE(label->shownText().endsWith(QChar(0x2026)));
      EXPECT_TRUE(table->ScoreBook()->homeTeamShown().endsWith(QChar(0x2026)));
    }
    // The notepad: the tutorial's texts carry the whole name, three times in the second.
    ClickContinue();
    ClickContinue();
    const QString expected = name + " and Venna (sitting opposite " + name + ") are batting, with " + name +
                             " facing first";
    EXPECT_EQ(table->Notepad1()->helpMessage(), expected);
    const NotepadText* text = table->Notepad1()->helpMessageLabel();
    if (name.size() > 1000) EXPECT_TRUE(text->scrolls());  // the rest is there to read
    Shot(table, QString("name-%1").arg(name.size()));
    // And the match goes on: the bowler bowls, naming the human whole; the
    // human's card is played.
    ClickThrough();
    EXPECT_NE(ToQt(S().MessageLine[6]).indexOf("It's " + name + "'s turn"), -1);
    ClickThrough();
    ASSERT_EQ(S().PlayStage, 2);
    ClickFace(table->VisibleHandFaces().front());
    EXPECT_NE(S().PlayedCards[2], 0);
    delete table.data();
  }
}

}  // namespace
}  // namespace tanvorel::testing
