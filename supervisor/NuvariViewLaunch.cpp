// Starting FreeCell from the Path setting, once per run.
#include <cstdint>

#include "NuvariView.h"
#include "Platform.h"
#include "TextNumber.h"

namespace {

constexpr char kTextLaunchFailed[] = "フリーセルの起動に失敗しました。環境設定を行ってください。：エラーコード =";
// WinExec reports a start with 32 or more.
constexpr std::uint16_t kFirstSuccessCode = 32;

}  // namespace

void CNuvariView::LaunchFreeCell() {
  const auto code = static_cast<std::uint16_t>(fw::platform::WinExec(m_strPath, SW_SHOW));
  if (code >= kFirstSuccessCode) {
    m_bLaunched = 1;
    m_bNewGame = 1;
    return;
  }
  // Held through the box and the store after it, so no tick closes the supervisor meanwhile.
  const int active = m_bActive;
  m_bActive = 0;
  ShowMessage(kTextLaunchFailed + nuvari::FormatInt(code), MB_OK | MB_ICONEXCLAMATION);
  // With AutoExit on, the timer would close the supervisor as soon as it missed FreeCell.
  m_bAutoExit = 0;
  GetDocument()->SetSettings(CurrentRecord());
  m_bActive = active;
}
