#include "table/headless_match.h"

#include "engine/match.h"
#include "table/headless_table.h"

namespace tanvorel {

namespace {

// Counts the deliveries and passes every event on.
class CountingTrace : public MatchTrace {
 public:
  explicit CountingTrace(MatchTrace* next) : next_(next ? next : &none_) {}
  void OnRandom(float r) override { next_->OnRandom(r); }
  void OnMessage(float n) override { next_->OnMessage(n); }
  void OnNotepadText(const std::string& t) override { next_->OnNotepadText(t); }
  void OnPlay(int position, int slot, int card) override {
    if (position == 1) ++deliveries;
    next_->OnPlay(position, slot, card);
  }
  void OnCaption(SheetLabel l, int i, const std::string& t) override { next_->OnCaption(l, i, t); }
  void OnMode(bool demo) override { next_->OnMode(demo); }
  void OnHighlight(const std::array<bool, 5>& m) override { next_->OnHighlight(m); }
  void OnClose() override { next_->OnClose(); }
  int deliveries = 0;

 private:
  MatchTrace* next_;
  MatchTrace none_;
};

}  // namespace

HeadlessMatchResult PlayHeadlessMatch(const std::string& cataloguePath, long long seed, const std::string& name,
                                      MatchTrace* trace, int maxPresses) {
  HeadlessTable table(name);
  Match match(table);
  CountingTrace counting(trace);
  match.SetTrace(&counting);

  HeadlessMatchResult result;
  SetUpOptions options;
  options.cataloguePath = cataloguePath;
  options.seed = seed;
  if (auto error = match.SetUp(options)) {
    result.error = std::move(error);
    return result;
  }

  MatchSummary summary;
  summary.seed = seed;
  while (!table.closed) {
    if (summary.presses >= maxPresses) {
      summary.hung = true;
      break;
    }
    if (!match.State().DemoMode) match.SelectMode(1);
    match.Command1_Click();
    ++summary.presses;
  }

  const ScoreSheet& sheet = match.Sheet();
  summary.t1 = sheet.Number(SheetLabel::ScoreTotal, 1);
  summary.w1 = sheet.Number(SheetLabel::Wickets, 1);
  summary.t2 = sheet.Number(SheetLabel::ScoreTotal, 2);
  summary.w2 = sheet.Number(SheetLabel::Wickets, 2);
  summary.winner = summary.t1 > summary.t2 ? Winner::BattedFirst
                   : summary.t1 < summary.t2 ? Winner::BattedSecond
                                             : Winner::Draw;
  summary.resultText = match.State().MessageLine[7];
  for (char& c : summary.resultText)
    if (c == '\r') c = ' ';
  summary.deliveries = counting.deliveries;
  result.summary = summary;
  return result;
}

}  // namespace tanvorel
