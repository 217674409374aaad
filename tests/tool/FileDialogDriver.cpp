#include "FileDialogDriver.h"

#include "WindowSearch.h"

namespace tooltest {
namespace {

constexpr DWORD kDialogWaitMs = 10000;

}  // namespace

HWND WaitForFileDialog(DWORD processId, DWORD timeoutMs) {
  return nuvari::test::WaitForDialogWhere(processId, timeoutMs,
                                          [](HWND w) { return GetDlgItem(w, kFileNameBox) != nullptr; });
}

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
    nuvari::test::PollUntil(kDialogWaitMs, [&] {
      return m_stop || (dialog = WaitForFileDialog(GetCurrentProcessId(), 0)) != nullptr;
    });
    if (!dialog) return;
    m_seen.push_back({nuvari::test::WindowText(dialog), nuvari::test::WindowText(GetDlgItem(dialog, kFileNameBox)),
                      nuvari::test::WindowText(GetDlgItem(dialog, kFileTypeBox))});
    if (answer.empty()) PressButton(dialog, IDCANCEL);
    else ChooseFile(dialog, answer);
    nuvari::test::WaitUntilGone(dialog, kDialogWaitMs);
  }
}

}  // namespace tooltest
