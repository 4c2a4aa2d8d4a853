// Setting up the table and starting the match, card clicks, and closing.

#include "engine/match.h"

namespace tanvorel {

namespace {

// The fixed opening hands of the first over, by position.
constexpr std::array<std::array<std::int16_t, 10>, 5> kOpeningHands = {{
    {},
    {0, 37, 39, 17, 23, 15, 26, 10},
    {0, 7, 19, 47, 29, 15, 52},
    {0, 8, 8, 17, 21, 26, 27, 50, 58, 60},
    {0, 4, 6, 22, 24, 39, 52},
}};

}  // namespace

Match::Match(TableOps& table) : table_(&table), trace_(&noTrace_) {}

void Match::SetTrace(MatchTrace* trace) {
  trace_ = trace ? trace : &noTrace_;
  random_.onDraw = [this](float r) { trace_->OnRandom(r); };
}

void Match::DetachTable() {
  closed_ = true;
  table_ = &nobody_;
}

void Match::CloseTable() {
  if (closed_) return;
  trace_->OnClose();
  TableOps* table = table_;
  DetachTable();
  table->CloseTable();
}

std::string Match::CopyrightNotice(const std::string& lineBreak) {
  return "Images, rules and software \xC2\xA9 2026 Tanvorel Games" + lineBreak +
         "Tanvorel is a trade mark of Tanvorel Games" + lineBreak + "Patent No. TG 2026/0417";
}

std::optional<CatalogueError> Match::SetUp(const SetUpOptions& options) {
  state_.LineBreak = "\r";
  random_.onDraw = [this](float r) { trace_->OnRandom(r); };
  if (options.seed) {
    random_.Seed(*options.seed);
  } else {
    const double seed = SeedFromClock(options.clock ? options.clock : DayClock(LocalNowAsDays));
    random_.Seed(static_cast<std::int64_t>(RoundHalfEven(seed)));
  }
  table_->SetCopyright(CopyrightNotice(state_.LineBreak));

  state_.CardTypes[1] = {40, "Bowling"};
  state_.CardTypes[2] = {60, "Batting"};
  state_.CardTypes[4] = {60, "Batting"};
  state_.CardTypes[3] = {60, "Fielding"};
  state_.CurrentPlayer = 2;
  ClearScoreSheet();

  CatalogueResult catalogue = LoadCatalogueFile(options.cataloguePath);
  if (!catalogue.ok()) return catalogue.error;
  state_.CardDetails = *catalogue.catalogue;

  state_.Hand = kOpeningHands;

  state_.PlayerName[1] = "Uncle Marlo";
  state_.PlayerName[2] = table_->AskPlayerName(kNamePrompt, kDefaultPlayerName);
  if (closed_) return std::nullopt;  // the window went while the prompt was open
  state_.PlayerName[3] = "Dad";
  state_.PlayerName[4] = "Venna";

  SelectMode(0);
  for (int person = 1; person <= 4; ++person)
    table_->SetPlayerNameLabel(person, state_.PlayerName[static_cast<std::size_t>(person)]);
  table_->SetHomeTeamName(state_.PlayerName[2]);
  MessageFromDatabase(0.6f);
  state_.PlayStage = 1;
  HighlightPlayer();
  ShowCards();
  NextTurn();
  for (int type = 1; type <= 3; ++type) table_->PreloadCardArt(type);
  return std::nullopt;
}

CardClick Match::CardFaceClicked(int shownType, int handSlot, const std::function<void()>& hidePicture) {
  if (closed_) return CardClick::Ignored;
  if (!IsWhole(state_.MessageNumber)) {
    ShowMessage("Remember, you must click here to clear any messages first");
    return CardClick::ShowedReminder;
  }
  if (state_.PlayStage != shownType || resultDeclared_) return CardClick::Ignored;
  if (hidePicture) hidePicture();
  ResolveDelivery(shownType, handSlot);
  return CardClick::Played;
}

}  // namespace tanvorel
