#include "SettingsStore.h"

#include "StoreNames.h"
#include "TextNumber.h"

namespace nuvari {
namespace {

namespace names = store_names;

bool IsGoneOrDeleted(LONG status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

}  // namespace

std::string SettingsStore::ReadText(const char* section, const std::string& entry) const {
  return m_app.GetProfileString(section, entry);
}

std::int32_t SettingsStore::ReadNumber(const char* entry, std::int32_t defaultValue) const {
  return NumberOrDefault(ReadText(names::kFreeCell, entry), defaultValue);
}

bool SettingsStore::WriteText(const char* section, const std::string& entry, const std::string& text) const {
  return m_app.WriteProfileString(section, entry, text.c_str()) != FALSE;
}

bool SettingsStore::WriteNumber(const std::string& entry, std::int32_t value) const {
  return WriteText(names::kFreeCell, entry, FormatInt(value));
}

bool SettingsStore::WriteFlag(const char* entry, std::int32_t value) const {
  return m_app.WriteProfileInt(names::kWindowSize, entry, value) != FALSE;
}

SettingsValues SettingsStore::ReadSettings() const {
  SettingsValues v;
  v.path = ReadText(names::kFreeCell, names::kPath);
  v.gameNo = ReadNumber(names::kGameNo, defaults::kGameNo);
  v.top = ReadNumber(names::kTop, defaults::kTop);
  v.left = ReadNumber(names::kLeft, defaults::kLeft);
  v.idleRow = ReadNumber(names::kIdleRow, defaults::kIdleRow);
  v.autoExit = ReadNumber(names::kAutoExit, defaults::kAutoExit);
  v.gameOverYourWin = ReadNumber(names::kGameOverYourWin, defaults::kGameOverYourWin);
  v.gameOverYourWinCnt = ReadNumber(names::kGameOverYourWinCnt, defaults::kGameOverYourWinCnt);
  return v;
}

std::vector<std::int32_t> SettingsStore::ReadPending() const {
  return ReadPendingList([this](const std::string& name) { return ReadText(names::kFreeCell, name); });
}

bool SettingsStore::WriteSettings(const SettingsValues& v, const std::vector<std::int32_t>& pending,
                                  std::size_t storedPendingCount) const {
  // Every write is tried, so one failure does not leave the others out.
  bool written = WriteText(names::kFreeCell, names::kPath, v.path);
  written = WriteNumber(names::kGameNo, v.gameNo) && written;
  written = WriteNumber(names::kTop, v.top) && written;
  written = WriteNumber(names::kLeft, v.left) && written;
  written = WriteNumber(names::kIdleRow, v.idleRow) && written;
  written = WriteNumber(names::kAutoExit, v.autoExit) && written;
  written = WriteNumber(names::kGameOverYourWin, v.gameOverYourWin) && written;
  written = WriteNumber(names::kGameOverYourWinCnt, v.gameOverYourWinCnt) && written;
  for (std::size_t i = 0; i < pending.size(); ++i)
    written = WriteNumber(names::PendingName(static_cast<int>(i)), pending[i]) && written;
  // Only positions the caller knows to be stored are removed.
  for (std::size_t i = pending.size(); i < storedPendingCount; ++i)
    m_app.WriteProfileString(names::kFreeCell, names::PendingName(static_cast<int>(i)), nullptr);
  return written;
}

PlacementValues SettingsStore::ReadPlacement() const {
  PlacementValues v;
  const std::string rect = ReadText(names::kWindowSize, names::kRect);
  if (!rect.empty()) v.rect = rect;
  v.icon = m_app.GetProfileInt(names::kWindowSize, names::kIcon, defaults::kIcon);
  v.max = m_app.GetProfileInt(names::kWindowSize, names::kMax, defaults::kMax);
  v.tool = m_app.GetProfileInt(names::kWindowSize, names::kTool, defaults::kTool);
  v.status = m_app.GetProfileInt(names::kWindowSize, names::kStatus, defaults::kStatus);
  return v;
}

bool SettingsStore::WritePlacement(const PlacementValues& v) const {
  bool written = WriteText(names::kWindowSize, names::kRect, v.rect);
  written = WriteFlag(names::kIcon, v.icon) && written;
  written = WriteFlag(names::kMax, v.max) && written;
  written = WriteFlag(names::kTool, v.tool) && written;
  written = WriteFlag(names::kStatus, v.status) && written;
  return written;
}

bool SettingsStore::Delete() const {
  const std::string application = "Software\\" + m_app.m_strRegistryKey + "\\" + m_app.m_strAppName;
  bool deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, (application + "\\" + names::kFreeCell).c_str()));
  deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, (application + "\\" + names::kWindowSize).c_str())) &&
            deleted;
  deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, application.c_str())) && deleted;
  return deleted;
}

}  // namespace nuvari
