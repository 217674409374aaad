// EnvironmentRecord: one player's environment data as the tool moves it between the registry,
// FreeCell's statistics store and an environment file. Every command fills it completely from its
// source before writing it anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "StoredValues.h"

struct EnvironmentRecord {
  // The supervisor's settings (registry subkey FreeCell).
  std::string Path;
  std::int32_t GameNo = nuvari::defaults::kGameNo;
  std::int32_t Top = nuvari::defaults::kTop;
  std::int32_t Left = nuvari::defaults::kLeft;
  std::int32_t IdleRow = nuvari::defaults::kIdleRow;
  std::int32_t AutoExit = nuvari::defaults::kAutoExit;
  std::int32_t GameOverYourWin = nuvari::defaults::kGameOverYourWin;
  std::int32_t GameOverYourWinCnt = nuvari::defaults::kGameOverYourWinCnt;
  std::vector<std::int32_t> Pending;

  // The supervisor's main window (registry subkey Window size); Rect is copied without parsing.
  std::string Rect = nuvari::DefaultRectText();
  std::int32_t icon = nuvari::defaults::kIcon;
  std::int32_t max = nuvari::defaults::kMax;
  std::int32_t tool = nuvari::defaults::kTool;
  std::int32_t status = nuvari::defaults::kStatus;

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
