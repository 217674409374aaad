// One run of the real Nuvari.exe with the stand-in FreeCell, from a fresh registry: the settings
// written first, Nuvari started, FreeCell's event log and Nuvari's own boxes watched from outside.
// Every wait has a limit; whatever is still running at the end is ended.
#pragma once

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "LogFile.h"
#include "Programs.h"
#include "RegistryScope.h"
#include "WindowSearch.h"

namespace e2e {

// Long enough for a slow, shared machine; short enough that a hang fails the test in time.
inline constexpr DWORD kStepMs = 15000;

// Moves the window as the player would; its restored position as stored: left and top in decimal.
std::pair<std::string, std::string> MoveTo(HWND window, int x, int y);

class SupervisorRun {
 public:
  SupervisorRun();
  ~SupervisorRun();
  SupervisorRun(const SupervisorRun&) = delete;
  SupervisorRun& operator=(const SupervisorRun&) = delete;

  // Path = the stand-in with these switches and its log; other settings as given.
  void UseStandIn(const std::string& switches) {
    Store("Path", nuvari::test::StandInCommandLine(switches, m_log.Path()));
  }
  void Store(const std::string& name, const std::string& text) { m_registry.Store(name, text); }
  std::optional<std::string> Stored(const std::string& name) const { return m_registry.Stored(name); }
  // Waits until the stored value reads text (Nuvari stores after the event the test saw).
  bool WaitForStored(const std::string& name, const std::string& text, DWORD timeoutMs = kStepMs) const {
    return nuvari::test::PollUntil(timeoutMs, [&] { return Stored(name) == text; });
  }

  bool Start() {
    m_nuvari = std::make_unique<nuvari::test::ChildProcess>(nuvari::test::NuvariCommandLine());
    return m_nuvari->Started();
  }
  DWORD NuvariId() const { return m_nuvari ? m_nuvari->Id() : 0; }
  // Nuvari's main window (its frame, not one of its boxes titled the same).
  HWND MainWindow() const;
  // Waits for one of Nuvari's message boxes; its text, after answering it with IDOK.
  std::optional<std::string> AnswerBox();
  // Closes Nuvari as the player does; true when it ended within the limit.
  bool Close();
  // Ends Nuvari at once, as a power cut or the task manager would (no store, no closing of
  // FreeCell), then the FreeCell it left behind. The registry stays as Nuvari left it. The crash
  // bench's: no test calls it.
  void Kill();
  bool WaitForExit(DWORD timeoutMs) const { return m_nuvari && m_nuvari->WaitForExit(timeoutMs).has_value(); }

  // Waits until the stand-in logged this line count times.
  bool WaitForCount(const std::string& line, int count, DWORD timeoutMs = kStepMs) const {
    return nuvari::test::PollUntil(timeoutMs, [&] { return Count(line) >= count; });
  }
  int Count(const std::string& line) const { return static_cast<int>(std::ranges::count(m_log.Lines(), line)); }
  std::vector<std::string> LogLines() const { return m_log.Lines(); }  // the crash bench's report
  // Position of the first line equal to line at or after from; -1 when none.
  int Find(const std::string& line, int from = 0) const;
  // FreeCell's main window while a deal is in play (its title contains the text).
  HWND FreeCellWindow(const char* gameTitle) const {
    return nuvari::test::WaitForTopLevel(gameTitle, nuvari::test::Match::Contains, kStepMs);
  }
  // Starts Nuvari and waits for deal 1 in play; FreeCell's main window, or null.
  HWND StartFirstDeal(const char* gameTitle);

 private:
  nuvari::test::RegistryScope m_registry;
  nuvari::test::LogFile m_log{"e2e-freecell"};
  std::unique_ptr<nuvari::test::ChildProcess> m_nuvari;
};

}  // namespace e2e
