// The control panel: the deal sequence, the pending list, its buttons, its delete command and the
// settings command. The rules live in nuvari::DealSequence; list 1004 and the members hold the
// state between commands, and every change is stored through the document at once.
#include "NuvariView.h"

#include <algorithm>

#include "DataExchange.h"
#include "FrameWnd.h"
#include "Handles.h"
#include "SettingsDlg.h"
#include "TextNumber.h"

namespace {

constexpr char kTextLastDealNeedsClearList[] = "32000番は、保留ゲームをクリアしないとできません。";
constexpr char kTextThankYou[] = "お疲れさまでした。";
constexpr char kTextLastDealNotPendable[] = "32000番は、保留できません。";
constexpr char kTextListFull[] = "これ以上、保留することはできません。";
constexpr char kTextNoSelection[] =
    "保留ゲーム番号が選択されていません。保留ゲーム番号を選択してから「ﾘﾄﾗｲ」ボタン押してください。";

constexpr UINT kExclamation = MB_OK | MB_ICONEXCLAMATION;

std::string DeleteQuestion(std::int32_t deal) {
  return "保留ゲーム番号 " + nuvari::FormatInt(deal) + " を削除しますか？";
}

}  // namespace

// --- The list as the rules see it ---

std::vector<std::int32_t> CNuvariView::ListedDeals() const {
  std::vector<std::int32_t> deals;
  HWND list = PendingList();
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) continue;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    deals.push_back(nuvari::ParseLeadingInt(text));
  }
  return deals;
}

nuvari::DealSequence CNuvariView::CurrentSequence() const { return {m_nGameNo, m_nRetryNo, ListedDeals()}; }

void CNuvariView::TakeSequence(const nuvari::DealSequence& sequence) {
  m_nGameNo = sequence.GameNo();
  m_nRetryNo = sequence.RetryNo();
  EnableDlgItem(IDC_BUTTON_UPDATE, sequence.UpdateEnabled());
  EnableDlgItem(IDC_BUTTON_PEND, sequence.PendEnabled());
}

void CNuvariView::SelectPendingEntry(std::size_t index) const {
  SendMessageA(PendingList(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::optional<std::size_t> CNuvariView::SelectedEntry() const {
  const LRESULT selected = SendMessageA(PendingList(), LB_GETCURSEL, 0, 0);
  if (selected < 0) return std::nullopt;
  return static_cast<std::size_t>(selected);
}

void CNuvariView::FocusGameNo() {
  SetFocus(GetDlgItem(IDC_GAME_NO));
  // An edit that had the focus already gets no EN_SETFOCUS, yet the list must lose its selection.
  OnSetfocusGameNo();
}

void CNuvariView::LoadPanel() {
  HWND list = PendingList();
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const nuvari::DealSequence sequence = nuvari::DealSequence::Load(m_nGameNo, GetDocument()->m_arrPending);
  for (const std::int32_t deal : sequence.Listed())
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(nuvari::FormatInt(deal).c_str()));
  RefreshPendingCount();
  TakeSequence(sequence);
  if (sequence.GetState() != nuvari::DealSequence::State::kFinal) return;
  // Deal 32000 waits for the pending deals: the first is tried at once, without a message.
  m_bNewGame = 1;
  SetFocus(list);
  SelectPendingEntry(0);
}

// --- Storing ---

void CNuvariView::SaveSettings() {
  GetDocument()->SetSettings(CurrentRecord());
  UpdateData(FALSE);
}

void CNuvariView::RefreshPendingCount() {
  const LRESULT count = SendMessageA(PendingList(), LB_GETCOUNT, 0, 0);
  SetDlgItemText(IDC_PENDING_COUNT, nuvari::FormatInt(static_cast<std::int32_t>(count)));
  EnableDlgItem(IDC_BUTTON_TRY, count > 0);
}

// --- Wins handed over by the timer ---

void CNuvariView::AdvanceGame() {
  nuvari::DealSequence sequence = CurrentSequence();
  const nuvari::DealSequence::Advance outcome = sequence.AdvanceGame();
  m_nGameNo = sequence.GameNo();
  if (outcome == nuvari::DealSequence::Advance::kLastDealWithPending)
    TakeUpPendingAtLastDeal();
  else if (outcome == nuvari::DealSequence::Advance::kPassedLastDeal)
    ShowMessage(kTextThankYou, MB_OK | MB_ICONINFORMATION);
  GetDocument()->SetSettings(CurrentRecord());
  UpdateData(FALSE);
}

void CNuvariView::TakeUpPendingAtLastDeal() {
  // Held until the first pending deal is taken up, not only while the box is open.
  const int active = m_bActive;
  m_bActive = 0;
  ShowMessage(kTextLastDealNeedsClearList, kExclamation);
  SelectPendingEntry(0);
  OnButtonTry();  // the Final state disables update and pend
  m_bActive = active;
}

void CNuvariView::RetirePending() {
  const int won = m_nRetryNo;
  nuvari::DealSequence sequence = CurrentSequence();
  const nuvari::DealSequence::Retirement retired = sequence.RetirePending();
  if (retired.removedAt) SendMessageA(PendingList(), LB_DELETESTRING, static_cast<WPARAM>(*retired.removedAt), 0);
  GetDocument()->RemovePending(won);
  RefreshPendingCount();
  TakeSequence(sequence);
  // The next pending deal is typed the next time FreeCell asks for a number; nothing restarts.
  if (retired.nextAt) SelectPendingEntry(*retired.nextAt);
  UpdateData(FALSE);
}

// --- Commands of the panel ---

void CNuvariView::OnButtonPend() {
  nuvari::DealSequence sequence = CurrentSequence();
  switch (sequence.CheckPend()) {
    case nuvari::DealSequence::PendCheck::kIsLastDeal:
      ShowMessage(kTextLastDealNotPendable, kExclamation);
      FocusGameNo();
      return;
    case nuvari::DealSequence::PendCheck::kAlreadyListed:
      FocusGameNo();
      return;
    case nuvari::DealSequence::PendCheck::kListFull:
      ShowMessage(kTextListFull, kExclamation);
      FocusGameNo();
      return;
    case nuvari::DealSequence::PendCheck::kAccepted:
      break;
  }
  const LRESULT added =
      SendMessageA(PendingList(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(nuvari::FormatInt(m_nGameNo).c_str()));
  if (added == LB_ERR || added == LB_ERRSPACE) {
    ShowMessage(kTextListFull, kExclamation);
    FocusGameNo();
    return;
  }
  GetDocument()->AddPending(m_nGameNo);
  RefreshPendingCount();
  AdvanceGame();
  m_bNewGame = 1;
  FocusGameNo();
}

void CNuvariView::OnButtonTry() {
  const LRESULT selected = SendMessageA(PendingList(), LB_GETCURSEL, 0, 0);
  nuvari::DealSequence sequence = CurrentSequence();
  if (selected < 0 || static_cast<std::size_t>(selected) >= sequence.Listed().size()) {
    ShowMessage(kTextNoSelection, kExclamation);
    return;
  }
  if (sequence.Try(static_cast<std::size_t>(selected)) == nuvari::DealSequence::TryResult::kAlreadyTrying) {
    ActivateFreeCell();  // the deal in play is not restarted
    return;
  }
  TakeSequence(sequence);
  m_bNewGame = 1;
}

void CNuvariView::OnDblclkPendingList() { OnButtonTry(); }

void CNuvariView::OnButtonUpdate() {
  const int previous = m_nGameNo;
  // The framework's number checks show their messages with the timer left running; a refused
  // number never reached m_nGameNo, which a win meanwhile may have moved on.
  if (!UpdateData(TRUE)) {
    RefuseUpdate(m_nGameNo);
    return;
  }
  nuvari::DealSequence sequence(previous, m_nRetryNo, ListedDeals());
  switch (sequence.UpdateGameNo(m_nGameNo)) {
    case nuvari::DealSequence::Update::kOutOfRange:
      RefuseUpdate(previous);
      return;
    case nuvari::DealSequence::Update::kLastDealWithPending:
      ShowMessage(kTextLastDealNeedsClearList, kExclamation);
      RefuseUpdate(previous);
      return;
    case nuvari::DealSequence::Update::kLeftTrying:
      // The tried deal stays listed; the sequence goes on at the new number at once.
      TakeSequence(sequence);
      m_bNewGame = 1;
      GetDocument()->SetSettings(CurrentRecord());
      FocusGameNo();
      return;
    case nuvari::DealSequence::Update::kInSequence:
      // Stored with the next store; FreeCell gets it at its next game-number dialog.
      FocusGameNo();
      ActivateFreeCell();
      return;
  }
}

void CNuvariView::RefuseUpdate(int previousGameNo) {
  // A refused number is not kept: the pend command and the timer would act on it otherwise.
  m_nGameNo = previousGameNo;
  UpdateData(FALSE);
  FocusGameNo();
}

void CNuvariView::OnSettings() {
  CSettingsDlg dialog;
  dialog.m_strPath = m_strPath;
  dialog.m_nIdleRow = m_nIdleRow;
  dialog.m_bAutoExit = m_bAutoExit;
  dialog.m_bGameOverYourWin = m_bGameOverYourWin;
  dialog.m_nGameOverYourWinCnt = m_nGameOverYourWinCnt;
  if (dialog.DoModal() != IDOK) return;
  m_strPath = dialog.m_strPath;
  m_nIdleRow = dialog.m_nIdleRow;
  m_bAutoExit = dialog.m_bAutoExit;
  m_bGameOverYourWin = dialog.m_bGameOverYourWin;
  m_nGameOverYourWinCnt = dialog.m_nGameOverYourWinCnt;
  m_nWinCountdown = m_nGameOverYourWinCnt;
  GetDocument()->SetSettings(CurrentRecord());
  if (m_bLaunched == 0) LaunchFreeCell();
}

void CNuvariView::OnPendingDelete() {
  const std::optional<std::size_t> selected = SelectedEntry();
  const std::vector<std::int32_t> listed = ListedDeals();
  if (!selected || *selected >= listed.size()) return;
  const std::int32_t deal = listed[*selected];
  if (ShowMessage(DeleteQuestion(deal), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  if (deal == m_nRetryNo) {
    // As if it had been won; but FreeCell still shows it, so the next deal is started at once
    // (else its win would retire the next pending deal unplayed).
    RetirePending();
    m_bNewGame = 1;
    return;
  }
  const std::optional<std::size_t> at = CurrentSequence().IndexOf(deal);
  if (!at) return;
  SendMessageA(PendingList(), LB_DELETESTRING, static_cast<WPARAM>(*at), 0);
  GetDocument()->RemovePending(deal);
  RefreshPendingCount();
  // The entry that took its place keeps the selection, so deleting can go on from the keyboard.
  const LRESULT left = SendMessageA(PendingList(), LB_GETCOUNT, 0, 0);
  if (left > 0) SelectPendingEntry(std::min(*at, static_cast<std::size_t>(left - 1)));
}

int CNuvariView::OnVKeyToItem(UINT key, HWND list) {
  // A frame accelerator would take the key from edit 1000 as well; the list reports its own keys.
  if (list != PendingList() || key != VK_DELETE) return -1;
  OnPendingDelete();
  return -2;
}

void CNuvariView::OnContextMenu(HWND window, POINT screen) {
  HWND list = PendingList();
  if (window != list) return;
  if (screen.x == -1 && screen.y == -1) {
    screen = ContextMenuPointFromKeyboard();
  } else {
    // A right click acts on the entry under the pointer.
    POINT client = screen;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0) SelectPendingEntry(LOWORD(hit));
  }
  fw::UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PENDING_MENU)));
  HMENU popup = GetSubMenu(menu.get(), 0);
  fw::CFrameWnd* frame = GetParentFrame();
  if (!popup || !frame) return;
  EnableMenuItem(popup, ID_PENDING_DELETE, MF_BYCOMMAND | (SelectedEntry() ? MF_ENABLED : MF_GRAYED));
  // The frame owns the menu: it shows the item's prompt in the status bar and hands the chosen
  // command to this view, as it does for its own menus.
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, frame->m_hWnd, nullptr);
}

POINT CNuvariView::ContextMenuPointFromKeyboard() const {
  HWND list = PendingList();
  RECT place{};
  const std::optional<std::size_t> selected = SelectedEntry();
  if (!selected ||
      SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(*selected), reinterpret_cast<LPARAM>(&place)) == LB_ERR)
    place = RECT{};
  POINT point{place.left, selected ? place.bottom : 0};
  ClientToScreen(list, &point);
  return point;
}

void CNuvariView::OnSetfocusGameNo() { SendMessageA(PendingList(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0); }

void CNuvariView::OnSetfocusPendingList() {
  HWND list = PendingList();
  const LRESULT caret = SendMessageA(list, LB_GETCARETINDEX, 0, 0);
  if (caret >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(caret), 0);
}

void CNuvariView::ActivateFreeCell() {
  // Before a title set was chosen the text is empty, and an empty text matches any titled window.
  if (!TitleSetChosen()) return;
  if (HWND freeCell = FindChildByText(GetDesktopWindow(), m_strFreeCell, kMatchContains)) SetActiveWindow(freeCell);
}

void CNuvariView::OnDestroy() { KillTimer(m_hWnd, kTimerId); }
