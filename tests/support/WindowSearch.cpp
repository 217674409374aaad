// Window search by walking GW_CHILD / GW_HWNDNEXT, which also works across processes under Wine.
#include "WindowSearch.h"

namespace nuvari::test {
namespace {

bool Matches(const std::string& text, std::string_view wanted, Match match) {
  // Byte search is enough here: the wanted texts start with a whole character.
  return match == Match::Equals ? text == wanted : text.find(wanted) != std::string::npos;
}

bool BelongsTo(HWND window, DWORD processId) { return processId == 0 || ProcessOf(window) == processId; }

}  // namespace

HWND FindTopLevelWhere(DWORD processId, const std::function<bool(HWND)>& test) {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (IsWindowVisible(window) && BelongsTo(window, processId) && test(window)) return window;
  }
  return nullptr;
}

namespace {

HWND FindTopLevelOf(std::string_view text, Match match, DWORD processId, bool dialogsOnly) {
  return FindTopLevelWhere(processId, [&](HWND window) {
    return (!dialogsOnly || IsDialog(window)) && Matches(WindowText(window), text, match);
  });
}

template <typename Find>
HWND Poll(DWORD timeoutMs, Find find) {
  HWND window = nullptr;
  PollUntil(timeoutMs, [&] { return (window = find()) != nullptr; });
  return window;
}

}  // namespace

bool IsDialog(HWND window) {
  std::string name(16, '\0');  // "#32770" and one more character tell a dialog from anything else
  name.resize(static_cast<std::size_t>(GetClassNameA(window, name.data(), static_cast<int>(name.size()))));
  return name == "#32770";
}

DWORD ProcessOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

HWND FindTopLevel(std::string_view text, Match match, DWORD processId) {
  return FindTopLevelOf(text, match, processId, false);
}

HWND WaitForTopLevel(std::string_view text, Match match, DWORD timeoutMs, DWORD processId) {
  return Poll(timeoutMs, [&] { return FindTopLevel(text, match, processId); });
}

HWND FindDialog(std::string_view text, Match match, DWORD processId) {
  return FindTopLevelOf(text, match, processId, true);
}

HWND WaitForDialog(std::string_view text, Match match, DWORD timeoutMs, DWORD processId) {
  return Poll(timeoutMs, [&] { return FindDialog(text, match, processId); });
}

HWND WaitForTopLevelWhere(DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& test) {
  return Poll(timeoutMs, [&] { return FindTopLevelWhere(processId, test); });
}

HWND WaitForDialogWhere(DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& test) {
  return Poll(timeoutMs, [&] { return FindTopLevelWhere(processId, [&](HWND w) { return IsDialog(w) && test(w); }); });
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  return PollUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool WaitUntilDestroyed(HWND window, DWORD timeoutMs) {
  return PollUntil(timeoutMs, [&] { return !IsWindow(window); });
}

HWND FindChildByText(HWND parent, std::string_view text, Match match) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (Matches(WindowText(child), text, match)) return child;
  }
  return nullptr;
}

bool PostClick(HWND dialog, HWND button) {
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                      reinterpret_cast<LPARAM>(button)) != 0;
}

bool ClickButton(HWND dialog, std::string_view text, Match match) {
  HWND button = FindChildByText(dialog, text, match);
  return button != nullptr && PostClick(dialog, button);
}

}  // namespace nuvari::test
