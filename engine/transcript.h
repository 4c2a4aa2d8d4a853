#pragma once
// The transcript of a match: one JSON object a line for every event, in the
// order they happen. With it any match can be replayed and any fault shown.

#include <ostream>
#include <string>

#include "engine/table_ops.h"

namespace tanvorel {

// A string as a JSON string literal: quotes, backslashes and control
// characters escaped (character 13 as \r); other bytes pass unchanged.
std::string JsonString(const std::string& text);

class TranscriptWriter : public MatchTrace {
 public:
  explicit TranscriptWriter(std::ostream& out) : out_(out) {}

  void BeginMatch(long long seed, const std::string& name);
  void EndMatch(int t1, int w1, int t2, int w2);

  void OnRandom(float r) override;
  void OnMessage(float number) override;
  void OnNotepadText(const std::string& text) override;
  void OnPlay(int position, int slot, int card) override;
  void OnCaption(SheetLabel label, int index, const std::string& text) override;
  void OnMode(bool demo) override;
  void OnHighlight(const std::array<bool, 5>& marked) override;
  void OnClose() override;

 private:
  std::ostream& out_;
};

}  // namespace tanvorel
