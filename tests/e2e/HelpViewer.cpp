#include "HelpViewer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "WindowSearch.h"

namespace e2e {
namespace {

using nuvari::test::IsDialog;
using nuvari::test::PollUntil;

constexpr DWORD kCloseMs = 10000;
// The viewer's own child windows.
constexpr int kButtonBox = 0x700;
constexpr int kTopicText = 0x701;
constexpr std::size_t kTopicTextMax = 0x10000;

using ProcessHandle = std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)>;

ProcessHandle OpenViewerProcess(HWND window, DWORD access) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return ProcessHandle(OpenProcess(access, FALSE, processId), CloseHandle);
}

bool IsViewer(HWND window) {
  const ProcessHandle process = OpenViewerProcess(window, PROCESS_QUERY_LIMITED_INFORMATION);
  char path[MAX_PATH] = {};
  DWORD size = sizeof(path);
  if (!process || !QueryFullProcessImageNameA(process.get(), 0, path, &size)) return false;
  const std::string name(path, size);
  return name.size() >= 12 && lstrcmpiA(name.c_str() + name.size() - 12, "winhlp32.exe") == 0;
}

std::vector<HWND> ViewerWindows() {
  std::vector<HWND> windows;
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (IsWindowVisible(window) && IsViewer(window)) windows.push_back(window);
  }
  return windows;
}

}  // namespace

HelpViewer::~HelpViewer() { Close(); }

HWND HelpViewer::WaitForWindow(DWORD timeoutMs) {
  PollUntil(timeoutMs, [this] {
    for (HWND window : ViewerWindows())
      if (!IsDialog(window) && GetDlgItem(window, kTopicText)) m_window = window;
    return m_window != nullptr;
  });
  return m_window;
}

std::string HelpViewer::TopicText() const {
  // GetWindowText of another process's window reads only its caption: the text takes WM_GETTEXT.
  // Wine's rich edit answers 0 to WM_GETTEXTLENGTH and to a buffer too small for the whole text.
  HWND text = m_window ? GetDlgItem(m_window, kTopicText) : nullptr;
  std::string buffer(kTopicTextMax, '\0');
  DWORD_PTR copied = 0;
  if (!text || !SendMessageTimeoutA(text, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                                    SMTO_ABORTIFHUNG, kCloseMs, &copied))
    return {};
  buffer.resize(copied);
  return buffer;
}

bool HelpViewer::WaitForTopic(std::string_view title, DWORD timeoutMs) {
  return PollUntil(timeoutMs, [&] { return TopicText().compare(0, title.size(), title) == 0; });
}

HWND HelpViewer::Box() const {
  for (HWND window : ViewerWindows())
    if (IsDialog(window)) return window;
  return nullptr;
}

HWND HelpViewer::Button(std::string_view label) const {
  if (!m_window) return nullptr;
  return nuvari::test::FindChildByText(GetDlgItem(m_window, kButtonBox), label, nuvari::test::Match::Equals);
}

bool HelpViewer::Press(std::string_view label) {
  HWND button = Button(label);
  // The button box hands its buttons' commands to the viewer's window.
  return button && IsWindowEnabled(button) && nuvari::test::PostClick(m_window, button);
}

bool HelpViewer::IsEnabled(std::string_view label) const {
  HWND button = Button(label);
  return button && IsWindowEnabled(button);
}

bool HelpViewer::Close() {
  m_window = nullptr;
  // Asked again while windows remain: the viewer may still be making a window when it is first asked.
  std::vector<ProcessHandle> processes;
  std::vector<DWORD> processIds;
  bool closed = PollUntil(kCloseMs, [&] {
    const std::vector<HWND> windows = ViewerWindows();
    for (HWND window : windows) {
      DWORD processId = 0;
      GetWindowThreadProcessId(window, &processId);
      if (std::find(processIds.begin(), processIds.end(), processId) == processIds.end()) {
        processIds.push_back(processId);
        processes.push_back(OpenViewerProcess(window, SYNCHRONIZE | PROCESS_TERMINATE));
      }
      PostMessageA(window, IsDialog(window) ? WM_COMMAND : WM_CLOSE, IsDialog(window) ? IDNO : 0, 0);
    }
    return windows.empty();
  });
  for (const ProcessHandle& process : processes) {
    if (process && WaitForSingleObject(process.get(), kCloseMs) != WAIT_OBJECT_0) {
      closed = false;
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), kCloseMs);
    }
  }
  return closed;
}

}  // namespace e2e
