#include "EnvironmentReader.h"

#include "EnvironmentNames.h"
#include "StoredValues.h"
#include "TextNumber.h"

namespace names = environment_names;
namespace defaults = nuvari::defaults;

namespace {

// A number of the file: a missing key takes the default, an empty value gives 0.
std::int32_t Number(const ProfileSection& section, const char* key, std::int32_t defaultValue) {
  return nuvari::ParseLeadingInt(section.Text(key, nuvari::FormatInt(defaultValue).c_str()));
}

}  // namespace

bool ReadEnvironment(const EnvironmentSections& file, EnvironmentRecord& r, bool withQuickAndDblclick,
                     const nuvari::FolderQueries& folders) {
  const ProfileSection& settings = file.freeCell;
  r.Path = settings.Text(names::kPath, "");
  if (r.Path.empty()) return false;
  if (!folders.exists(r.Path)) {
    const std::string found = nuvari::SearchFreeCell(folders);
    if (!found.empty()) r.Path = found;
  }

  // Both programs agree: the supervisor would load a number outside the deals as the nearest one.
  r.GameNo = nuvari::NearestDeal(Number(settings, names::kGameNo, defaults::kGameNo));

  // One entry more than allowed is enough to refuse the file; entries after a gap are not read.
  r.Pending = nuvari::ReadPendingList([&settings](const std::string& name) { return settings.Text(name, ""); },
                                      kMaxFilePendingDeals + 1);
  if (r.Pending.size() > kMaxFilePendingDeals) return false;

  r.Top = Number(settings, names::kTop, defaults::kTop);
  r.Left = Number(settings, names::kLeft, defaults::kLeft);

  const std::string idleRow = settings.Text(names::kIdleRow, "");
  if (idleRow.empty()) return false;
  r.IdleRow = nuvari::ParseLeadingInt(idleRow);
  const std::string autoExit = settings.Text(names::kAutoExit, "");
  if (autoExit.empty()) return false;
  r.AutoExit = nuvari::ParseLeadingInt(autoExit);

  r.GameOverYourWin = Number(settings, names::kGameOverYourWin, defaults::kGameOverYourWin);
  r.GameOverYourWinCnt = Number(settings, names::kGameOverYourWinCnt, defaults::kGameOverYourWinCnt);

  const ProfileSection& window = file.windowSize;
  r.Rect = window.Text(names::kRect, nuvari::DefaultRectText().c_str());
  r.icon = window.Int(names::kIcon, defaults::kIcon);
  r.max = window.Int(names::kMax, defaults::kMax);
  r.tool = window.Int(names::kTool, defaults::kTool);
  r.status = window.Int(names::kStatus, defaults::kStatus);

  const ProfileSection& statistics = file.freeCellData;
  r.losses = statistics.Int(names::kLosses, 0);
  r.lost = statistics.Int(names::kLost, 0);
  r.streak = statistics.Int(names::kStreak, 0);
  r.stype = statistics.Int(names::kStype, 0);
  r.wins = statistics.Int(names::kWins, 0);
  r.won = statistics.Int(names::kWon, 0);
  r.messages = statistics.Int(names::kMessages, EnvironmentRecord::kAbsent);
  if (withQuickAndDblclick) ReadQuickAndDblclick(statistics, r);
  return true;
}

void ReadQuickAndDblclick(const ProfileSection& freeCellData, EnvironmentRecord& r) {
  r.quick = freeCellData.Int(names::kQuick, EnvironmentRecord::kAbsent);
  r.dblclick = freeCellData.Int(names::kDblclick, EnvironmentRecord::kAbsent);
}
