// The stand-in's main window: title, game menu, the table played by mouse (or by the solver's moves
// with /autoplay), and the course of a deal with the boxes FreeCell shows on the way, scripted by the
// command-line switches.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <windows.h>

#include "Deal.h"
#include "EditionTexts.h"
#include "EventLog.h"
#include "ModalStack.h"
#include "Options.h"
#include "Solver.h"
#include "StatisticsStore.h"
#include "Table.h"
#include "TablePainter.h"

namespace freecell {

class MainWindow {
 public:
  MainWindow(HINSTANCE instance, const Options& options);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool Create(int showCommand);
  HWND Handle() const { return m_hWnd; }

 private:
  enum class Play { NoDeal, InPlay, Won, Lost };
  enum Timer : UINT_PTR { kEndTimer = 1, kMoveTimer = 2, kPlayTimer = 3 };
  static constexpr UINT kStartedMessage = WM_APP + 1;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Message map: one handler per message, parameters decoded.
  void OnPaint();
  void OnCommand(UINT id, bool fromAccelerator);
  void OnTimer(UINT_PTR id);
  void OnClick(LPARAM point, bool doubleClick);
  void OnClose();
  void OnDestroy();
  void OnStarted();

  // Game menu commands.
  void OnSelectGame();
  void OnNewGame();
  void OnRestart();
  void OnStatistics();

  bool ConfirmResign(UINT questionId);
  void StartDeal(int number);
  void FinishDeal(bool won);
  // The move question: the button that ended it.
  INT_PTR AskMove();

  // Play: the player's move from one place to another (by two clicks, a double-click or auto-play),
  // refused with a beep when the rules do not allow it; then the cards that go home by themselves,
  // and the end of the deal when it is won or no move is left.
  void PlayMove(Place from, Place to);
  void PlayNextPlannedMove();
  void PlanMoves();
  void ShowTable();
  INT_PTR RunBox(ModalDialog& box);
  INT_PTR ShowMessage(const std::string& logName, const std::string& caption, const std::string& text);
  void UpdateTitle();
  int DealNumber() const { return m_nDealNumber; }

  HINSTANCE m_hInstance;
  const Options& m_options;
  EditionTexts m_texts;
  EventLog m_log;
  std::unique_ptr<StatisticsStore> m_statistics;
  ModalStack m_boxes;
  TablePainter m_painter;
  std::mt19937 m_random;
  HWND m_hWnd = nullptr;
  int m_nDealNumber = 0;
  std::optional<Table> m_table;
  std::optional<Place> m_selected;
  Play m_play = Play::NoDeal;
  // Auto-play: the solver's moves, the next one, and the table that move expects (whatever else
  // happened, a move question answered the other way or the player's own move, calls for a new plan).
  Solver m_solver;
  std::vector<Move> m_plan;
  std::size_t m_nextMove = 0;
  std::optional<Table> m_planned;
  int m_nReplans = 0;
  bool m_bLogWorks = true;
  bool m_bCloseRequested = false;
};

}  // namespace freecell
