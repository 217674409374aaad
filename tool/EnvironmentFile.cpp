#include "EnvironmentFile.h"

#include <windows.h>

#include <vector>

#include "EnvironmentNames.h"
#include "FileReplacement.h"
#include "FileSystem.h"
#include "StoredValues.h"
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

// Integers of section FreeCell are read as text first: a missing entry takes the default, an
// empty one reads as 0.
std::int32_t ReadSettingNumber(const PrivateProfile& file, const char* key, const char* defaultText) {
  return nuvari::ParseLeadingInt(file.ReadText(names::kFreeCell, key, defaultText));
}

}  // namespace

bool EnvironmentFile::Load(EnvironmentRecord& r, WindowsFamily family, const nuvari::FolderQueries& folders) const {
  r.Path = m_file.ReadText(names::kFreeCell, names::kPath, "");
  if (r.Path.empty()) return false;
  if (!folders.exists(r.Path)) {
    const std::string found = nuvari::SearchFreeCell(folders);
    if (!found.empty()) r.Path = found;
  }

  r.GameNo = ReadSettingNumber(m_file, names::kGameNo, "1");

  // The list ends at the first missing or empty entry; entries after a gap are not read.
  r.Pending = nuvari::ReadPendingList(
      [this](const std::string& name) { return m_file.ReadText(names::kFreeCell, name, ""); });

  r.Top = ReadSettingNumber(m_file, names::kTop, "0");
  r.Left = ReadSettingNumber(m_file, names::kLeft, "0");

  const std::string idleRow = m_file.ReadText(names::kFreeCell, names::kIdleRow, "");
  if (idleRow.empty()) return false;
  r.IdleRow = nuvari::ParseLeadingInt(idleRow);
  const std::string autoExit = m_file.ReadText(names::kFreeCell, names::kAutoExit, "");
  if (autoExit.empty()) return false;
  r.AutoExit = nuvari::ParseLeadingInt(autoExit);

  r.GameOverYourWin = ReadSettingNumber(m_file, names::kGameOverYourWin, "0");
  r.GameOverYourWinCnt = ReadSettingNumber(m_file, names::kGameOverYourWinCnt, "1");

  r.Rect = m_file.ReadText(names::kWindowSize, names::kRect, kDefaultRect);
  r.icon = m_file.ReadInt(names::kWindowSize, names::kIcon, 0);
  r.max = m_file.ReadInt(names::kWindowSize, names::kMax, 0);
  r.tool = m_file.ReadInt(names::kWindowSize, names::kTool, 1);
  r.status = m_file.ReadInt(names::kWindowSize, names::kStatus, 1);

  r.losses = m_file.ReadInt(names::kFreeCellData, names::kLosses, 0);
  r.lost = m_file.ReadInt(names::kFreeCellData, names::kLost, 0);
  r.streak = m_file.ReadInt(names::kFreeCellData, names::kStreak, 0);
  r.stype = m_file.ReadInt(names::kFreeCellData, names::kStype, 0);
  r.wins = m_file.ReadInt(names::kFreeCellData, names::kWins, 0);
  r.won = m_file.ReadInt(names::kFreeCellData, names::kWon, 0);
  r.messages = m_file.ReadInt(names::kFreeCellData, names::kMessages, EnvironmentRecord::kAbsent);
  // Only FreeCell on the Windows 95 family keeps these; elsewhere nothing uses them.
  if (family == WindowsFamily::Windows95) ReadOptionCarryOver(r);
  return true;
}

void EnvironmentFile::ReadOptionCarryOver(EnvironmentRecord& r) const {
  r.quick = m_file.ReadInt(names::kFreeCellData, names::kQuick, EnvironmentRecord::kAbsent);
  r.dblclick = m_file.ReadInt(names::kFreeCellData, names::kDblclick, EnvironmentRecord::kAbsent);
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
