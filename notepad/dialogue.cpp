// The notepad's dialogue with the user. The message number is at the same
// time the state of play: while it is fractional the user has messages to
// click through and play is suspended; the Continue that reaches a whole
// number hands control back to the match.

#include <cstdio>

#include "engine/match.h"
#include "notepad/script.h"

namespace tanvorel {

std::string MessageNumberText(float number) {
  const int tenths = MessageTenths(number);
  const int sign = tenths < 0 ? -1 : 1;
  const int magnitude = tenths * sign;
  return std::string(sign < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

void Match::SetHelpMessage(const std::string& text) {
  helpMessage_ = text;
  trace_->OnNotepadText(text);
  table_->SetNotepadText(text);
}

void Match::SetContinueVisible(bool visible) {
  continueVisible_ = visible;
  table_->SetContinueVisible(visible);
}

void Match::MessageFromDatabase(float message) {
  if (closed_) return;
  const float before = state_.MessageNumber;
  state_.MessageNumber = static_cast<float>(RoundHalfEven(static_cast<double>(message) * 10.0) / 10.0);
  const int tenths = MessageTenths(state_.MessageNumber);
  trace_->OnMessage(state_.MessageNumber);

  // Back shows the message that was showing, or this one again when none was.
  previousMessage_ = IsWhole(before) ? state_.MessageNumber : before;

  SetContinueVisible(true);
  if (IsWhole(state_.MessageNumber)) {
    SetHelpMessage(kPromptToPlay);
    SetContinueVisible(false);
    return;
  }
  const ScriptEntry entry = ScriptFor(tenths, state_);
  if (entry.action == ScriptAction::CloseTable) {
    CloseTable();
    return;
  }
  SetHelpMessage(entry.text);
}

void Match::ShowMessage(const std::string& text) {
  if (closed_) return;
  SetHelpMessage(text);
}

void Match::Command1_Click() {
  if (closed_) return;
  SetHelpMessage("It is now time to select a card to play");
  SetContinueVisible(false);
  if (!IsWhole(state_.MessageNumber)) MessageFromDatabase(state_.MessageNumber + 0.1f);
  if (closed_) return;
  if (IsWhole(state_.MessageNumber)) {
    if (state_.ResultPending) RecordBall(state_.PendingResult);
    NextTurn();
  }
}

void Match::cmd_Previous_Click() {
  if (closed_) return;
  MessageFromDatabase(previousMessage_);
}

}  // namespace tanvorel
