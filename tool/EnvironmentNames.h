// Section and key names shared by the environment file and the supervisor's registry keys: the file
// carries each value under the name the registry gives it.
#pragma once

#include <string>

#include "StoreNames.h"

namespace environment_names {

// The supervisor's registry names, and the file's own section for FreeCell's statistics.
using namespace nuvari::store_names;

inline constexpr char kFreeCellData[] = "FreeCellData";

inline constexpr char kLosses[] = "losses";
inline constexpr char kLost[] = "lost";
inline constexpr char kStreak[] = "streak";
inline constexpr char kStype[] = "stype";
inline constexpr char kWins[] = "wins";
inline constexpr char kWon[] = "won";
inline constexpr char kMessages[] = "messages";
inline constexpr char kQuick[] = "quick";
inline constexpr char kDblclick[] = "dblclick";

}  // namespace environment_names
