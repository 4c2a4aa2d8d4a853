#include "art/card_faces.h"

namespace tanvorel {

namespace {

constexpr CardSide B = CardSide::Black;
constexpr CardSide G = CardSide::Grey;
constexpr CardExtra N = CardExtra::None;

constexpr std::array<BowlingFace, kBowlingFaceCount> kBowling = {{
    // 1-18: black band, leg side.
    {1, "Yorker", B, N}, {1, "Yorker", B, N}, {1, "Jaffa", B, N},
    {2, "Back of a Length", B, N}, {2, "Flipper", B, N}, {2, "Grubber", B, N},
    {3, "Out Swinger", B, N}, {3, "Off Break", B, N}, {3, "Googly", B, N},
    {4, "Slower One", B, N}, {4, "Half Volley", B, N}, {4, "Leg Spin", B, N},
    {5, "Leg Cutter", B, N}, {5, "Half Volley", B, N}, {5, "Full Toss", B, N},
    {7, "Long Hop", B, N}, {7, "Loosener", B, N}, {7, "Loosener", B, N},
    // 19-36: grey band, on side.
    {1, "In Swinging Yorker", G, N}, {1, "Reverse Swing", G, N}, {1, "Arm Ball", G, N},
    {2, "In Swinger", G, N}, {2, "Seamer", G, N}, {2, "Arm Ball", G, N},
    {3, "Off Cutter", G, N}, {3, "Seamer", G, N}, {3, "Slow Ball", G, N},
    {4, "In Swinger", G, N}, {4, "Over Pitched", G, N}, {4, "Top Spin", G, N},
    {5, "Bouncer", G, N}, {5, "Over Pitched", G, N}, {5, "Off Spin", G, N},
    {7, "Full Toss", G, N}, {7, "Long Hop", G, N}, {7, "Loosener", G, N},
    // 37-40: the red extras, no value printed.
    {0, "Wide", CardSide::None, CardExtra::Wide},
    {0, "Wide", CardSide::None, CardExtra::Wide},
    {0, "No Ball", CardSide::None, CardExtra::NoBall},
    {0, "No Ball", CardSide::None, CardExtra::NoBall},
}};

constexpr CardGroup Bl = CardGroup::Blue;
constexpr CardGroup Or = CardGroup::Orange;
constexpr CardGroup Pu = CardGroup::Purple;
constexpr CardGroup Gr = CardGroup::Green;

constexpr std::array<BattingFace, kBattingFaceCount> kBatting = {{
    // 1-18: blue, black tab, hit down and to the left.
    {0, "Block", B, Bl}, {0, "Block", B, Bl}, {0, "Push", B, Bl},
    {1, "Chip", B, Bl}, {1, "Chip", B, Bl}, {1, "Push", B, Bl},
    {2, "Off Drive", B, Bl}, {2, "Square Drive", B, Bl}, {2, "Cover Drive", B, Bl},
    {3, "Straight Drive", B, Bl}, {3, "Slog", B, Bl}, {3, "Off Drive", B, Bl},
    {4, "Square Drive", B, Bl}, {4, "Cover Drive", B, Bl}, {4, "Lofted Drive", B, Bl},
    {6, "Straight Drive", B, Bl}, {6, "Slog", B, Bl}, {6, "Lofted Drive", B, Bl},
    // 19-36: orange, grey tab, down and to the right.
    {0, "Block", G, Or}, {0, "Block", G, Or}, {0, "Fend", G, Or},
    {1, "Chip", G, Or}, {1, "Push", G, Or}, {1, "Push", G, Or},
    {2, "Chip", G, Or}, {2, "On Drive", G, Or}, {2, "Cross Batted Shot", G, Or},
    {3, "On Drive", G, Or}, {3, "Slog", G, Or}, {3, "Agricultural Shot", G, Or},
    {4, "Pull", G, Or}, {4, "Straight Drive", G, Or}, {4, "Lofted Drive", G, Or},
    {6, "Lofted Drive", G, Or}, {6, "Cross Batted Shot", G, Or}, {6, "Agricultural Shot", G, Or},
    // 37-48: purple, black tab, up and to the left.
    {0, "Thin Edge", B, Pu}, {0, "Thick Edge", B, Pu},
    {1, "Thin Edge", B, Pu}, {1, "Thick Edge", B, Pu},
    {2, "Reverse Sweep", B, Pu}, {2, "Late Cut", B, Pu},
    {3, "Square Cut", B, Pu}, {3, "Back Cut", B, Pu},
    {4, "Reverse Sweep", B, Pu}, {4, "Late Cut", B, Pu},
    {6, "Square Cut", B, Pu}, {6, "Back Cut", B, Pu},
    // 49-60: green, grey tab, up and to the right.
    {0, "French Cut", G, Gr}, {0, "Fend", G, Gr},
    {1, "French Cut", G, Gr}, {1, "Paddle", G, Gr},
    {2, "Paddle", G, Gr}, {2, "Leg Glance", G, Gr},
    {3, "Leg Glance", G, Gr}, {3, "Sweep", G, Gr},
    {4, "Sweep", G, Gr}, {4, "Hook", G, Gr},
    {6, "Hook", G, Gr}, {6, "Pull", G, Gr},
}};

constexpr bool C = true;   // catching hand
constexpr bool o = false;  // no catching hand

constexpr std::array<FieldingFace, kFieldingFaceCount> kFielding = {{
    // 1-18: blue.
    {0, "Silly Point", Bl, C}, {0, "Silly Point", Bl, o}, {0, "Short Mid Off", Bl, o},
    {1, "Short Mid Off", Bl, C}, {1, "Short Mid Off", Bl, o}, {1, "Point", Bl, o},
    {2, "Point", Bl, C}, {2, "Cover Point", Bl, o}, {2, "Cover Point", Bl, o},
    {3, "Cover", Bl, C}, {3, "Cover", Bl, o}, {3, "Cover", Bl, o},
    {4, "Mid Off", Bl, C}, {4, "Long Off", Bl, o}, {4, "Cover Sweeper", Bl, o},
    {6, "Mid Off", Bl, o}, {6, "Long Off", Bl, C}, {6, "Cover Sweeper", Bl, o},
    // 19-36: orange.
    {0, "Short Leg", Or, C}, {0, "Short Mid On", Or, o}, {0, "Short Mid On", Or, o},
    {1, "Short Leg", Or, C}, {1, "Short Leg", Or, o}, {1, "Short Mid On", Or, o},
    {2, "Mid Wicket", Or, C}, {2, "Mid On", Or, o}, {2, "Mid Wicket", Or, o},
    {3, "Mid On", Or, C}, {3, "Mid Wicket", Or, o}, {3, "Mid On", Or, o},
    {4, "Deep Mid Wicket", Or, C}, {4, "Deep Mid Wicket", Or, o}, {4, "Long On", Or, o},
    {6, "Deep Square Leg", Or, C}, {6, "Long On", Or, o}, {6, "Deep Square Leg", Or, o},
    // 37-48: purple.
    {0, "First Slip", Pu, C}, {0, "First Slip", Pu, o},
    {1, "Second Slip", Pu, C}, {1, "Second Slip", Pu, o},
    {2, "Third Slip", Pu, C}, {2, "Third Slip", Pu, o},
    {3, "Fourth Slip", Pu, C}, {3, "Gully", Pu, o},
    {4, "Third Man", Pu, C}, {4, "Third Man", Pu, o},
    {6, "Deep Point", Pu, C}, {6, "Deep Point", Pu, o},
    // 49-60: green.
    {0, "Backward Short Leg", Gr, C}, {0, "Short Fine Leg", Gr, o},
    {1, "Short Square Leg", Gr, C}, {1, "Backward Short Leg", Gr, o},
    {2, "Short Square Leg", Gr, C}, {2, "Short Fine Leg", Gr, o},
    {3, "Deep Fine Leg", Gr, C}, {3, "Long Leg", Gr, o},
    {4, "Deep Square Leg", Gr, o}, {4, "Long Leg", Gr, C},
    {6, "Deep Square Leg", Gr, C}, {6, "Deep Fine Leg", Gr, o},
}};

}  // namespace

const std::array<BowlingFace, kBowlingFaceCount>& BowlingFaces() { return kBowling; }
const std::array<BattingFace, kBattingFaceCount>& BattingFaces() { return kBatting; }
const std::array<FieldingFace, kFieldingFaceCount>& FieldingFaces() { return kFielding; }

std::string_view SideWord(CardSide side) {
  switch (side) {
    case CardSide::Black: return "Black";
    case CardSide::Grey: return "Grey";
    case CardSide::None: break;
  }
  return {};
}

std::string_view GroupWord(CardGroup group) {
  switch (group) {
    case CardGroup::Blue: return "Blue";
    case CardGroup::Orange: return "Orange";
    case CardGroup::Purple: return "Purple";
    case CardGroup::Green: return "Green";
    case CardGroup::None: break;
  }
  return {};
}

std::string_view ExtraWord(CardExtra extra) {
  switch (extra) {
    case CardExtra::Wide: return "Wide";
    case CardExtra::NoBall: return "No Ball";
    case CardExtra::None: break;
  }
  return {};
}

}  // namespace tanvorel
