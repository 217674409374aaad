// The polling timer: every tick looks at the desktop afresh, once, acts on at most one of FreeCell's
// windows and ends. Posts never wait for FreeCell; only the deal number is sent, with a time limit.
#include <algorithm>
#include <climits>

#include "NuvariView.h"
#include "TextNumber.h"
#include "WinApp.h"

namespace {

constexpr char kTextOk[] = "OK";
constexpr char kTextYes[] = "はい";
constexpr char kTextMoveColumn[] = "列を移動する";
constexpr int kGameNumberEdit = 203;
// A FreeCell that stopped answering must not freeze the supervisor.
constexpr UINT kSendTimeoutMs = 2000;
// The shutdown close waits this long for FreeCell at most, sleeping on messages between passes.
constexpr DWORD kCloseLimitMs = 10000;
constexpr DWORD kClosePassMs = 50;

bool HasMenuBar(HWND window) { return GetMenu(window) != nullptr; }

// Posts a press of F3 the way the keyboard would deliver it, so FreeCell's accelerator sees it.
void PostSelectGameKey(HWND window) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(VK_F3, 0)) << 16;
  PostMessageA(window, WM_KEYDOWN, VK_F3, scan | 1);
  PostMessageA(window, WM_KEYUP, VK_F3, scan | 1 | (LPARAM{3} << 30));
}

}  // namespace

void CNuvariView::OnTimer(UINT_PTR) {
  if (m_bActive == 0) return;
  Tick(CWindowSnapshot::TakeTopLevel());
}

void CNuvariView::Tick(const CWindowSnapshot& desktop) {
  if (m_bNewGame == 1 && NewGameStep(desktop)) return;
  Supervise(desktop);
}

// --- New-game step ---

bool CNuvariView::NewGameStep(const CWindowSnapshot& desktop) {
  HWND found = SelectTitleSet(desktop);
  if (!found) return true;  // FreeCell is not there yet: the request waits
  HWND main = FreeCellMainWindow(desktop, found);
  // A FreeCell box without its main window in sight: let the supervising step answer the box
  // on this tick and keep the request for a later one.
  if (!main) return false;
  SetWindowPos(main, nullptr, m_nLeft, m_nTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  OpenGameNumberDialog(main);
  m_bNewGame = 0;
  // Whatever the previous dialog got, the next one gets the requested deal typed and read back.
  m_bEnterGameNo = 1;
  return true;
}

HWND CNuvariView::FreeCellMainWindow(const CWindowSnapshot& desktop, HWND found) const {
  if (HasMenuBar(found)) return found;
  return desktop.Find(m_strFreeCell, kMatchContains, HasMenuBar);
}

void CNuvariView::OpenGameNumberDialog(HWND main) {
  HMENU bar = GetMenu(main);
  HMENU first = bar ? GetSubMenu(bar, 0) : nullptr;
  const UINT command = first ? GetMenuItemID(first, 1) : UINT(-1);
  // Where another program's menu cannot be read (Wine keeps menus per process), FreeCell's own
  // shortcut for the same command does the job.
  if (command == UINT(-1)) {
    PostSelectGameKey(main);
    return;
  }
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// --- Supervising step: six checks, the first that acts ends the tick ---

void CNuvariView::Supervise(const CWindowSnapshot& desktop) {
  if (CheckFreeCellGone(desktop)) return;
  if (CheckGameNumberDialog(desktop)) return;
  HWND game = desktop.Find(m_strGameTitle, kMatchContains);
  if (!game) return;  // no deal in play: nothing below concerns us
  if (AnswerFreeCellBox(desktop, game)) return;
  if (AnswerGameOver(desktop)) return;
  AnswerMoveQuestion(desktop);
}

bool CNuvariView::CheckFreeCellGone(const CWindowSnapshot& desktop) {
  if (desktop.Find(m_strFreeCell, kMatchContains)) {
    m_nMissingTicks = 0;
    return false;
  }
  if (m_nMissingTicks < INT_MAX) ++m_nMissingTicks;
  if (m_nMissingTicks > 2 && m_bAutoExit == 1) {
    fw::CWinApp* app = fw::GetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd) PostMessageA(app->m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}

bool CNuvariView::CheckGameNumberDialog(const CWindowSnapshot& desktop) {
  HWND dialog = desktop.Find(m_strSelectGame, kMatchEquals);
  if (!dialog) {
    m_bEnterGameNo = 1;
    return false;
  }
  if (m_bEnterGameNo == 1) {
    TypeGameNumber(dialog);
  } else if (HWND ok = FindChildByText(dialog, kTextOk, kMatchEquals)) {
    PressButton(dialog, ok);
  }
  return true;
}

void CNuvariView::TypeGameNumber(HWND dialog) {
  HWND edit = ::GetDlgItem(dialog, kGameNumberEdit);
  if (!edit) return;
  const int number = m_nRetryNo != 0 ? m_nRetryNo : m_nGameNo;
  const std::string text = nuvari::FormatInt(number);
  DWORD_PTR taken = 0;
  const bool answered = SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &taken) != 0;
  m_nEnteredGameNo = number;
  if (!answered || taken != 1) return;  // typed again on the next tick
  if (ReadBackGameNumber(edit) != text) return;
  m_bEnterGameNo = 0;
  if (m_nWinCountdown <= 0) m_nWinCountdown = m_nGameOverYourWinCnt;
}

std::string CNuvariView::ReadBackGameNumber(HWND edit) const {
  // Ten bytes on purpose: room for any deal number and its zero, and a text longer than nine
  // characters comes back cut short, so it can never pass for the number that was typed.
  char buffer[10] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(edit, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &length))
    return {};
  return std::string(buffer, std::min<DWORD_PTR>(length, sizeof(buffer) - 1));
}

bool CNuvariView::AnswerFreeCellBox(const CWindowSnapshot& desktop, HWND game) {
  HWND box = desktop.Find(m_strFreeCell, kMatchEquals);
  if (!box) return false;
  if (HWND ok = FindChildByText(box, kTextOk, kMatchEquals)) {
    PressButton(box, ok);
  } else if (HWND yes = FindChildByText(box, kTextYes, kMatchContains)) {
    // A yes may close FreeCell or start afresh: its place is kept before that.
    RecordFreeCellPosition(game);
    PressButton(box, yes);
  }
  return true;
}

bool CNuvariView::AnswerGameOver(const CWindowSnapshot& desktop) {
  HWND box = desktop.Find(m_strGameOver, kMatchEquals);
  if (!box) {
    m_bGameOverArmed = 1;
    return false;
  }
  if (FindChildByText(box, m_strYouWin, kMatchContains)) return AnswerWinBox(box);
  if (FindChildByText(box, m_strYouLose, kMatchContains)) return PressYes(box);
  return false;  // neither text: not ours to answer
}

bool CNuvariView::AnswerWinBox(HWND box) {
  if (m_bGameOverArmed == 1) {
    CreditWin();
    m_bGameOverArmed = 0;
    return true;
  }
  if (m_bGameOverYourWin == 1) {
    // At most one count per typed deal: a second box for the same number takes nothing.
    if (m_nEnteredGameNo != m_nCountedGameNo) {
      m_nCountedGameNo = m_nEnteredGameNo;
      --m_nWinCountdown;
    }
    if (m_nWinCountdown <= 0) {
      m_nWinCountdown = 0;
      return true;  // this one is the player's
    }
  }
  return PressYes(box);
}

void CNuvariView::CreditWin() {
  // The win belongs to the deal typed into FreeCell. Pend or Try pressed after the win but before
  // this tick has moved the panel on already: the win must not skip the next deal or retire a
  // pending deal unplayed. Nothing typed since the start: the deal in play is the panel's.
  const int won = m_nEnteredGameNo;
  if (m_nRetryNo != 0 && (won == 0 || won == m_nRetryNo))
    RetirePending();
  else if (won == 0 || won == m_nGameNo)
    AdvanceGame();
}

bool CNuvariView::PressYes(HWND box) {
  HWND yes = FindChildByText(box, kTextYes, kMatchContains);
  if (!yes) return false;
  PressButton(box, yes);
  return true;
}

void CNuvariView::AnswerMoveQuestion(const CWindowSnapshot& desktop) {
  HWND box = desktop.Find(m_strMoveToEmpty, kMatchEquals);
  if (!box || m_bMoveArmed != 1) {
    m_bMoveArmed = 1;
    return;
  }
  m_bMoveArmed = 0;
  const std::string answer = m_nIdleRow == 0   ? std::string(kTextMoveColumn)
                             : m_nIdleRow == 1 ? m_strMoveOneCard
                                               : std::string();
  if (answer.empty()) return;  // any other IdleRow: the player answers
  if (HWND button = FindChildByText(box, answer, kMatchContains)) PressButton(box, button);
}

// --- Shutdown close ---

void CNuvariView::CloseFreeCell() {
  // Before any title set was chosen the search text is empty and would match any program.
  if (!TitleSetChosen()) return;
  const DWORD start = GetTickCount();
  bool firstPass = true;
  for (;;) {
    const CWindowSnapshot desktop = CWindowSnapshot::TakeTopLevel();
    HWND found = desktop.Find(m_strFreeCell, kMatchContains);
    if (!found) return;
    if (firstPass) {
      firstPass = false;
      HWND main = FreeCellMainWindow(desktop, found);
      RememberAndClose(main ? main : found);
    }
    HWND box = desktop.Find(m_strFreeCell, kMatchEquals);
    if (box && PressYes(box)) return;
    PumpMessages();
    const DWORD waited = GetTickCount() - start;
    if (waited >= kCloseLimitMs) return;  // FreeCell does not close: leave it
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(kClosePassMs, kCloseLimitMs - waited), QS_ALLINPUT);
  }
}

void CNuvariView::RememberAndClose(HWND window) {
  // The settings are stored afterwards by the destructor.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(window, &placement)) {
    m_nTop = placement.rcNormalPosition.top;
    m_nLeft = placement.rcNormalPosition.left;
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
}
