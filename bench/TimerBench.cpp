// What the polling timer costs: one supervising tick against a desktop crowded with 10, 100 and 500
// windows of another program, as a ratio to one bare walk of the window list that reads every
// title (and beside it the list read in one request, as a tick's snapshot reads it); and how many
// ticks a deal takes from its win box to the next number confirmed.
// Runs the view in a frame of its own program object (registry maker "Talvenko Bench", removed at
// the end) against the stand-in FreeCell.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Crowd.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "LogFile.h"
#include "NuvariDoc.h"
#include "NuvariView.h"
#include "Platform.h"
#include "WinApp.h"
#include "Programs.h"
#include "resource.h"

namespace {

constexpr char kMaker[] = "Talvenko Bench";
constexpr char kMakerKey[] = "Software\\Talvenko Bench";
constexpr char kSelectGame[] = "ｹﾞｰﾑ番号の指定";
constexpr DWORD kWaitMs = 15000;
// Pairs of (walk, tick) measured side by side, so that a busy machine slows both alike.
constexpr int kMaxPairs = 200;
constexpr int kMinPairs = 11;
constexpr double kBudgetSeconds = 6.0;
constexpr int kCycles = 5;

// --- Timing ---

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t{};
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

double Micros(double seconds) { return seconds * 1e6; }

// The floor of any search: every top-level window visited once along the Z order and its title read.
std::size_t BareWalk() {
  std::size_t bytes = 0;
  char title[512];
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
    bytes += static_cast<std::size_t>(GetWindowTextA(window, title, sizeof(title)));
  return bytes;
}

// The same titles with the list taken in one request.
BOOL CALLBACK ReadTitle(HWND window, LPARAM bytes) {
  char title[512];
  *reinterpret_cast<std::size_t*>(bytes) += static_cast<std::size_t>(GetWindowTextA(window, title, sizeof(title)));
  return TRUE;
}

std::size_t EnumeratedWalk() {
  std::size_t bytes = 0;
  EnumWindows(&ReadTitle, reinterpret_cast<LPARAM>(&bytes));
  return bytes;
}

// --- The supervisor ---

class BenchApp : public fw::CWinApp {
 public:
  BenchApp() : fw::CWinApp("Nuvari") {
    InitApplication(SW_SHOWNOACTIVATE);
    SetRegistryKey(kMaker);
    AddDocTemplate(std::make_unique<fw::CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CNuvariDoc>(); },
        [] { return std::make_unique<fw::CFrameWnd>(); }, [] { return std::make_unique<CNuvariView>(); }));
  }
};

void PumpFor(DWORD ms) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  for (;;) {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

// A tick every 300 ms, as the view's timer gives them, until the window appears.
bool TickUntil(CNuvariView& view, const char* title) {
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (GetTickCount64() < deadline) {
    view.OnTimer(CNuvariView::kTimerId);
    PumpFor(CNuvariView::kTimerPeriodMs);
    if (FindWindowA(nullptr, title)) return true;
  }
  return false;
}

std::unique_ptr<nuvari::test::ChildProcess> StartFreeCell(const std::string& switches, const std::string& log) {
  return std::make_unique<nuvari::test::ChildProcess>(
      nuvari::test::StandInCommandLine("/edition=half " + switches, log));
}

void MeasureTicks(CNuvariView& view) {
  nuvari::test::LogFile log("bench-freecell");
  auto freeCell = StartFreeCell("", log.Path());
  view.m_bNewGame = 1;
  if (!TickUntil(view, "ﾌﾘｰｾﾙ ｹﾞｰﾑ #1")) {
    std::printf("FreeCell's deal did not start\n");
    return;
  }
  PumpFor(CNuvariView::kTimerPeriodMs);
  std::printf("%-18s %9s %6s %10s %12s %10s %11s\n", "unrelated windows", "top-level", "pairs", "walk (us)",
              "one list (us)", "tick (us)", "tick / walk");
  for (int crowdSize : {0, 10, 100, 500}) {
    auto crowd = crowdSize > 0 ? bench::StartCrowd(crowdSize) : nullptr;
    std::vector<double> walks, lists, ticks, ratios;
    const double start = Now();
    while (static_cast<int>(walks.size()) < kMaxPairs &&
           (static_cast<int>(walks.size()) < kMinPairs || Now() - start < kBudgetSeconds)) {
      double t0 = Now();
      BareWalk();
      const double walk = Now() - t0;
      t0 = Now();
      EnumeratedWalk();
      const double list = Now() - t0;
      // FreeCell shows its deal and nothing else: the steady state, six searches a tick.
      t0 = Now();
      view.OnTimer(CNuvariView::kTimerId);
      const double tick = Now() - t0;
      walks.push_back(Micros(walk));
      lists.push_back(Micros(list));
      ticks.push_back(Micros(tick));
      ratios.push_back(tick / walk);
    }
    std::printf("%-18d %9d %6zu %10.1f %12.1f %10.1f %11.2f\n", crowdSize, bench::CountTopLevel(), walks.size(),
                Median(walks), Median(lists), Median(ticks), Median(ratios));
    if (crowd) crowd->Terminate();
  }
  freeCell->Terminate();
}

void MeasureDealCycle(CNuvariView& view) {
  nuvari::test::LogFile log("bench-freecell");
  auto freeCell = StartFreeCell("/autowin=300", log.Path());
  view.m_bNewGame = 1;
  view.m_nGameNo = 1;
  std::vector<int> cycles;
  int tick = 0;
  int handedOverAt = -1;
  const ULONGLONG deadline = GetTickCount64() + 60000;
  HWND desktop = GetDesktopWindow();
  while (static_cast<int>(cycles.size()) < kCycles && GetTickCount64() < deadline) {
    ++tick;
    const bool armed = view.m_bGameOverArmed == 1;
    const bool confirms = view.m_bEnterGameNo == 0 && view.FindChildByText(desktop, kSelectGame, 0);
    view.OnTimer(CNuvariView::kTimerId);
    if (armed && view.m_bGameOverArmed == 0) handedOverAt = tick;
    if (confirms && handedOverAt > 0) {
      cycles.push_back(tick - handedOverAt + 1);
      handedOverAt = -1;
    }
    PumpFor(CNuvariView::kTimerPeriodMs);
  }
  freeCell->Terminate();
  if (cycles.empty()) {
    std::printf("no deal cycle completed\n");
    return;
  }
  std::printf("\ndeal cycle (win box seen -> next number confirmed), %zu cycles:", cycles.size());
  for (int c : cycles) std::printf(" %d", c);
  std::printf(" ticks (%d ms each)\n", static_cast<int>(CNuvariView::kTimerPeriodMs));
}

}  // namespace

int main(int argc, char** argv) {
  if (const int crowd = bench::RunCrowdIfAsked(argc, argv); crowd >= 0) return crowd;

  RegDeleteTreeA(HKEY_CURRENT_USER, kMakerKey);
  {
    BenchApp app;
    app.WriteProfileString("FreeCell", "Path", "freecell.exe");
    app.WriteProfileString("FreeCell", "AutoExit", "0");
    auto& hooks = fw::platform::TestHooks();
    hooks.winExec = [](const std::string&, UINT) -> UINT { return 33; };  // the bench starts FreeCell itself
    hooks.setTimer = [](HWND, UINT_PTR id, UINT) -> UINT_PTR { return id; };  // the bench gives the ticks
    hooks.messageBox = [](HWND, const std::string& text, const std::string&, UINT) {
      std::printf("(box: %s)\n", text.c_str());
      return IDOK;
    };
    if (!app.ProcessShellCommand()) {
      std::printf("the supervisor did not start\n");
      return 1;
    }
    auto& view = *static_cast<CNuvariView*>(app.GetDocTemplate()->GetFrame()->GetActiveView());
    MeasureTicks(view);
    MeasureDealCycle(view);
    fw::platform::ResetHooks();
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kMakerKey);
  return 0;
}
