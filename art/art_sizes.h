#pragma once
// The designed pixel size of every picture the program draws.

#include <QSize>

namespace tanvorel {

inline constexpr QSize kFaceSize{169, 263};
inline constexpr QSize kBackUprightSize{114, 177};
inline constexpr QSize kBackSidewaysSize{177, 114};
inline constexpr QSize kTitleSize{625, 228};
inline constexpr QSize kScoreBookSize{990, 832};
inline constexpr QSize kNotepadPageSize{192, 222};
inline constexpr QSize kFarewellBoxSize{344, 270};
inline constexpr QSize kFarewellBatterSize{280, 624};
inline constexpr QSize kDefaultFaceSize{337, 526};
inline constexpr QSize kDefaultBackSize{114, 177};
inline constexpr QSize kIconSize{256, 256};

}  // namespace tanvorel
