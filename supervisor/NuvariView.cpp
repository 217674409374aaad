#include "NuvariView.h"

#include "DataExchange.h"
#include "WinApp.h"

const fw::MessageMap& CNuvariView::ClassMessageMap() {
  static const fw::MessageMap map(&fw::CFormView::ClassMessageMap(), {
      fw::MapTimer(&CNuvariView::OnTimer),
      fw::MapSimple(WM_DESTROY, &CNuvariView::OnDestroy),
  });
  return map;
}

namespace {

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

CNuvariView::~CNuvariView() = default;

HWND CNuvariView::SelectTitleSet() {
  // The half-width edition is tried first: it wins when both are present.
  HWND desktop = GetDesktopWindow();
  if (HWND window = FindChildByText(desktop, m_strFreeCellHalf, kMatchContains)) {
    m_strFreeCell = m_strFreeCellHalf;
    m_strSelectGame = m_strSelectGameHalf;
    m_strGameTitle = m_strGameTitleHalf;
    m_strGameOver = m_strGameOverHalf;
    m_strYouWin = m_strYouWinHalf;
    m_strYouLose = m_strYouLoseHalf;
    m_strMoveToEmpty = m_strMoveToEmptyHalf;
    m_strMoveOneCard = m_strMoveOneCardHalf;
    return window;
  }
  if (HWND window = FindChildByText(desktop, m_strFreeCellFull, kMatchContains)) {
    m_strFreeCell = m_strFreeCellFull;
    m_strSelectGame = m_strSelectGameFull;
    m_strGameTitle = m_strGameTitleFull;
    m_strGameOver = m_strGameOverFull;
    m_strYouWin = m_strYouWinFull;
    m_strYouLose = m_strYouLoseFull;
    m_strMoveToEmpty = m_strMoveToEmptyFull;
    m_strMoveOneCard = m_strMoveOneCardFull;
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
  GetWindowPlacement(window, &placement);
  m_nTop = placement.rcNormalPosition.top;
  m_nLeft = placement.rcNormalPosition.left;
  SaveSettings();
}

SettingsRecord CNuvariView::CurrentRecord() const {
  return {m_strPath, m_nGameNo, m_nTop, m_nLeft, m_nIdleRow, m_bAutoExit, m_bGameOverYourWin, m_nGameOverYourWinCnt};
}

void CNuvariView::DoDataExchange(fw::CDataExchange&) {}

void CNuvariView::OnInitialUpdate() { fw::CFormView::OnInitialUpdate(); }

void CNuvariView::OnUpdate(fw::CView*, LPARAM, void*) {}

int CNuvariView::ShowMessage(const std::string& text, UINT type) {
  const int previous = m_bActive;
  m_bActive = 0;
  const int result = fw::GetApp()->DoMessageBox(text, type);
  m_bActive = previous;
  return result;
}
