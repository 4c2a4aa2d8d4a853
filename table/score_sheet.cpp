#include "table/score_sheet.h"

namespace tanvorel {

const char* SheetLabelName(SheetLabel label) {
  switch (label) {
    case SheetLabel::Score: return "Score";
    case SheetLabel::Extras: return "Extras";
    case SheetLabel::OverTotal: return "OverTotal";
    case SheetLabel::ScoreTotal: return "ScoreTotal";
    case SheetLabel::Wickets: return "Wickets";
  }
  return "";
}

ScoreSheet::ScoreSheet() {
  // The captions as the sheet is designed, before set-up clears it.
  score_.fill("X");
  extras_.fill("X");
  overTotal_.fill("X");
  scoreTotal_.fill("0");
  wickets_.fill("0");
  score_[0] = extras_[0] = overTotal_[0] = scoreTotal_[0] = wickets_[0] = "";
}

int ScoreSheet::Count(SheetLabel label) {
  switch (label) {
    case SheetLabel::Score: return kScoreCells;
    case SheetLabel::Extras:
    case SheetLabel::OverTotal: return kOversInMatch;
    case SheetLabel::ScoreTotal:
    case SheetLabel::Wickets: return 2;
  }
  return 0;
}

std::string* ScoreSheet::Find(SheetLabel label, int index) {
  if (index < 1 || index > Count(label)) return nullptr;
  const auto i = static_cast<std::size_t>(index);
  switch (label) {
    case SheetLabel::Score: return &score_[i];
    case SheetLabel::Extras: return &extras_[i];
    case SheetLabel::OverTotal: return &overTotal_[i];
    case SheetLabel::ScoreTotal: return &scoreTotal_[i];
    case SheetLabel::Wickets: return &wickets_[i];
  }
  return nullptr;
}

const std::string* ScoreSheet::Find(SheetLabel label, int index) const {
  return const_cast<ScoreSheet*>(this)->Find(label, index);
}

const std::string& ScoreSheet::Caption(SheetLabel label, int index) const {
  static const std::string kNone;
  const std::string* caption = Find(label, index);
  return caption ? *caption : kNone;
}

void ScoreSheet::SetCaption(SheetLabel label, int index, const std::string& text) {
  if (std::string* caption = Find(label, index)) *caption = text;
}

int ScoreSheet::Number(SheetLabel label, int index) const {
  const std::string& caption = Caption(label, index);
  if (label == SheetLabel::OverTotal || label == SheetLabel::Extras) return LeadingNumber("0" + caption);
  return LeadingNumber(caption);
}

int LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 1000000000) break;  // captions hold small numbers; never overflow
  }
  return static_cast<int>(value);
}

}  // namespace tanvorel
