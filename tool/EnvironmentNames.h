// Section and key names shared by the environment file and the supervisor's registry keys: the file
// carries each value under the name the registry gives it.
#pragma once

#include <string>

#include "TextNumber.h"

namespace environment_names {

inline constexpr char kFreeCell[] = "FreeCell";
inline constexpr char kWindowSize[] = "Window size";
inline constexpr char kFreeCellData[] = "FreeCellData";

inline constexpr char kPath[] = "Path";
inline constexpr char kGameNo[] = "GameNo";
inline constexpr char kTop[] = "Top";
inline constexpr char kLeft[] = "Left";
inline constexpr char kIdleRow[] = "IdleRow";
inline constexpr char kAutoExit[] = "AutoExit";
inline constexpr char kGameOverYourWin[] = "GameOverYourWin";
inline constexpr char kGameOverYourWinCnt[] = "GameOverYourWinCnt";

inline constexpr char kRect[] = "Rect";
inline constexpr char kIcon[] = "icon";
inline constexpr char kMax[] = "max";
inline constexpr char kTool[] = "tool";
inline constexpr char kStatus[] = "status";

inline constexpr char kLosses[] = "losses";
inline constexpr char kLost[] = "lost";
inline constexpr char kStreak[] = "streak";
inline constexpr char kStype[] = "stype";
inline constexpr char kWins[] = "wins";
inline constexpr char kWon[] = "won";
inline constexpr char kMessages[] = "messages";
inline constexpr char kQuick[] = "quick";
inline constexpr char kDblclick[] = "dblclick";

// "Pending" followed by the index in decimal, from 0.
inline std::string PendingKey(int index) { return "Pending" + nuvari::FormatInt(index); }

}  // namespace environment_names
