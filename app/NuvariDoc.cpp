#include "NuvariDoc.h"

#include <algorithm>

#include "DealSequence.h"
#include "FileSystem.h"
#include "FreeCellSearch.h"
#include "SettingsStore.h"

namespace {

nuvari::SettingsStore Store() { return nuvari::SettingsStore(*fw::GetApp()); }

}  // namespace

BOOL CNuvariDoc::OnNewDocument() {
  if (!fw::CDocument::OnNewDocument()) return FALSE;
  ReadSettings();
  UpdateAllViews(nullptr, 0, nullptr);
  return TRUE;
}

BOOL CNuvariDoc::ReadSettings() {
  const nuvari::SettingsStore store = Store();
  nuvari::SettingsValues stored = store.ReadSettings();
  // The bare name is kept: the platform finds it again when FreeCell is started.
  if (stored.path.empty()) stored.path = nuvari::SearchFreeCell(fw::SystemFolderQueries());
  // FreeCell refuses a number outside its deals, and nothing would be played then.
  stored.gameNo = nuvari::NearestDeal(stored.gameNo);
  Take(stored);

  const std::vector<std::int32_t> pending = store.ReadPending();
  // A deal stored twice (by a store ended half-way) is held once; every position read still
  // counts as stored, so the next store removes the stale tail.
  m_arrPending = nuvari::WithoutRepeatedDeals(pending);
  m_nPendingCount = static_cast<int>(m_arrPending.size());
  m_nStoredPendingCount = static_cast<int>(pending.size());
  return TRUE;
}

void CNuvariDoc::WriteSettings() {
  // Only positions this run read or wrote are removed.
  Store().WriteSettings(Record(), m_arrPending, static_cast<std::size_t>(m_nStoredPendingCount));
  m_nStoredPendingCount = m_nPendingCount;
}

void CNuvariDoc::SetSettings(const SettingsRecord& record) {
  Take(record);
  WriteSettings();
}

void CNuvariDoc::Take(const SettingsRecord& record) {
  m_strPath = record.path;
  m_nGameNo = record.gameNo;
  m_nTop = record.top;
  m_nLeft = record.left;
  m_nIdleRow = record.idleRow;
  m_bAutoExit = record.autoExit;
  m_bGameOverYourWin = record.gameOverYourWin;
  m_nGameOverYourWinCnt = record.gameOverYourWinCnt;
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
