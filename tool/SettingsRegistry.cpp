#include "SettingsRegistry.h"

#include "EnvironmentNames.h"
#include "StoredValues.h"
#include "TextNumber.h"

namespace names = environment_names;

namespace {

std::int32_t ReadNumber(fw::CWinApp& app, const char* section, const std::string& entry, const char* defaultText) {
  return nuvari::NumberOrDefault(app.GetProfileString(section, entry), defaultText);
}

bool WriteNumber(fw::CWinApp& app, const char* section, const std::string& entry, std::int32_t value) {
  return app.WriteProfileString(section, entry, nuvari::FormatInt(value).c_str()) != FALSE;
}

bool IsGoneOrDeleted(LONG status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

}  // namespace

void SettingsRegistry::Load(EnvironmentRecord& r) const {
  r.Path = m_app.GetProfileString(names::kFreeCell, names::kPath);
  if (r.Path.empty()) r.Path = nuvari::SearchFreeCell(m_folders);
  r.GameNo = ReadNumber(m_app, names::kFreeCell, names::kGameNo, "1");

  r.Pending = nuvari::ReadPendingList(
      [this](const std::string& name) { return m_app.GetProfileString(names::kFreeCell, name); });

  r.Top = ReadNumber(m_app, names::kFreeCell, names::kTop, "0");
  r.Left = ReadNumber(m_app, names::kFreeCell, names::kLeft, "0");
  r.IdleRow = ReadNumber(m_app, names::kFreeCell, names::kIdleRow, "0");
  r.AutoExit = ReadNumber(m_app, names::kFreeCell, names::kAutoExit, "1");
  r.GameOverYourWin = ReadNumber(m_app, names::kFreeCell, names::kGameOverYourWin, "0");
  r.GameOverYourWinCnt = ReadNumber(m_app, names::kFreeCell, names::kGameOverYourWinCnt, "1");

  r.Rect = m_app.GetProfileString(names::kWindowSize, names::kRect, kDefaultRect);
  if (r.Rect.empty()) r.Rect = kDefaultRect;
  r.icon = m_app.GetProfileInt(names::kWindowSize, names::kIcon, 0);
  r.max = m_app.GetProfileInt(names::kWindowSize, names::kMax, 0);
  r.tool = m_app.GetProfileInt(names::kWindowSize, names::kTool, 1);
  r.status = m_app.GetProfileInt(names::kWindowSize, names::kStatus, 1);
}

std::string SettingsRegistry::StoredPath() const { return m_app.GetProfileString(names::kFreeCell, names::kPath); }

void SettingsRegistry::LoadWindowPosition(EnvironmentRecord& r) const {
  r.Top = ReadNumber(m_app, names::kFreeCell, names::kTop, "0");
  r.Left = ReadNumber(m_app, names::kFreeCell, names::kLeft, "0");
  r.Rect = m_app.GetProfileString(names::kWindowSize, names::kRect, kDefaultRect);
  if (r.Rect.empty()) r.Rect = kDefaultRect;
}

bool SettingsRegistry::Save(const EnvironmentRecord& r) const {
  // Every write is tried, so one failure does not leave the others out.
  bool written = m_app.WriteProfileString(names::kFreeCell, names::kPath, r.Path.c_str()) != FALSE;
  written = WriteNumber(m_app, names::kFreeCell, names::kGameNo, r.GameNo) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kTop, r.Top) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kLeft, r.Left) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kIdleRow, r.IdleRow) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kAutoExit, r.AutoExit) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kGameOverYourWin, r.GameOverYourWin) && written;
  written = WriteNumber(m_app, names::kFreeCell, names::kGameOverYourWinCnt, r.GameOverYourWinCnt) && written;
  for (std::size_t i = 0; i < r.Pending.size(); ++i)
    written = WriteNumber(m_app, names::kFreeCell, names::PendingName(static_cast<int>(i)), r.Pending[i]) && written;

  written = m_app.WriteProfileString(names::kWindowSize, names::kRect, r.Rect.c_str()) != FALSE && written;
  written = m_app.WriteProfileInt(names::kWindowSize, names::kIcon, r.icon) != FALSE && written;
  written = m_app.WriteProfileInt(names::kWindowSize, names::kMax, r.max) != FALSE && written;
  written = m_app.WriteProfileInt(names::kWindowSize, names::kTool, r.tool) != FALSE && written;
  written = m_app.WriteProfileInt(names::kWindowSize, names::kStatus, r.status) != FALSE && written;
  return written;
}

std::string SettingsRegistry::ApplicationKeyPath() const {
  return "Software\\" + m_app.m_strRegistryKey + "\\" + m_app.m_strAppName;
}

bool SettingsRegistry::Delete() const {
  const std::string application = ApplicationKeyPath();
  bool deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, (application + "\\" + names::kFreeCell).c_str()));
  deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, (application + "\\" + names::kWindowSize).c_str())) &&
            deleted;
  deleted = IsGoneOrDeleted(RegDeleteKeyA(HKEY_CURRENT_USER, application.c_str())) && deleted;
  return deleted;
}
