#pragma once
// A match on a headless table, set up with the shipped catalogue and a fixed
// seed, with helpers to put the state where a test wants it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/match.h"
#include "table/headless_table.h"

namespace tanvorel::testing {

inline std::string ShippedCatalogue() { return std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini"; }

// Records every event; the order of events is what many tests check.
class EventLog : public MatchTrace {
 public:
  void OnMessage(float n) override { messages.push_back(MessageNumberText(n)); }
  void OnNotepadText(const std::string& t) override { notepad.push_back(t); }
  void OnPlay(int position, int slot, int card) override { plays.push_back({position, slot, card}); }
  void OnCaption(SheetLabel l, int i, const std::string& t) override { captions.push_back({l, i, t}); }
  void OnMode(bool demo) override { modes.push_back(demo); }
  void OnClose() override { ++closes; }
  void OnRandom(float r) override { draws.push_back(r); }

  struct Play {
    int position, slot, card;
  };
  struct Caption {
    SheetLabel label;
    int index;
    std::string text;
  };
  std::vector<std::string> messages;
  std::vector<std::string> notepad;
  std::vector<Play> plays;
  std::vector<Caption> captions;
  std::vector<bool> modes;
  std::vector<float> draws;
  int closes = 0;

  int CaptionWrites(SheetLabel label, int index) const {
    int n = 0;
    for (const Caption& c : captions) n += c.label == label && c.index == index;
    return n;
  }
};

class MatchTest : public ::testing::Test {
 protected:
  // A fresh table and match, set up; a test may call it again to start over.
  void SetUp() override { Restart(); }
  void Restart(const std::string& name = "The New Guy", long long seed = 12345) {
    match.reset();
    table = std::make_unique<HeadlessTable>(name);
    log = std::make_unique<EventLog>();
    match = std::make_unique<Match>(*table);
    match->SetTrace(log.get());
    SetUpOptions options;
    options.cataloguePath = ShippedCatalogue();
    options.seed = seed;
    ASSERT_FALSE(match->SetUp(options).has_value());
  }

  MatchState& S() { return match->State(); }
  const CardRecord& Card(int type, int number) { return S().CardDetails[type][number]; }
  void SetRecord(int type, int number, CardRecord record) {
    S().CardDetails[type][number] = record;
    if (type == 2) S().CardDetails[4][number] = record;
  }
  // Puts the notepad at a whole number so that play may go on.
  void ClearMessages(float whole = 2.0f) { S().MessageNumber = whole; }
  void PressContinue(int times = 1) {
    for (int i = 0; i < times; ++i) match->Command1_Click();
  }
  // Continue until the notepad reaches a whole number.
  void ClickThrough() {
    for (int i = 0; i < 50 && !IsWhole(S().MessageNumber); ++i) match->Command1_Click();
  }
  const std::string& Caption(SheetLabel label, int index) { return match->Sheet().Caption(label, index); }
  std::string Msg() { return MessageNumberText(S().MessageNumber); }

  std::unique_ptr<HeadlessTable> table;
  std::unique_ptr<EventLog> log;
  std::unique_ptr<Match> match;
};

}  // namespace tanvorel::testing
