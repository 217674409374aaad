// EnvironmentRecord: one player's environment data as the tool moves it between the registry,
// FreeCell's statistics store and an environment file. Every command fills it completely from its
// source before writing it anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The window rectangle a store without one gives (the supervisor's own default placement).
inline constexpr char kDefaultRect[] = "0010 0010 0550 0500";

struct EnvironmentRecord {
  // The supervisor's settings (registry subkey FreeCell).
  std::string Path;
  std::int32_t GameNo = 1;
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t IdleRow = 0;
  std::int32_t AutoExit = 1;
  std::int32_t GameOverYourWin = 0;
  std::int32_t GameOverYourWinCnt = 1;
  std::vector<std::int32_t> Pending;

  // The supervisor's main window (registry subkey Window size); Rect is copied without parsing.
  std::string Rect = kDefaultRect;
  std::int32_t icon = 0;
  std::int32_t max = 0;
  std::int32_t tool = 1;
  std::int32_t status = 1;

  // FreeCell's statistics counters and option values; kAbsent marks an option FreeCell does not hold.
  static constexpr std::int32_t kAbsent = -1;
  std::int32_t losses = 0;
  std::int32_t lost = 0;
  std::int32_t streak = 0;
  std::int32_t stype = 0;
  std::int32_t wins = 0;
  std::int32_t won = 0;
  std::int32_t messages = kAbsent;
  std::int32_t quick = kAbsent;
  std::int32_t dblclick = kAbsent;

  // Counters to 0 and options absent: what a store that cannot be read leaves behind.
  void ResetStatistics();
};
