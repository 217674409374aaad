#include "FileDialogDriver.h"

#include "WindowSearch.h"

namespace tooltest {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kDialogWaitMs = 10000;

bool IsDialogOf(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return owner == processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0;
}

template <class Predicate>
HWND WaitForDialog(DWORD processId, DWORD timeoutMs, Predicate matches) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
      if (IsDialogOf(w, processId) && matches(w)) return w;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

}  // namespace

HWND WaitForFileDialog(DWORD processId, DWORD timeoutMs) {
  return WaitForDialog(processId, timeoutMs, [](HWND w) { return GetDlgItem(w, kFileNameBox) != nullptr; });
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD timeoutMs) {
  return WaitForDialog(processId, timeoutMs, [&](HWND w) {
    return GetDlgItem(w, 0xFFFF) != nullptr && nuvari::test::WindowText(w) == caption;
  });
}

std::string MessageBoxText(HWND box) { return nuvari::test::WindowText(GetDlgItem(box, 0xFFFF)); }

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ChooseFile(HWND dialog, const std::string& path) {
  SendMessageA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PressButton(dialog, IDOK);
}

FileDialogAnswerer::FileDialogAnswerer(std::vector<std::string> answers)
    : m_thread([this, answers = std::move(answers)]() mutable { Run(std::move(answers)); }) {}

FileDialogAnswerer::~FileDialogAnswerer() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
}

const std::vector<SeenFileDialog>& FileDialogAnswerer::Finish() {
  if (m_thread.joinable()) m_thread.join();
  return m_seen;
}

void FileDialogAnswerer::Run(std::vector<std::string> answers) {
  for (const std::string& answer : answers) {
    HWND dialog = nullptr;
    const ULONGLONG deadline = GetTickCount64() + kDialogWaitMs;
    while (!dialog && !m_stop && GetTickCount64() < deadline) dialog = WaitForFileDialog(GetCurrentProcessId(), 100);
    if (!dialog) return;
    m_seen.push_back({nuvari::test::WindowText(dialog), nuvari::test::WindowText(GetDlgItem(dialog, kFileNameBox)),
                      nuvari::test::WindowText(GetDlgItem(dialog, kFileTypeBox))});
    if (answer.empty()) PressButton(dialog, IDCANCEL);
    else ChooseFile(dialog, answer);
    nuvari::test::WaitUntilGone(dialog, kDialogWaitMs);
  }
}

}  // namespace tooltest
