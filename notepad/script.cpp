#include "notepad/script.h"

namespace tanvorel {

namespace {

// Commentary steps and the MessageLine each shows.
struct LineStep {
  int tenths;
  int line;
};
constexpr LineStep kLineSteps[] = {
    {15, 5}, {16, 6}, {17, 7}, {18, 8}, {19, 9},  // a bowling card
    {26, 6}, {27, 7}, {28, 8}, {29, 9},           // a scoring shot
    {39, 9},                                      // misfield from another quadrant
    {48, 9},                                      // bowled, LBW or caught
    {59, 9},                                      // a defensive shot, or straight to the fielder
    {68, 8}, {69, 9},                             // runs cut down
    {79, 9},                                      // shocking fielding, or the change of strike
    {87, 7}, {88, 8}, {89, 9},                    // the end of an over
    {98, 8}, {99, 9},                             // first innings all out
    {108, 8}, {109, 9},                           // the first innings' ten overs done
    {116, 6}, {117, 7}, {118, 8},                 // the result
    {128, 8}, {129, 9},                           // an extra
};

}  // namespace

ScriptEntry ScriptFor(int tenths, const MatchState& state) {
  const std::string& LB = state.LineBreak;
  const auto& name = state.PlayerName;
  switch (tenths) {
    case 6:
      return {ScriptAction::ShowText,
              "I shall now show you how to play Tanvorel." + LB + LB + "This notepad displays instructions."};
    case 7:
      return {ScriptAction::ShowText, name[1] + " won the toss, and has decided that " + name[1] + " and " + name[3] +
                                          " will bowl and field first."};
    case 8:
      return {ScriptAction::ShowText, name[2] + " and Venna (sitting opposite " + name[2] + ") are batting, with " +
                                          name[2] + " facing first"};
    case 9:
      return {ScriptAction::ShowText, name[1] + " will start the game by playing a bowling card"};
    case 49:
      return {ScriptAction::ShowText, "When a batter is dismissed, all the batters cards are discarded." + LB +
                                          "A new set of six cards is dealt for the next batter"};
    case 119:
      return {ScriptAction::CloseTable, {}};
    default:
      break;
  }
  for (const LineStep& step : kLineSteps)
    if (step.tenths == tenths) return {ScriptAction::ShowText, state.MessageLine[static_cast<std::size_t>(step.line)]};
  return {ScriptAction::ShowText, MessageNumberText(static_cast<float>(tenths) / 10.0f)};
}

}  // namespace tanvorel
