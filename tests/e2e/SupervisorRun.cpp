#include "SupervisorRun.h"

#include "WindowSearch.h"
#include "WinePath.h"

namespace e2e {
namespace {

using nuvari::test::IsDialog;
using nuvari::test::Match;
constexpr DWORD kPollMs = 20;

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

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

void SupervisorRun::UseStandIn(const std::string& switches) {
  Store("Path", "\"" + nuvari::test::ToWinePath(FREECELL_EXE) + "\" " + switches + " \"/log=" + m_log.Path() + "\"");
}

void SupervisorRun::Store(const std::string& name, const std::string& text) {
  testsupport::WriteRegistryText(testsupport::RegistryScope::kFreeCell, name, text);
}

std::optional<std::string> SupervisorRun::Stored(const std::string& name) const {
  return testsupport::ReadRegistryText(testsupport::RegistryScope::kFreeCell, name);
}

bool SupervisorRun::WaitForStored(const std::string& name, const std::string& text, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (Stored(name) != text) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

bool SupervisorRun::Start() {
  m_nuvari = std::make_unique<nuvari::test::ChildProcess>("\"" + nuvari::test::ToWinePath(NUVARI_EXE) + "\"");
  return m_nuvari->Started();
}

HWND SupervisorRun::MainWindow() const {
  const ULONGLONG deadline = GetTickCount64() + kStepMs;
  do {
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
      if (ProcessOf(window) == NuvariId() && !IsDialog(window) && nuvari::test::WindowText(window) == "Nuvari")
        return window;
    }
    Sleep(kPollMs);
  } while (GetTickCount64() < deadline);
  return nullptr;
}

std::optional<std::string> SupervisorRun::AnswerBox() {
  HWND box = nuvari::test::WaitForDialog("Nuvari", Match::Equals, kStepMs, NuvariId());
  if (!box) return std::nullopt;
  // A message box keeps its text in the static with id 0xFFFF.
  const std::string text = nuvari::test::WindowText(GetDlgItem(box, 0xFFFF));
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

bool SupervisorRun::WaitForExit(DWORD timeoutMs) const {
  return m_nuvari && m_nuvari->WaitForExit(timeoutMs).has_value();
}

int SupervisorRun::Count(const std::string& line) const {
  int count = 0;
  for (const std::string& logged : m_log.Lines()) count += logged == line ? 1 : 0;
  return count;
}

bool SupervisorRun::WaitForCount(const std::string& line, int count, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (Count(line) >= count) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollMs);
  }
}

int SupervisorRun::Find(const std::string& line, int from) const {
  const auto lines = m_log.Lines();
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[static_cast<std::size_t>(i)] == line) return i;
  }
  return -1;
}

HWND SupervisorRun::FreeCellWindow(const char* gameTitle) const {
  return nuvari::test::WaitForTopLevel(gameTitle, Match::Contains, kStepMs);
}

}  // namespace e2e
