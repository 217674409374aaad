#include "NuvariView.h"

#include "DataExchange.h"
#include "FrameWnd.h"
#include "Platform.h"
#include "WinApp.h"

const fw::MessageMap& CNuvariView::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CFormView::ClassMessageMap(), {
      fw::MapTimer(&CNuvariView::OnTimer),
      fw::MapSimple(WM_DESTROY, &CNuvariView::OnDestroy),
      fw::MapCommand(IDC_BUTTON_UPDATE, &CNuvariView::OnButtonUpdate),
      fw::MapCommand(IDC_BUTTON_PEND, &CNuvariView::OnButtonPend),
      fw::MapCommand(IDC_BUTTON_TRY, &CNuvariView::OnButtonTry),
      fw::MapCommand(ID_FILE_SETTINGS, &CNuvariView::OnSettings),
      fw::MapControl(LBN_DBLCLK, IDC_PENDING_LIST, &CNuvariView::OnDblclkPendingList),
      fw::MapControl(LBN_SETFOCUS, IDC_PENDING_LIST, &CNuvariView::OnSetfocusPendingList),
      fw::MapControl(EN_SETFOCUS, IDC_GAME_NO, &CNuvariView::OnSetfocusGameNo),
  });
  return map;
}

namespace {

constexpr char kTextMakeSettings[] = "環境設定を行ってください。";
constexpr char kTextNoTimer[] = "タイマーリソースが不足しています。";

// One edition's texts of FreeCell's windows, in catalogue order.
struct TitleSet {
  const char* freeCell;
  const char* selectGame;
  const char* gameTitle;
  const char* gameOver;
  const char* youWin;
  const char* youLose;
  const char* moveToEmpty;
  const char* moveOneCard;
};

constexpr TitleSet kHalfWidth{"ﾌﾘｰｾﾙ", "ｹﾞｰﾑ番号の指定", "ﾌﾘｰｾﾙ ｹﾞｰﾑ #", "ｹﾞｰﾑ ｵｰﾊﾞｰ",
                              "あなたの勝ち", "あなたの負け", "空の列に移動", "1枚のｶｰﾄﾞを移動する"};
constexpr TitleSet kFullWidth{"フリーセル", "ゲーム番号の指定", "フリーセル ゲーム #", "ゲーム オーバー",
                              "あなたの勝ち", "あなたの負け", "空の列に移動...", "1 枚のカードを移動する"};

}  // namespace

CNuvariView::CNuvariView()
    : fw::CFormView(IDD),
      m_strFreeCellHalf(kHalfWidth.freeCell),
      m_strFreeCellFull(kFullWidth.freeCell),
      m_strSelectGameHalf(kHalfWidth.selectGame),
      m_strSelectGameFull(kFullWidth.selectGame),
      m_strGameTitleHalf(kHalfWidth.gameTitle),
      m_strGameTitleFull(kFullWidth.gameTitle),
      m_strGameOverHalf(kHalfWidth.gameOver),
      m_strGameOverFull(kFullWidth.gameOver),
      m_strYouWinHalf(kHalfWidth.youWin),
      m_strYouWinFull(kFullWidth.youWin),
      m_strYouLoseHalf(kHalfWidth.youLose),
      m_strYouLoseFull(kFullWidth.youLose),
      m_strMoveToEmptyHalf(kHalfWidth.moveToEmpty),
      m_strMoveToEmptyFull(kFullWidth.moveToEmpty),
      m_strMoveOneCardHalf(kHalfWidth.moveOneCard),
      m_strMoveOneCardFull(kFullWidth.moveOneCard) {}

CNuvariView::~CNuvariView() {
  CloseFreeCell();
  // The document outlives the view; the window is gone, so only the record is handed over.
  if (CNuvariDoc* document = GetDocument()) document->SetSettings(CurrentRecord());
}

namespace {

// Each role's active member with its half-width and full-width texts.
struct RoleMembers {
  std::string CNuvariView::*active;
  std::string CNuvariView::*half;
  std::string CNuvariView::*full;
};

constexpr RoleMembers kRoles[] = {
    {&CNuvariView::m_strFreeCell, &CNuvariView::m_strFreeCellHalf, &CNuvariView::m_strFreeCellFull},
    {&CNuvariView::m_strSelectGame, &CNuvariView::m_strSelectGameHalf, &CNuvariView::m_strSelectGameFull},
    {&CNuvariView::m_strGameTitle, &CNuvariView::m_strGameTitleHalf, &CNuvariView::m_strGameTitleFull},
    {&CNuvariView::m_strGameOver, &CNuvariView::m_strGameOverHalf, &CNuvariView::m_strGameOverFull},
    {&CNuvariView::m_strYouWin, &CNuvariView::m_strYouWinHalf, &CNuvariView::m_strYouWinFull},
    {&CNuvariView::m_strYouLose, &CNuvariView::m_strYouLoseHalf, &CNuvariView::m_strYouLoseFull},
    {&CNuvariView::m_strMoveToEmpty, &CNuvariView::m_strMoveToEmptyHalf, &CNuvariView::m_strMoveToEmptyFull},
    {&CNuvariView::m_strMoveOneCard, &CNuvariView::m_strMoveOneCardHalf, &CNuvariView::m_strMoveOneCardFull},
};

}  // namespace

HWND CNuvariView::SelectTitleSet() { return SelectTitleSet(CWindowSnapshot::TakeTopLevel()); }

HWND CNuvariView::SelectTitleSet(const CWindowSnapshot& desktop) {
  // The half-width edition is tried first: it wins when both are present. All eight active
  // texts always come from one set.
  for (const bool half : {true, false}) {
    HWND window = desktop.Find(half ? m_strFreeCellHalf : m_strFreeCellFull, kMatchContains);
    if (!window) continue;
    for (const RoleMembers& role : kRoles) this->*role.active = this->*(half ? role.half : role.full);
    return window;
  }
  return nullptr;
}

BOOL CNuvariView::PressButton(HWND dialog, HWND button) {
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
}

void CNuvariView::RecordFreeCellPosition(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  // A window that went away meanwhile has no position: the recorded one stays.
  if (GetWindowPlacement(window, &placement)) {
    m_nTop = placement.rcNormalPosition.top;
    m_nLeft = placement.rcNormalPosition.left;
  }
  SaveSettings();
}

SettingsRecord CNuvariView::CurrentRecord() const {
  return {m_strPath, m_nGameNo, m_nTop, m_nLeft, m_nIdleRow, m_bAutoExit, m_bGameOverYourWin, m_nGameOverYourWinCnt};
}

void CNuvariView::DoDataExchange(fw::CDataExchange& dx) {
  // The number reaches m_nGameNo only once both checks passed: their messages leave the timer
  // running, and a win meanwhile must advance the deal in play, never a refused number.
  int number = m_nGameNo;
  fw::DDX_Text(dx, IDC_GAME_NO, number);
  fw::DDV_MinMaxInt(dx, number, nuvari::kFirstDeal, nuvari::kLastDeal);
  m_nGameNo = number;
}

void CNuvariView::OnInitialUpdate() {
  fw::CFormView::OnInitialUpdate();
  if (fw::CFrameWnd* frame = GetParentFrame()) frame->RecalcLayout();
  ResizeParentToFit(true);
  m_nTimer = fw::platform::SetTimer(m_hWnd, kTimerId, kTimerPeriodMs);
  // No retry: the panel works on without polling.
  if (m_nTimer == 0) ShowMessage(kTextNoTimer, MB_OK | MB_ICONEXCLAMATION);
  m_bActive = 1;
  if (m_bLaunched == 0) LaunchFreeCell();
}

void CNuvariView::OnUpdate(fw::CView*, LPARAM, void*) {
  const CNuvariDoc& document = *GetDocument();
  // Taken before a prompt for the path: the settings dialog then shows, and its OK stores,
  // the loaded values rather than the view's initial ones.
  m_nGameNo = document.m_nGameNo;
  m_nTop = document.m_nTop;
  m_nLeft = document.m_nLeft;
  m_nIdleRow = document.m_nIdleRow;
  m_bAutoExit = document.m_bAutoExit;
  m_bGameOverYourWin = document.m_bGameOverYourWin;
  m_nGameOverYourWinCnt = document.m_nGameOverYourWinCnt;
  m_nWinCountdown = document.m_nGameOverYourWinCnt;
  const std::string path = document.m_strPath;
  if (!path.empty()) {
    m_strPath = path;
  } else {
    // No tick may act while the prompt or the settings dialog after it is open.
    m_bActive = 0;
    ShowMessage(kTextMakeSettings, MB_OK | MB_ICONEXCLAMATION);
    OnSettings();
    m_bActive = 1;
  }
  LoadPanel();
  UpdateData(FALSE);
}

int CNuvariView::ShowMessage(const std::string& text, UINT type) {
  const int previous = m_bActive;
  m_bActive = 0;
  const int result = fw::GetApp()->DoMessageBox(text, type);
  m_bActive = previous;
  return result;
}
