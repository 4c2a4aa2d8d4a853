// Writing the score sheet: a ball's mark goes on with a small animation of a
// pen (four stops of 100 ms in play mode, none in demo mode); the other
// captions are written directly.

#include "engine/match.h"
#include "table/score_sheet_layout.h"

namespace tanvorel {

namespace {

TwipRect LabelRect(SheetLabel label, int index) {
  switch (label) {
    case SheetLabel::Score: return ScoreCellRect(index);
    case SheetLabel::Extras: return ExtrasCellRect(index);
    case SheetLabel::OverTotal: return OverTotalCellRect(index);
    case SheetLabel::ScoreTotal: return ScoreTotalCellRect(index);
    case SheetLabel::Wickets: return WicketsCellRect(index);
  }
  return {};
}

}  // namespace

void Match::SetCaption(SheetLabel label, int index, const std::string& text) {
  if (index < 1 || index > ScoreSheet::Count(label)) return;
  sheet_.SetCaption(label, index, text);
  trace_->OnCaption(label, index, text);
  table_->SetCaption(label, index, text);
}

void Match::AddToCaption(SheetLabel label, int index, int amount) {
  SetCaption(label, index, std::to_string(sheet_.Number(label, index) + amount));
}

void Match::RecordScore(SheetLabel label, int index, const std::string& text) {
  if (closed_ || index < 1 || index > ScoreSheet::Count(label)) return;
  const TwipRect r = LabelRect(label, index);
  const int x = static_cast<int>(RoundHalfEven(r.left + r.width / 2.0));
  const int y = static_cast<int>(RoundHalfEven(r.top + r.height / 2.0));

  ShowMessage("Recording the score on the score sheet now");
  // Each pen stop lets other events run; the mode may change in between.
  if (!state_.DemoMode) {
    table_->SetPenVisible(true);
    table_->PlacePen(x - 30, y - 30);
    table_->PlacePen(x + 30, y - 30);
  }
  SetCaption(label, index, text);
  if (!state_.DemoMode) {
    table_->PlacePen(x - 30, y + 30);
    table_->PlacePen(x + 30, y + 30);
  }
  table_->SetPenVisible(false);
  ShowMessage("Now its time to select a card to play");
}

void Match::ClearScoreSheet() {
  for (int k = 1; k <= kScoreCells; ++k) SetCaption(SheetLabel::Score, k, "");
  for (int m = 1; m <= kOversInMatch; ++m) {
    SetCaption(SheetLabel::Extras, m, "");
    SetCaption(SheetLabel::OverTotal, m, "");
  }
  state_.Innings = 1;
  state_.BallInOver = 1;
}

}  // namespace tanvorel
