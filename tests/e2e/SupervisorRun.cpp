#include "SupervisorRun.h"

namespace e2e {
namespace {

using namespace nuvari::test;

// Ends every stand-in FreeCell still on the desktop (left behind by a run that failed).
void EndStrayFreeCells() {
  for (const char* title : {"ﾌﾘｰｾﾙ", "フリーセル"}) {
    for (int attempt = 0; attempt < 10; ++attempt) {
      HWND window = nuvari::test::FindTopLevel(title, Match::Contains);
      if (!window || ProcessOf(window) == GetCurrentProcessId()) break;
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window));
      if (!process) break;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
}

}  // namespace

SupervisorRun::SupervisorRun() { EndStrayFreeCells(); }

SupervisorRun::~SupervisorRun() {
  if (m_nuvari) m_nuvari->Terminate();
  EndStrayFreeCells();
}

HWND SupervisorRun::MainWindow() const {
  if (NuvariId() == 0) return nullptr;  // 0 would take any process's window
  return nuvari::test::WaitForTopLevelWhere(NuvariId(), kStepMs, [](HWND window) {
    return !IsDialog(window) && nuvari::test::WindowText(window) == "Nuvari";
  });
}

std::optional<std::string> SupervisorRun::AnswerBox() {
  HWND box = nuvari::test::WaitForDialog("Nuvari", Match::Equals, kStepMs, NuvariId());
  if (!box) return std::nullopt;
  const std::string text = nuvari::test::MessageBoxText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  if (!nuvari::test::WaitUntilGone(box, kStepMs)) return std::nullopt;
  return text;
}

bool SupervisorRun::Close() {
  HWND main = MainWindow();
  if (!main) return false;
  PostMessageA(main, WM_CLOSE, 0, 0);
  return WaitForExit(kStepMs);
}

void SupervisorRun::Kill() {
  if (m_nuvari) m_nuvari->Terminate();
  EndStrayFreeCells();
}

int SupervisorRun::Find(const std::string& line, int from) const {
  const auto lines = m_log.Lines();
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[static_cast<std::size_t>(i)] == line) return i;
  }
  return -1;
}

HWND SupervisorRun::StartFirstDeal(const char* gameTitle) {
  if (!Start() || !WaitForCount("deal-start 1", 1)) return nullptr;
  return FreeCellWindow(gameTitle);
}

std::pair<std::string, std::string> MoveTo(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(window, &placement)) return {};
  return {std::to_string(placement.rcNormalPosition.left), std::to_string(placement.rcNormalPosition.top)};
}

}  // namespace e2e
