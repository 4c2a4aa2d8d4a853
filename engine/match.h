#pragma once
// One match of Tanvorel Card Cricket: the shared state, the rules, the
// computer players, ball recording, the result, the notepad's dialogue, the
// deal, the score sheet and the table's set-up. It reaches the screen only
// through a TableOps, so the same match runs in the window, headless in the
// simulator and in the tests.
//
// Where each rule lives:
//   engine/delivery.cpp        judging each card of a delivery (ResolveDelivery)
//   engine/turns.cpp           whose turn, the computer players, the name marks
//   engine/ball_recording.cpp  booking a ball, overs, innings, strike
//   engine/result.cpp          the winner and the closing messages
//   notepad/dialogue.cpp       MessageFromDatabase, Continue, Back, ShowMessage
//   notepad/script.cpp         the numbered messages
//   table/deal.cpp             dealing fresh hands
//   table/score_writing.cpp    writing a ball with the pen, clearing the sheet
//   table/demo_mode.cpp        the mode buttons, the speed bar, the demo timer
//   table/setup.cpp            setting up the table, card clicks, closing

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/match_state.h"
#include "engine/random.h"
#include "engine/table_ops.h"
#include "table/catalogue.h"
#include "table/score_sheet.h"

namespace tanvorel {

inline constexpr const char* kDefaultPlayerName = "The New Guy";
inline constexpr const char* kNamePrompt = "Please enter your name";

struct SetUpOptions {
  std::string cataloguePath;
  // Seeds the generator with this number instead of the clock (the simulator).
  std::optional<std::int64_t> seed;
  // The clock behind the seed; local time by default.
  DayClock clock;
};

enum class CardClick { ShowedReminder, Played, Ignored };

class Match {
 public:
  explicit Match(TableOps& table);
  Match(const Match&) = delete;
  Match& operator=(const Match&) = delete;

  MatchState& State() { return state_; }
  const MatchState& State() const { return state_; }
  const ScoreSheet& Sheet() const { return sheet_; }
  // Writes a caption of the score sheet directly, as ball recording does.
  void WriteCaption(SheetLabel label, int index, const std::string& text) { SetCaption(label, index, text); }
  Random& Rng() { return random_; }

  void SetTrace(MatchTrace* trace);
  // Once the window has gone, the match talks to nobody and ignores input.
  void DetachTable();
  bool TableClosed() const { return closed_; }
  bool ResultDeclared() const { return resultDeclared_; }
  // True while a ball is being booked (the pen may be pausing inside it).
  bool BookingBall() const { return booking_; }

  // --- Set-up of the table, in its fixed order. Returns the catalogue's
  // error if it could not be loaded; nothing after the loading has run then.
  std::optional<CatalogueError> SetUp(const SetUpOptions& options);
  static std::string CopyrightNotice(const std::string& lineBreak);

  // --- The engine.
  void ResolveDelivery(int position, int slot);
  void NextTurn();
  void ComputerBowls();
  void ComputerBats(int position);
  void ComputerFields();
  void HighlightPlayer();
  void RecordBall(const std::string& result);
  void DeclareResult();

  // --- The table's operations that hold game logic.
  void cmd_Deal_Click();
  void ShowCards();
  void RecordScore(SheetLabel label, int index, const std::string& text);
  void ClearScoreSheet();

  // --- The notepad's dialogue.
  void MessageFromDatabase(float message);
  void ShowMessage(const std::string& text);
  void Command1_Click();       // Continue
  void cmd_Previous_Click();   // Back
  float PreviousMessage() const { return previousMessage_; }
  const std::string& HelpMessage() const { return helpMessage_; }
  bool ContinueVisible() const { return continueVisible_; }

  // --- A click on a card face showing `shownType` and `handSlot`. When it
  // plays the card, `hidePicture` runs first (the face hides itself).
  CardClick CardFaceClicked(int shownType, int handSlot, const std::function<void()>& hidePicture = {});

  // --- Demo mode.
  void SelectMode(int index);   // a mode button selected, by a click or by the match
  void HScroll1_Change();       // the speed bar moved
  void AutoPlayTimer_Timer();   // a tick of the demo timer
  // Interval of the demo timer for a speed bar value; nothing outside 0 to 7.
  static std::optional<int> AutoPlayInterval(int speed);

 private:
  void SetCaption(SheetLabel label, int index, const std::string& text);
  void AddToCaption(SheetLabel label, int index, int amount);
  std::int16_t DealCard(int count);
  void SetHelpMessage(const std::string& text);
  void SetContinueVisible(bool visible);
  const CardRecord& Played(int position) const;
  void BowlingStage(int slot);
  void BattingStage();
  void FieldingStage();
  void BookBall(const std::string& result);
  void CloseTable();

  TableOps* table_;
  NullTable nobody_;
  MatchTrace* trace_ = nullptr;
  MatchTrace noTrace_;
  MatchState state_;
  ScoreSheet sheet_;
  Random random_;

  float previousMessage_ = 0.0f;
  std::string helpMessage_ = " ";
  bool continueVisible_ = true;

  bool booking_ = false;
  bool resultDeclared_ = false;
  bool closed_ = false;
};

}  // namespace tanvorel
