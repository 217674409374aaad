// Driving the stand-in from a test process.
#include "StandIn.h"

#include "Programs.h"

namespace nuvari::test {

const EditionCase kFull{"Full", "full", "フリーセル", "フリーセル ゲーム #", "ゲーム番号の指定",
                        "ゲーム オーバー", "空の列に移動...", "1 枚のカードを移動する"};
const EditionCase kHalf{"Half", "half", "ﾌﾘｰｾﾙ", "ﾌﾘｰｾﾙ ｹﾞｰﾑ #", "ｹﾞｰﾑ番号の指定",
                        "ｹﾞｰﾑ ｵｰﾊﾞｰ", "空の列に移動", "1枚のｶｰﾄﾞを移動する"};

void PrintTo(const EditionCase& edition, std::ostream* out) { *out << edition.name; }

std::string EditionSwitch(const EditionCase& edition) { return std::string("/edition=") + edition.value; }

namespace {
const int kNumberEditId = 203;
}  // namespace

StandIn::StandIn(const std::string& switches) : m_log("freecell"), m_process(StandInCommandLine(switches, m_log.Path())) {
  if (!m_process.Started()) return;
  // The main window of either edition: its title contains the edition's FreeCell text.
  PollUntil(kWaitMs, [this] {
    m_hMain = FindTopLevel(kFull.freeCell, Match::Contains, m_process.Id());
    if (m_hMain == nullptr) m_hMain = FindTopLevel(kHalf.freeCell, Match::Contains, m_process.Id());
    return m_hMain != nullptr;
  });
}

HWND StandIn::WaitForBox(const char* title, Match match) const {
  return WaitForDialog(title, match, kWaitMs, m_process.Id());
}

HWND StandIn::OpenSelectGame(const EditionCase& edition) const {
  PostMessageA(m_hMain, WM_KEYDOWN, VK_F3, 0);
  return WaitForBox(edition.selectGame);
}

LRESULT StandIn::SetNumber(HWND dialog, const std::string& text) const {
  return SendMessageA(GetDlgItem(dialog, kNumberEditId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StandIn::ReadNumber(HWND dialog) const {
  // The supervisor reads back with room for 9 characters and the zero; the same size finds what it finds.
  std::string buffer(10, '\xcc');
  const LRESULT copied = SendMessageA(GetDlgItem(dialog, kNumberEditId), WM_GETTEXT, buffer.size(),
                                      reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return buffer;
}

bool StandIn::PlayDeal(const EditionCase& edition, int number) const {
  HWND dialog = OpenSelectGame(edition);
  if (dialog == nullptr || SetNumber(dialog, std::to_string(number)) != TRUE) return false;
  if (!ClickButton(dialog, "OK") || !WaitUntilGone(dialog, kWaitMs)) return false;
  const std::string title = std::string(edition.gameTitle) + std::to_string(number);
  return WaitForTopLevel(title, Match::Equals, kWaitMs, m_process.Id()) != nullptr;
}

}  // namespace nuvari::test
