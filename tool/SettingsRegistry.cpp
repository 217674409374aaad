#include "SettingsRegistry.h"

#include "SettingsStore.h"

namespace {

nuvari::SettingsValues SettingsOf(const EnvironmentRecord& r) {
  return {r.Path, r.GameNo, r.Top, r.Left, r.IdleRow, r.AutoExit, r.GameOverYourWin, r.GameOverYourWinCnt};
}

nuvari::PlacementValues PlacementOf(const EnvironmentRecord& r) { return {r.Rect, r.icon, r.max, r.tool, r.status}; }

}  // namespace

void SettingsRegistry::Load(EnvironmentRecord& r) const {
  const nuvari::SettingsStore store(m_app);
  const nuvari::SettingsValues settings = store.ReadSettings();
  r.Path = settings.path.empty() ? nuvari::SearchFreeCell(m_folders) : settings.path;
  r.GameNo = settings.gameNo;
  r.Pending = store.ReadPending();
  r.Top = settings.top;
  r.Left = settings.left;
  r.IdleRow = settings.idleRow;
  r.AutoExit = settings.autoExit;
  r.GameOverYourWin = settings.gameOverYourWin;
  r.GameOverYourWinCnt = settings.gameOverYourWinCnt;

  const nuvari::PlacementValues placement = store.ReadPlacement();
  r.Rect = placement.rect;
  r.icon = placement.icon;
  r.max = placement.max;
  r.tool = placement.tool;
  r.status = placement.status;
}

std::string SettingsRegistry::StoredPath() const { return nuvari::SettingsStore(m_app).ReadSettings().path; }

void SettingsRegistry::LoadWindowPosition(EnvironmentRecord& r) const {
  const nuvari::SettingsStore store(m_app);
  const nuvari::SettingsValues settings = store.ReadSettings();
  r.Top = settings.top;
  r.Left = settings.left;
  r.Rect = store.ReadPlacement().rect;
}

bool SettingsRegistry::Save(const EnvironmentRecord& r) const {
  const nuvari::SettingsStore store(m_app);
  // Both are tried, so one failure does not leave the other out.
  const bool settings = store.WriteSettings(SettingsOf(r), r.Pending);
  return store.WritePlacement(PlacementOf(r)) && settings;
}

bool SettingsRegistry::Delete() const { return nuvari::SettingsStore(m_app).Delete(); }
