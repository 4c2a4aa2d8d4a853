// Whole matches, played headless from set-up to the closing of the table.

#include <sstream>

#include "engine/transcript.h"
#include "table/headless_match.h"
#include "tests/core/match_fixture.h"
#include "tests/support/sheet_invariants.h"

namespace tanvorel::testing {
namespace {

// Counts the writes of each Score cell after the sheet was cleared.
class CellWrites : public MatchTrace {
 public:
  void OnCaption(SheetLabel label, int index, const std::string& text) override {
    if (label == SheetLabel::Score && !text.empty()) ++writes[index];
  }
  void OnClose() override { ++closes; }
  std::array<int, 121> writes{};
  int closes = 0;
};

TEST(WholeMatch, ManySeedsReachTheirResultWithASoundSheet) {
  int homeWins = 0, awayWins = 0;
  for (long long seed = 1; seed <= 300; ++seed) {
    HeadlessTable table;
    Match match(table);
    CellWrites writes;
    match.SetTrace(&writes);
    SetUpOptions options;
    options.cataloguePath = ShippedCatalogue();
    options.seed = seed;
    ASSERT_FALSE(match.SetUp(options));
    int presses = 0;
    while (!table.closed && presses < kMaxPresses) {
      if (!match.State().DemoMode) match.SelectMode(1);
      match.Command1_Click();
      ++presses;
      if (!match.State().ResultPending) {
        const auto problems = SheetProblems(match.Sheet());
        ASSERT_TRUE(problems.empty()) << "seed " << seed << " press " << presses << ": " << problems.front();
      }
      ASSERT_EQ(match.State().Hand[1][0] + match.State().Hand[2][0] + match.State().Hand[3][0] +
                    match.State().Hand[4][0],
                0);
    }
    ASSERT_TRUE(table.closed) << "seed " << seed << " hung";
    EXPECT_EQ(writes.closes, 1);
    EXPECT_TRUE(match.ResultDeclared());
    for (int k = 1; k <= 120; ++k) ASSERT_LE(writes.writes[k], 1) << "seed " << seed << " cell " << k;
    const ScoreSheet& sheet = match.Sheet();
    const int t1 = sheet.Number(SheetLabel::ScoreTotal, 1), t2 = sheet.Number(SheetLabel::ScoreTotal, 2);
    const int w2 = sheet.Number(SheetLabel::Wickets, 2);
    // The match ended for one of its three reasons.
    EXPECT_TRUE(t2 > t1 || w2 == 10 || match.State().OverCount == 20) << "seed " << seed;
    homeWins += t1 > t2;
    awayWins += t2 > t1;
  }
  EXPECT_GT(homeWins, 30);  // both sides can win
  EXPECT_GT(awayWins, 30);
}

TEST(WholeMatch, SameSeedSameTranscript) {
  auto transcript = [](long long seed, const std::string& name) {
    std::ostringstream out;
    TranscriptWriter writer(out);
    const auto result = PlayHeadlessMatch(ShippedCatalogue(), seed, name, &writer);
    EXPECT_TRUE(result.summary && !result.summary->hung);
    return out.str();
  };
  const std::string a = transcript(42, "Ann");
  EXPECT_EQ(a, transcript(42, "Ann"));
  EXPECT_NE(a, transcript(43, "Ann"));
  // Every kind of event appears, and the table closes exactly once.
  for (const char* ev : {"\"rand\"", "\"message\"", "\"notepad\"", "\"play\"", "\"caption\"", "\"mode\"",
                         "\"highlight\"", "\"close\""})
    EXPECT_NE(a.find(std::string("{\"ev\":") + ev), std::string::npos) << ev;
  EXPECT_EQ(a.find("{\"ev\":\"close\"}"), a.rfind("{\"ev\":\"close\"}"));
  EXPECT_NE(a.find("{\"ev\":\"message\",\"n\":\"0.6\"}\n"), std::string::npos);
  EXPECT_NE(a.find("{\"ev\":\"notepad\",\"text\":\"I shall now show you how to play Tanvorel.\\r\\rThis notepad "
                   "displays instructions.\"}\n"),
            std::string::npos);
}

TEST(WholeMatch, HangIsReported) {
  const auto result = PlayHeadlessMatch(ShippedCatalogue(), 5, "x", nullptr, 20);
  ASSERT_TRUE(result.summary);
  EXPECT_TRUE(result.summary->hung);
}

TEST(Transcript, JsonEscaping) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("x\ry\nz\t"), "\"x\\ry\\nz\\t\"");
  EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
  EXPECT_EQ(JsonString("caf\xC3\xA9 \xF0\x9F\x8F\x8F"), "\"caf\xC3\xA9 \xF0\x9F\x8F\x8F\"");  // UTF-8 passes through
  std::ostringstream out;
  TranscriptWriter w(out);
  w.OnRandom(0.123456791f);
  w.OnPlay(1, 7, 10);
  w.OnCaption(SheetLabel::Score, 1, "*");
  w.OnMode(true);
  w.OnHighlight({false, true, false, true, false});
  w.OnHighlight({});
  w.OnMessage(8.0f);
  EXPECT_EQ(out.str(),
            "{\"ev\":\"rand\",\"r\":0.123456791}\n"
            "{\"ev\":\"play\",\"pos\":1,\"slot\":7,\"card\":10}\n"
            "{\"ev\":\"caption\",\"label\":\"Score\",\"i\":1,\"text\":\"*\"}\n"
            "{\"ev\":\"mode\",\"demo\":true}\n"
            "{\"ev\":\"highlight\",\"persons\":[1,3]}\n"
            "{\"ev\":\"highlight\",\"persons\":[]}\n"
            "{\"ev\":\"message\",\"n\":\"8.0\"}\n");
}

}  // namespace
}  // namespace tanvorel::testing
