// Names of the supervisor's stored settings: registry subkeys and values under
// Software\Talvenko\Nuvari, which the tool's environment file carries under the same names.
#pragma once

#include <string>

#include "TextNumber.h"

namespace nuvari::store_names {

// Subkey of the settings record.
inline constexpr char kFreeCell[] = "FreeCell";
inline constexpr char kPath[] = "Path";
inline constexpr char kGameNo[] = "GameNo";
inline constexpr char kTop[] = "Top";
inline constexpr char kLeft[] = "Left";
inline constexpr char kIdleRow[] = "IdleRow";
inline constexpr char kAutoExit[] = "AutoExit";
inline constexpr char kGameOverYourWin[] = "GameOverYourWin";
inline constexpr char kGameOverYourWinCnt[] = "GameOverYourWinCnt";

// "Pending" followed by the position in decimal, from 0, without leading zeros.
inline std::string PendingName(int position) { return "Pending" + FormatInt(position); }

// Subkey of the main window's placement.
inline constexpr char kWindowSize[] = "Window size";
inline constexpr char kRect[] = "Rect";
inline constexpr char kIcon[] = "icon";
inline constexpr char kMax[] = "max";
inline constexpr char kTool[] = "tool";
inline constexpr char kStatus[] = "status";

}  // namespace nuvari::store_names
