#include "EnvironmentFile.h"

#include <windows.h>

#include <vector>

#include "EnvironmentNames.h"
#include "FileReplacement.h"
#include "FileSystem.h"
#include "TextNumber.h"

namespace names = environment_names;

namespace {

struct Entry {
  const char* section;
  std::string key;
  std::string value;
};

Entry Number(const char* section, std::string key, std::int32_t value) {
  return {section, std::move(key), nuvari::FormatInt(value)};
}

// Every entry of the file in its written order: each section after the last, each key at its end.
std::vector<Entry> EntriesOf(const EnvironmentRecord& r) {
  std::vector<Entry> entries = {
      {names::kFreeCell, names::kPath, r.Path},
      Number(names::kFreeCell, names::kGameNo, r.GameNo),
      Number(names::kFreeCell, names::kTop, r.Top),
      Number(names::kFreeCell, names::kLeft, r.Left),
      Number(names::kFreeCell, names::kIdleRow, r.IdleRow),
      Number(names::kFreeCell, names::kAutoExit, r.AutoExit),
      Number(names::kFreeCell, names::kGameOverYourWin, r.GameOverYourWin),
      Number(names::kFreeCell, names::kGameOverYourWinCnt, r.GameOverYourWinCnt),
  };
  for (std::size_t i = 0; i < r.Pending.size(); ++i)
    entries.push_back(Number(names::kFreeCell, names::PendingName(static_cast<int>(i)), r.Pending[i]));
  const std::vector<Entry> rest = {
      {names::kWindowSize, names::kRect, r.Rect},
      Number(names::kWindowSize, names::kIcon, r.icon),
      Number(names::kWindowSize, names::kMax, r.max),
      Number(names::kWindowSize, names::kTool, r.tool),
      Number(names::kWindowSize, names::kStatus, r.status),
      Number(names::kFreeCellData, names::kLosses, r.losses),
      Number(names::kFreeCellData, names::kLost, r.lost),
      Number(names::kFreeCellData, names::kStreak, r.streak),
      Number(names::kFreeCellData, names::kStype, r.stype),
      Number(names::kFreeCellData, names::kWins, r.wins),
      Number(names::kFreeCellData, names::kWon, r.won),
      Number(names::kFreeCellData, names::kMessages, r.messages),
      Number(names::kFreeCellData, names::kQuick, r.quick),
      Number(names::kFreeCellData, names::kDblclick, r.dblclick),
  };
  entries.insert(entries.end(), rest.begin(), rest.end());
  return entries;
}

}  // namespace

EnvironmentSections EnvironmentFile::ReadSections() const {
  return {ProfileSection(m_file.ReadSection(names::kFreeCell)), ProfileSection(m_file.ReadSection(names::kWindowSize)),
          ProfileSection(m_file.ReadSection(names::kFreeCellData))};
}

void EnvironmentFile::ReadOptionCarryOver(EnvironmentRecord& r) const {
  ReadQuickAndDblclick(ProfileSection(m_file.ReadSection(names::kFreeCellData)), r);
}

bool EnvironmentFile::Save(const EnvironmentRecord& record) const {
  const PrivateProfile fresh(FreshFilePath());
  // A leftover of an interrupted export would mix its entries into the new file.
  DeleteFileA(fresh.GetPath().c_str());
  bool written = !fw::FileExists(fresh.GetPath());
  for (const Entry& entry : EntriesOf(record)) {
    if (!written) break;
    written = fresh.WriteText(entry.section, entry.key, entry.value.c_str());
  }
  // The system may still hold the entries in its cache (the Windows 95 family does): out with them first.
  if (written) WritePrivateProfileStringA(nullptr, nullptr, nullptr, fresh.GetPath().c_str());
  if (written) written = ReplaceWithFreshFile(fresh.GetPath(), m_file.GetPath());
  if (!written) DeleteFileA(fresh.GetPath().c_str());
  return written;
}
