// The stand-in's main window: title, game menu, the table, and the course of a deal with the boxes
// FreeCell shows on the way, scripted by the command-line switches.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <string>

#include <windows.h>

#include "Deal.h"
#include "EditionTexts.h"
#include "EventLog.h"
#include "ModalStack.h"
#include "Options.h"
#include "StatisticsStore.h"
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
  enum Timer : UINT_PTR { kEndTimer = 1, kMoveTimer = 2 };
  static constexpr UINT kStartedMessage = WM_APP + 1;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Message map: one handler per message, parameters decoded.
  void OnPaint();
  void OnCommand(UINT id, bool fromAccelerator);
  void OnTimer(UINT_PTR id);
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
  void AskMove();
  INT_PTR RunBox(ModalDialog& box);
  INT_PTR ShowMessage(const std::string& logName, const std::string& caption, const std::string& text);
  void UpdateTitle();
  int DealNumber() const { return m_deal ? m_deal->Number() : 0; }

  HINSTANCE m_hInstance;
  const Options& m_options;
  EditionTexts m_texts;
  EventLog m_log;
  std::unique_ptr<StatisticsStore> m_statistics;
  ModalStack m_boxes;
  TablePainter m_table;
  std::mt19937 m_random;
  HWND m_hWnd = nullptr;
  std::optional<Deal> m_deal;
  Play m_play = Play::NoDeal;
  bool m_bLogWorks = true;
  bool m_bCloseRequested = false;
};

}  // namespace freecell
