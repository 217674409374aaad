// What the polling timer costs: one supervising tick against a desktop crowded with 10, 100 and 500
// windows of another program, as a ratio to one bare walk of the window list that reads every
// title; and how many ticks a deal takes from its win box to the next number confirmed.
// Runs the view in a frame of its own program object (registry maker "Talvenko Bench", removed at
// the end) against the stand-in FreeCell.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "LogFile.h"
#include "NuvariDoc.h"
#include "NuvariView.h"
#include "Platform.h"
#include "WinApp.h"
#include "WinePath.h"
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

// --- The crowd: this program started again, owning n top-level windows until it is ended ---

std::string CrowdTitle(int i) { return "crowd window " + std::to_string(i); }

int RunCrowd(int count) {
  std::vector<HWND> windows;
  for (int i = 0; i < count; ++i)
    windows.push_back(CreateWindowExA(0, "STATIC", CrowdTitle(i).c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

std::string ThisProgram() {
  std::string path(MAX_PATH, '\0');
  path.resize(GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

std::unique_ptr<nuvari::test::ChildProcess> StartCrowd(int count) {
  auto crowd = std::make_unique<nuvari::test::ChildProcess>("\"" + ThisProgram() + "\" crowd " +
                                                            std::to_string(count));
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (!FindWindowA(nullptr, CrowdTitle(count - 1).c_str()) && GetTickCount64() < deadline) Sleep(20);
  return crowd;
}

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

// The floor of any search: every top-level window visited once and its title read.
std::size_t BareWalk() {
  std::size_t bytes = 0;
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
    bytes += fw::GetWindowTextString(window).size();
  return bytes;
}

int CountTopLevel() {
  int count = 0;
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) ++count;
  return count;
}

// --- The supervisor ---

class BenchApp : public fw::CWinApp {
 public:
  BenchApp() : fw::CWinApp("Nuvari") {
    InitApplication(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
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
  return std::make_unique<nuvari::test::ChildProcess>("\"" + nuvari::test::ToWinePath(FREECELL_EXE) +
                                                      "\" /edition=half " + switches + " \"/log=" + log + "\"");
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
  std::printf("%-20s %10s %8s %12s %12s %8s\n", "unrelated windows", "top-level", "pairs", "walk (us)", "tick (us)",
              "ratio");
  for (int crowdSize : {0, 10, 100, 500}) {
    auto crowd = crowdSize > 0 ? StartCrowd(crowdSize) : nullptr;
    std::vector<double> walks, ticks, ratios;
    const double start = Now();
    while (static_cast<int>(walks.size()) < kMaxPairs &&
           (static_cast<int>(walks.size()) < kMinPairs || Now() - start < kBudgetSeconds)) {
      double t0 = Now();
      BareWalk();
      const double walk = Now() - t0;
      // FreeCell shows its deal and nothing else: the steady state, six searches a tick.
      t0 = Now();
      view.OnTimer(CNuvariView::kTimerId);
      const double tick = Now() - t0;
      walks.push_back(Micros(walk));
      ticks.push_back(Micros(tick));
      ratios.push_back(tick / walk);
    }
    std::printf("%-20d %10d %8zu %12.1f %12.1f %8.2f\n", crowdSize, CountTopLevel(), walks.size(), Median(walks),
                Median(ticks), Median(ratios));
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
  if (argc == 3 && std::strcmp(argv[1], "crowd") == 0) return RunCrowd(std::atoi(argv[2]));

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
