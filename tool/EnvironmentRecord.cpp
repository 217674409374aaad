#include "EnvironmentRecord.h"

void EnvironmentRecord::ResetStatistics() {
  losses = lost = streak = stype = wins = won = 0;
  messages = quick = dblclick = kAbsent;
}
