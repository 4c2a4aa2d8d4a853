#pragma once
// What the match asks of the table on the screen. The window implements it
// with widgets; the headless table implements it for the simulator and tests.
// The match never reaches the screen any other way.

#include <array>
#include <string>

namespace tanvorel {

// The five kinds of score-sheet label whose captions hold the score.
enum class SheetLabel { Score, Extras, OverTotal, ScoreTotal, Wickets };

class TableOps {
 public:
  virtual ~TableOps() = default;

  // The face in the middle of the table for `position` shows `card` of type
  // `position` at scale 0.9; card 0 hides it.
  virtual void ShowPlayedCard(int position, int card) = 0;
  // Redraws the four hands and the played cards from `viewingPosition`; the
  // table reads Hand and PlayedCards from the match state.
  virtual void ShowCards(int viewingPosition) = 0;

  // A score-sheet caption changed (the match keeps the captions).
  virtual void SetCaption(SheetLabel label, int index, const std::string& text) = 0;
  virtual void SetPenVisible(bool visible) = 0;
  // Puts the pen's tip at (x, y) twips, then pauses 100 ms while the table
  // goes on serving events. Other match events may run inside this call.
  virtual void PlacePen(int x, int y) = 0;

  // The notepad's label and its Continue button.
  virtual void SetNotepadText(const std::string& text) = 0;
  virtual void SetContinueVisible(bool visible) = 0;

  // The mode buttons (0 "Play Mode", 1 "Demo Mode"), the speed label and bar,
  // and the demo timer.
  virtual void SetModeChecked(int index) = 0;
  virtual void SetDemoControlsVisible(bool visible) = 0;
  virtual void SetAutoPlayTimerRunning(bool running) = 0;
  virtual void SetAutoPlayInterval(int milliseconds) = 0;
  virtual int DemoSpeed() const = 0;  // the scroll bar's value

  // The four name labels: marked[person] true draws it opaque (its yellow shows).
  virtual void SetHighlight(const std::array<bool, 5>& marked) = 0;

  // Set-up.
  virtual void SetCopyright(const std::string& text) = 0;
  // The modal name prompt; Cancel or closing it gives the empty text.
  virtual std::string AskPlayerName(const std::string& prompt, const std::string& defaultName) = 0;
  virtual void SetPlayerNameLabel(int person, const std::string& name) = 0;
  virtual void SetHomeTeamName(const std::string& name) = 0;
  // The hidden face shows card 1 of `cardType`, so that type's art is loaded.
  virtual void PreloadCardArt(int cardType) = 0;

  // The last message of the match: the table window closes.
  virtual void CloseTable() = 0;
};

// A table that ignores everything: what the match talks to once the window
// has gone, and a base for tables that care about only a few operations.
class NullTable : public TableOps {
 public:
  void ShowPlayedCard(int, int) override {}
  void ShowCards(int) override {}
  void SetCaption(SheetLabel, int, const std::string&) override {}
  void SetPenVisible(bool) override {}
  void PlacePen(int, int) override {}
  void SetNotepadText(const std::string&) override {}
  void SetContinueVisible(bool) override {}
  void SetModeChecked(int) override {}
  void SetDemoControlsVisible(bool) override {}
  void SetAutoPlayTimerRunning(bool) override {}
  void SetAutoPlayInterval(int) override {}
  int DemoSpeed() const override { return 2; }
  void SetHighlight(const std::array<bool, 5>&) override {}
  void SetCopyright(const std::string&) override {}
  std::string AskPlayerName(const std::string&, const std::string& defaultName) override { return defaultName; }
  void SetPlayerNameLabel(int, const std::string&) override {}
  void SetHomeTeamName(const std::string&) override {}
  void PreloadCardArt(int) override {}
  void CloseTable() override {}
};

// Told of every event of a match in the order it happens: the record from
// which a match can be replayed and a fault shown.
class MatchTrace {
 public:
  virtual ~MatchTrace() = default;
  virtual void OnRandom(float) {}
  virtual void OnMessage(float) {}
  virtual void OnNotepadText(const std::string&) {}
  virtual void OnPlay(int /*position*/, int /*slot*/, int /*card*/) {}
  virtual void OnCaption(SheetLabel, int /*index*/, const std::string&) {}
  virtual void OnMode(bool /*demo*/) {}
  virtual void OnHighlight(const std::array<bool, 5>& /*marked*/) {}
  virtual void OnClose() {}
};

const char* SheetLabelName(SheetLabel label);

}  // namespace tanvorel
