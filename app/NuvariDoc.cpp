#include "NuvariDoc.h"

#include <algorithm>

#include "DealSequence.h"
#include "FileSystem.h"
#include "FreeCellSearch.h"
#include "StoredValues.h"
#include "TextNumber.h"
#include "WinApp.h"

namespace names = settings_names;

namespace {

fw::CWinApp& App() { return *fw::GetApp(); }

std::string ReadText(const char* entry) { return App().GetProfileString(names::kFreeCell, entry); }

int ReadNumber(const char* entry, const char* defaultText) {
  return nuvari::NumberOrDefault(ReadText(entry), defaultText);
}

void WriteNumber(const std::string& entry, int value) {
  App().WriteProfileString(names::kFreeCell, entry, nuvari::FormatInt(value).c_str());
}

}  // namespace

BOOL CNuvariDoc::OnNewDocument() {
  if (!fw::CDocument::OnNewDocument()) return FALSE;
  ReadSettings();
  UpdateAllViews(nullptr, 0, nullptr);
  return TRUE;
}

BOOL CNuvariDoc::ReadSettings() {
  m_strPath = ReadText(names::kPath);
  // The bare name is kept: the platform finds it again when FreeCell is started.
  if (m_strPath.empty()) m_strPath = nuvari::SearchFreeCell(fw::SystemFolderQueries());

  // FreeCell refuses a number outside its deals, and nothing would be played then.
  m_nGameNo = nuvari::NearestDeal(ReadNumber(names::kGameNo, "1"));

  const std::vector<std::int32_t> stored =
      nuvari::ReadPendingList([](const std::string& name) { return ReadText(name.c_str()); });
  // A deal stored twice (by a store ended half-way) is held once; every position read still
  // counts as stored, so the next store removes the stale tail.
  m_arrPending = nuvari::WithoutRepeatedDeals(stored);
  m_nPendingCount = static_cast<int>(m_arrPending.size());
  m_nStoredPendingCount = static_cast<int>(stored.size());

  m_nTop = ReadNumber(names::kTop, "0");
  m_nLeft = ReadNumber(names::kLeft, "0");
  m_nIdleRow = ReadNumber(names::kIdleRow, "0");
  m_bAutoExit = ReadNumber(names::kAutoExit, "1");
  m_bGameOverYourWin = ReadNumber(names::kGameOverYourWin, "0");
  m_nGameOverYourWinCnt = ReadNumber(names::kGameOverYourWinCnt, "1");
  return TRUE;
}

void CNuvariDoc::WriteSettings() {
  App().WriteProfileString(names::kFreeCell, names::kPath, m_strPath.c_str());
  WriteNumber(names::kGameNo, m_nGameNo);
  WriteNumber(names::kTop, m_nTop);
  WriteNumber(names::kLeft, m_nLeft);
  WriteNumber(names::kIdleRow, m_nIdleRow);
  WriteNumber(names::kAutoExit, m_bAutoExit);
  WriteNumber(names::kGameOverYourWin, m_bGameOverYourWin);
  WriteNumber(names::kGameOverYourWinCnt, m_nGameOverYourWinCnt);
  for (int i = 0; i < m_nPendingCount; ++i) WriteNumber(names::PendingName(i), m_arrPending[i]);
  // Only positions this run read or wrote are removed.
  for (int i = m_nPendingCount; i < m_nStoredPendingCount; ++i)
    App().WriteProfileString(names::kFreeCell, names::PendingName(i), nullptr);
  m_nStoredPendingCount = m_nPendingCount;
}

void CNuvariDoc::SetSettings(const SettingsRecord& record) {
  m_strPath = record.path;
  m_nGameNo = record.gameNo;
  m_nTop = record.top;
  m_nLeft = record.left;
  m_nIdleRow = record.idleRow;
  m_bAutoExit = record.autoExit;
  m_bGameOverYourWin = record.gameOverYourWin;
  m_nGameOverYourWinCnt = record.gameOverYourWinCnt;
  WriteSettings();
}

void CNuvariDoc::AddPending(int gameNo) {
  m_arrPending.push_back(gameNo);
  m_nPendingCount = static_cast<int>(m_arrPending.size());
  WriteSettings();
}

void CNuvariDoc::RemovePending(int gameNo) {
  const auto found = std::find(m_arrPending.begin(), m_arrPending.end(), gameNo);
  if (found != m_arrPending.end()) m_arrPending.erase(found);
  m_nPendingCount = static_cast<int>(m_arrPending.size());
  WriteSettings();
}

SettingsRecord CNuvariDoc::Record() const {
  return {m_strPath, m_nGameNo, m_nTop, m_nLeft, m_nIdleRow, m_bAutoExit, m_bGameOverYourWin, m_nGameOverYourWinCnt};
}
