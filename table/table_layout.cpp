#include "table/table_layout.h"

namespace tanvorel {

const std::array<TwipRect, 10> kHandFan = {{
    {},
    {3090, 5850, 2295, 2100},
    {5970, 5730, 2175, 3255},
    {4050, 5730, 2175, 2100},
    {5010, 5610, 2175, 2100},
    {7890, 5970, 2175, 3255},
    {6930, 5850, 2175, 3255},
    {2130, 5970, 2175, 3255},
    {1170, 6090, 2175, 3255},
    {8850, 6090, 1545, 3255},
}};

namespace {
constexpr int kSideWidth = 2055;
constexpr int kSideHeight = 1095;
}  // namespace

const std::array<TwipRect, 9> kBacksLeft = {{
    {810, 3510, kSideWidth, kSideHeight}, {720, 3735, kSideWidth, kSideHeight}, {630, 3960, kSideWidth, kSideHeight},
    {540, 4230, kSideWidth, kSideHeight}, {450, 4440, kSideWidth, kSideHeight}, {360, 4680, kSideWidth, kSideHeight},
    {270, 4950, kSideWidth, kSideHeight}, {180, 5160, kSideWidth, kSideHeight}, {105, 5400, kSideWidth, kSideHeight},
}};

const std::array<TwipRect, 9> kBacksRight = {{
    {9810, 3960, kSideWidth, kSideHeight},  {9960, 4320, kSideWidth, kSideHeight},
    {9930, 4155, kSideWidth, kSideHeight},  {10080, 4500, kSideWidth, kSideHeight},
    {10170, 4680, kSideWidth, kSideHeight}, {10260, 4860, kSideWidth, kSideHeight},
    {10350, 5055, kSideWidth, kSideHeight}, {10440, 5220, kSideWidth, kSideHeight},
    {10530, 5400, kSideWidth, kSideHeight},
}};

const std::array<TwipRect, 9> kBacksOpposite = [] {
  std::array<TwipRect, 9> rects{};
  for (int i = 0; i < 9; ++i) rects[static_cast<std::size_t>(i)] = {4290 + 240 * i, 2610, 855, 1095};
  return rects;
}();

const std::array<TwipRect, 5> kPlayedCards = {{
    {},
    {3330, 3780, 1815, 2895},
    {4290, 3690, 1815, 2895},
    {5220, 3780, 1815, 2895},
    {4290, 3690, 1815, 2895},
}};

const std::array<TwipRect, 5> kPlayerNameRects = {{
    {},
    {9600, 6585, 2220, 255},  // Uncle Marlo, right of the table
    {4485, 7830, 2220, 255},  // the human, at the bottom
    {45, 6555, 2220, 255},    // Dad, left
    {4260, 2310, 2220, 255},  // Venna, opposite
}};

const std::array<TeamNameLabel, 12> kTeamNameLabels = {{
    {{8055, 360, 1050, 255}, nullptr},
    {{10065, 465, 720, 375}, "D"},
    {{7890, 345, 720, 375}, "+"},
    {{7515, 360, 720, 375}, "Venna"},
    {{11115, 750, 720, 375}, "e"},
    {{11040, 720, 720, 375}, "l"},
    {{10935, 705, 720, 375}, "c"},
    {{10845, 660, 720, 375}, "n"},
    {{10680, 630, 720, 375}, "U"},
    {{10515, 600, 720, 375}, "+"},
    {{10320, 540, 720, 375}, "d "},
    {{10200, 510, 720, 375}, "a"},
}};

TableView ComputeTableView(const MatchState& state, int s) {
  TableView view;
  if (s < 1 || s > 4) return view;
  const int l = LeftOf(s), o = OppositeOf(s), r = RightOf(s);
  auto hand = [&](int position, int slot) { return state.Hand[static_cast<std::size_t>(position)][static_cast<std::size_t>(slot)]; };
  for (int i = 1; i <= 9; ++i) {
    view.hand[static_cast<std::size_t>(i)] = {hand(s, i), s, 1.0, i};
    const double sideScale = 0.7 + 0.005 * i;
    view.left[static_cast<std::size_t>(i - 1)] = {hand(l, i) != 0, l + 4, sideScale};
    view.opposite[static_cast<std::size_t>(i - 1)] = {hand(o, i) != 0, o, 0.5};
    view.right[static_cast<std::size_t>(i - 1)] = {hand(r, i) != 0, r + 4, sideScale};
  }
  for (int k = 1; k <= 4; ++k) view.played[static_cast<std::size_t>(k)] = {state.PlayedCards[static_cast<std::size_t>(k)], k, 0.9, 0};
  return view;
}

}  // namespace tanvorel
