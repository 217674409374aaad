#include "FileReplacement.h"

#include <windows.h>

#include "FileSystem.h"

bool ReplaceWithFreshFile(const std::string& fresh, const std::string& target) {
  if (MoveFileExA(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  return ReplaceStepwise(fresh, target);
}

bool ReplaceStepwise(const std::string& fresh, const std::string& target) {
  const std::string aside = target + ".old";
  DeleteFileA(aside.c_str());
  const bool hadOld = fw::FileExists(target);
  if (hadOld && !MoveFileA(target.c_str(), aside.c_str())) return false;
  if (!MoveFileA(fresh.c_str(), target.c_str())) {
    if (hadOld) MoveFileA(aside.c_str(), target.c_str());  // the old file comes back
    return false;
  }
  if (hadOld) DeleteFileA(aside.c_str());
  return true;
}
