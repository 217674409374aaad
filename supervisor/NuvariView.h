// CNuvariView: the control panel inside the main frame (dialog 101) and the supervisor of
// FreeCell: its state and window catalogue (NuvariView.cpp), launching FreeCell
// (NuvariViewLaunch.cpp), the polling timer (NuvariViewTimer.cpp) and the deal sequence with
// the pending list (NuvariViewPanel.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DealSequence.h"
#include "NuvariDoc.h"
#include "View.h"
#include "WindowFinder.h"
#include "WindowSnapshot.h"
#include "resource.h"

class CNuvariView : public fw::CFormView, public CWindowFinder {
 public:
  enum { IDD = IDD_NUVARI_FORM };
  enum { kTimerId = 1, kTimerPeriodMs = 300 };

  CNuvariView();
  // Closes FreeCell, then stores the settings record.
  ~CNuvariView() override;

  CNuvariDoc* GetDocument() const { return static_cast<CNuvariDoc*>(fw::CView::GetDocument()); }

  // --- State (members in their fixed order) ---
  std::string m_strPath;
  int m_nTop = 0;
  int m_nLeft = 0;
  int m_nIdleRow = 0;
  int m_nRetryNo = 0;
  int m_bAutoExit = 0;
  int m_bGameOverYourWin = 0;
  int m_nGameOverYourWinCnt = nuvari::defaults::kGameOverYourWinCnt;
  int m_nWinCountdown = 1;
  int m_bNewGame = 1;
  int m_nGameNo = nuvari::defaults::kGameNo;
  int m_bLaunched = 0;
  std::string m_strFreeCell;
  std::string m_strFreeCellHalf;
  std::string m_strFreeCellFull;
  UINT_PTR m_nTimer = 0;
  int m_bActive = 0;
  int m_bGameOverArmed = 1;
  int m_bEnterGameNo = 1;
  int m_bMoveArmed = 1;
  int m_nMissingTicks = 0;
  std::string m_strSelectGame, m_strSelectGameHalf, m_strSelectGameFull;
  std::string m_strGameTitle, m_strGameTitleHalf, m_strGameTitleFull;
  std::string m_strGameOver, m_strGameOverHalf, m_strGameOverFull;
  std::string m_strYouWin, m_strYouWinHalf, m_strYouWinFull;
  std::string m_strYouLose, m_strYouLoseHalf, m_strYouLoseFull;
  std::string m_strMoveToEmpty, m_strMoveToEmptyHalf, m_strMoveToEmptyFull;
  std::string m_strMoveOneCard, m_strMoveOneCardHalf, m_strMoveOneCardFull;
  int m_nEnteredGameNo = 0;
  int m_nCountedGameNo = 0;

  // --- Catalogue and FreeCell's windows (NuvariView.cpp) ---
  // FreeCell's main window (or a FreeCell box above it), choosing the edition's title set; null when absent.
  HWND SelectTitleSet();
  HWND SelectTitleSet(const CWindowSnapshot& desktop);
  // Posts a click of button to dialog; the result of the post.
  BOOL PressButton(HWND dialog, HWND button);
  // FreeCell's restored position becomes Top/Left and is stored.
  void RecordFreeCellPosition(HWND window);
  // No title set was chosen yet: the active texts are empty and must not be searched for.
  bool TitleSetChosen() const { return !m_strFreeCell.empty(); }
  // The record the document stores.
  SettingsRecord CurrentRecord() const;

  void DoDataExchange(fw::CDataExchange& dx) override;
  void OnInitialUpdate() override;
  void OnUpdate(fw::CView* sender, LPARAM hint, void* hintObject) override;

  // --- Launching FreeCell (NuvariViewLaunch.cpp) ---
  void LaunchFreeCell();

  // --- Polling timer (NuvariViewTimer.cpp) ---
  void OnTimer(UINT_PTR id);
  // One tick against the desktop as the snapshot saw it (OnTimer takes one afresh for each tick).
  void Tick(const CWindowSnapshot& desktop);
  void CloseFreeCell();

  // --- Deal sequence and pending deals (NuvariViewPanel.cpp) ---
  void SaveSettings();
  void AdvanceGame();
  void RetirePending();
  void RefreshPendingCount();
  void ActivateFreeCell();
  void OnSettings();
  void OnButtonUpdate();
  void OnButtonPend();
  void OnButtonTry();
  void OnDblclkPendingList();
  void OnSetfocusGameNo();
  void OnSetfocusPendingList();
  // Command 32772: the selected pending deal off the list, after a question; nothing without a selection.
  void OnPendingDelete();
  // The Delete key in list 1004.
  int OnVKeyToItem(UINT key, HWND list);
  // The context menu of list 1004.
  void OnContextMenu(HWND window, POINT screen);
  void OnDestroy();

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 private:
  // Shows one of the view's own boxes with the timer held off meanwhile.
  int ShowMessage(const std::string& text, UINT type);

  // --- Steps of the polling timer (NuvariViewTimer.cpp) ---
  // New-game step; false when it left the tick to the supervising step.
  bool NewGameStep(const CWindowSnapshot& desktop);
  // FreeCell's main window: the window found if it has a menu bar, else the first window titled
  // with the FreeCell text that has one; null when there is none.
  HWND FreeCellMainWindow(const CWindowSnapshot& desktop, HWND found) const;
  void OpenGameNumberDialog(HWND main);
  void Supervise(const CWindowSnapshot& desktop);
  // Each check: true when it ended the tick.
  bool CheckFreeCellGone(const CWindowSnapshot& desktop);
  bool CheckGameNumberDialog(const CWindowSnapshot& desktop);
  void TypeGameNumber(HWND dialog);
  std::string ReadBackGameNumber(HWND edit) const;
  bool AnswerFreeCellBox(const CWindowSnapshot& desktop, HWND game);
  bool AnswerGameOver(const CWindowSnapshot& desktop);
  bool AnswerWinBox(HWND box);
  void CreditWin();
  bool PressYes(HWND box);
  void AnswerMoveQuestion(const CWindowSnapshot& desktop);
  // FreeCell's restored position into Top/Left (not stored here), then WM_CLOSE.
  void RememberAndClose(HWND window);

  // --- Steps of the control panel (NuvariViewPanel.cpp) ---
  // List 1004 holds the pending deals; the rules see them through a DealSequence.
  HWND PendingList() const { return GetDlgItem(IDC_PENDING_LIST); }
  std::vector<std::int32_t> ListedDeals() const;
  nuvari::DealSequence CurrentSequence() const;
  // The sequence's numbers into the members, and buttons 1001 and 1002 as its state says.
  void TakeSequence(const nuvari::DealSequence& sequence);
  // Fills the list from the document and applies the rule for deal 32000.
  void LoadPanel();
  // Deal 32000 was reached with deals pending: they are tried first.
  void TakeUpPendingAtLastDeal();
  void RefuseUpdate(int previousGameNo);
  void SelectPendingEntry(std::size_t index) const;
  // The list's selected entry, or none.
  std::optional<std::size_t> SelectedEntry() const;
  // Where the context menu opens when asked for from the keyboard: below the selected entry, or
  // at the list's corner.
  POINT ContextMenuPointFromKeyboard() const;
  void FocusGameNo();
};
