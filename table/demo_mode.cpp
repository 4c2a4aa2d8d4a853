// Demo mode: the computer also plays the human's cards, and a timer presses
// Continue at the speed chosen on the scroll bar.

#include "engine/match.h"

namespace tanvorel {

std::optional<int> Match::AutoPlayInterval(int speed) {
  static constexpr int kIntervals[] = {10000, 5000, 2000, 1000, 500, 200, 100, 10};
  if (speed < 0 || speed > 7) return std::nullopt;
  return kIntervals[speed];
}

void Match::SelectMode(int index) {
  if (closed_) return;
  const bool on = index != 0;
  table_->SetModeChecked(on ? 1 : 0);
  trace_->OnMode(on);
  table_->SetAutoPlayTimerRunning(on);
  state_.DemoMode = on;
  table_->SetDemoControlsVisible(on);
  if (index == 1) HScroll1_Change();
}

void Match::HScroll1_Change() {
  if (closed_) return;
  table_->SetAutoPlayTimerRunning(false);
  if (const auto interval = AutoPlayInterval(table_->DemoSpeed())) table_->SetAutoPlayInterval(*interval);
  table_->SetAutoPlayTimerRunning(true);
}

void Match::AutoPlayTimer_Timer() {
  if (closed_ || !state_.DemoMode) return;
  Command1_Click();
}

}  // namespace tanvorel
