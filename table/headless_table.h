#pragma once
// A table without a screen, for the simulator and the tests: it remembers
// what a window would show, answers the name prompt with a set name and
// never pauses.

#include <array>
#include <functional>
#include <string>

#include "engine/table_ops.h"

namespace tanvorel {

class HeadlessTable : public TableOps {
 public:
  explicit HeadlessTable(std::string name = "The New Guy") : name_(std::move(name)) {}

  void ShowPlayedCard(int position, int card) override { playedShown[static_cast<std::size_t>(position)] = card; }
  void ShowCards(int viewingPosition) override {
    ++showCardsCalls;
    lastViewingPosition = viewingPosition;
  }
  void SetCaption(SheetLabel, int, const std::string&) override {}
  void SetPenVisible(bool visible) override { penVisible = visible; }
  void PlacePen(int x, int y) override {
    ++penStops;
    penX = x;
    penY = y;
    if (onPenStop) onPenStop();
  }
  void SetNotepadText(const std::string& text) override { notepadText = text; }
  void SetContinueVisible(bool visible) override { continueVisible = visible; }
  void SetModeChecked(int index) override { modeChecked = index; }
  void SetDemoControlsVisible(bool visible) override { demoControlsVisible = visible; }
  void SetAutoPlayTimerRunning(bool running) override { timerRunning = running; }
  void SetAutoPlayInterval(int milliseconds) override { timerInterval = milliseconds; }
  int DemoSpeed() const override { return demoSpeed; }
  void SetHighlight(const std::array<bool, 5>& marked) override { highlighted = marked; }
  void SetCopyright(const std::string& text) override { copyright = text; }
  std::string AskPlayerName(const std::string& prompt, const std::string&) override {
    namePrompt = prompt;
    if (onNamePrompt) onNamePrompt();
    return name_;
  }
  void SetPlayerNameLabel(int person, const std::string& name) override {
    nameLabels[static_cast<std::size_t>(person)] = name;
  }
  void SetHomeTeamName(const std::string& name) override { homeTeamName = name; }
  void PreloadCardArt(int cardType) override { preloaded[static_cast<std::size_t>(cardType)] = true; }
  void CloseTable() override { closed = true; }

  // What a window would show now.
  std::array<int, 5> playedShown{};
  int showCardsCalls = 0;
  int lastViewingPosition = 0;
  bool penVisible = false;
  int penStops = 0;
  int penX = 0, penY = 0;
  std::string notepadText = " ";
  bool continueVisible = true;
  int modeChecked = -1;
  bool demoControlsVisible = true;
  bool timerRunning = true;   // the demo timer runs from the moment the window exists
  int timerInterval = 100;
  int demoSpeed = 2;
  std::array<bool, 5> highlighted{};
  std::string copyright;
  std::string namePrompt;
  std::array<std::string, 5> nameLabels;
  std::string homeTeamName;
  std::array<bool, 5> preloaded{};
  bool closed = false;

  // Hooks for tests: events that a real window could serve during a pause
  // or while the name prompt is open.
  std::function<void()> onPenStop;
  std::function<void()> onNamePrompt;

 private:
  std::string name_;
};

}  // namespace tanvorel
