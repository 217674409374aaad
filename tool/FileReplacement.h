// Puts a finished file in the place of an old one without ever leaving neither.
#pragma once

#include <string>

// The fresh file takes the target's name, replacing it. Where the system cannot replace in one
// step (the Windows 95 family has no MoveFileEx), the old file steps aside first and is removed
// only once the fresh one is in place. False when the target was left as it was.
bool ReplaceWithFreshFile(const std::string& fresh, const std::string& target);

// The stepwise replacement on its own.
bool ReplaceStepwise(const std::string& fresh, const std::string& target);
