// Main window of the stand-in FreeCell.
#include "MainWindow.h"

#include <windowsx.h>

#include "BoxDialog.h"
#include "GameNumberDialog.h"
#include "Handles.h"
#include "TableLayout.h"
#include "WindowClass.h"
#include "TextNumber.h"
#include "resource.h"

namespace freecell {
namespace {

// A timer that fires while a box is open tries again this much later.
const UINT kRetryMs = 100;
// Auto-play makes a new plan when the table is not what the plan expects, but not for ever: a
// player who keeps answering the move question the other way gets the game back.
const int kMostReplans = 20;

struct Command {
  UINT id;
  const char* menuEvent;
  const char* keyEvent;
  void (MainWindow::*handler)();
};

int FirstEmptyCell(const Table& table) {
  int cell = 0;
  while (cell < Table::kCells && table.Cell(cell)) ++cell;
  return cell;
}

const char* FamilyName(Family family) { return family == Family::Win95 ? "95" : "nt"; }
const char* EditionName(Edition edition) { return edition == Edition::Half ? "half" : "full"; }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const Options& options)
    : m_hInstance(instance),
      m_options(options),
      m_texts(instance, options.edition),
      m_log(options.logPath),
      m_statistics(StatisticsStore::ForFamily(options.family)),
      m_random(GetTickCount()) {}

bool MainWindow::Create(int showCommand) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = m_hInstance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExA(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, TableLayout::kClientWidth, TableLayout::kClientHeight};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  const int x = m_options.x.value_or(CW_USEDEFAULT);
  const int y = m_options.y.value_or(m_options.x ? 0 : CW_USEDEFAULT);
  // Owned here until the window has taken it.
  fw::UniqueMenu menu(LoadMenuA(m_hInstance, MAKEINTRESOURCEA(m_texts.MenuId())));
  CreateWindowExA(0, kMainWindowClass, m_texts.Get(IDS_FREECELL).c_str(), style, x, y, frame.right - frame.left,
                  frame.bottom - frame.top, nullptr, menu.get(), m_hInstance, this);
  if (m_hWnd == nullptr) return false;
  menu.release();
  ShowWindow(m_hWnd, showCommand);
  UpdateWindow(m_hWnd);
  m_bLogWorks = m_log.Write("started", std::string(EditionName(m_options.edition)) + " " + FamilyName(m_options.family));
  PostMessageA(m_hWnd, kStartedMessage, 0, 0);
  return true;
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->m_hWnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam) == 1); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_LBUTTONDOWN: OnClick(lParam, false); return 0;
    case WM_LBUTTONDBLCLK: OnClick(lParam, true); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case kStartedMessage: OnStarted(); return 0;
    default: return DefWindowProcA(m_hWnd, message, wParam, lParam);
  }
}

void MainWindow::OnPaint() {
  fw::PaintScope dc(m_hWnd);
  RECT client{};
  GetClientRect(m_hWnd, &client);
  m_painter.Paint(dc.dc(), client, m_table ? &*m_table : nullptr, m_selected);
}

void MainWindow::OnCommand(UINT id, bool fromAccelerator) {
  static const Command kCommands[] = {
      {IDM_NEW_GAME, "menu-new-game", "key-f2", &MainWindow::OnNewGame},
      {IDM_SELECT_GAME, "menu-select-game", "key-f3", &MainWindow::OnSelectGame},
      {IDM_RESTART, "menu-restart", "key-f10", &MainWindow::OnRestart},
      {IDM_STATISTICS, "menu-statistics", "key-f4", &MainWindow::OnStatistics},
      {IDM_EXIT, "menu-exit", "menu-exit", &MainWindow::OnClose},
  };
  for (const Command& command : kCommands) {
    if (command.id != id) continue;
    const char* event = fromAccelerator ? command.keyEvent : command.menuEvent;
    // Posted commands still arrive while a box is open; acting on them would stack a second box.
    if (!m_boxes.Empty()) {
      m_log.Write("ignored", event);
      return;
    }
    m_log.Write(event);
    (this->*command.handler)();
    return;
  }
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kPlayTimer) {
    // A move question of the plan's own move is open meanwhile: its answer decides what comes next.
    if (m_boxes.Empty() && m_play == Play::InPlay) PlayNextPlannedMove();
    return;
  }
  if (!m_boxes.Empty()) {
    SetTimer(m_hWnd, id, kRetryMs, nullptr);
    return;
  }
  KillTimer(m_hWnd, id);
  if (m_play != Play::InPlay) return;
  if (id == kEndTimer) FinishDeal(m_options.losingDeals.count(DealNumber()) == 0);
  if (id == kMoveTimer) AskMove();
}

// Two clicks make a move: the first picks up a column's top card (or its run) or a free cell's card,
// the second puts it down; a click on the picked place puts it back. A double-click sends the card to
// a free cell. Clicks posted while a box is open are not the player's.
void MainWindow::OnClick(LPARAM point, bool doubleClick) {
  if (!m_boxes.Empty() || m_play != Play::InPlay) return;
  const std::optional<Place> place = TableLayout::PlaceAt({GET_X_LPARAM(point), GET_Y_LPARAM(point)});
  const std::optional<Place> picked = m_selected;
  m_selected.reset();
  if (doubleClick) {
    if (place && place->area == Area::Column && m_table->Top(place->index)) {
      // With every free cell full the move to the first one is refused like any other.
      const int cell = FirstEmptyCell(*m_table);
      PlayMove(*place, CellPlace(cell < Table::kCells ? cell : 0));
    }
  } else if (picked && place && *place != *picked) {
    PlayMove(*picked, *place);
  } else if (!picked && place && place->area != Area::Foundation) {
    const bool hasCard = place->area == Area::Column ? m_table->Top(place->index).has_value()
                                                     : m_table->Cell(place->index).has_value();
    if (hasCard) m_selected = place;
  }
  ShowTable();
}

void MainWindow::OnClose() {
  // Close requested while boxes are open: end them first, then close as from the table.
  if (!m_boxes.Empty()) {
    m_bCloseRequested = true;
    m_boxes.DismissAll();
    return;
  }
  if (m_options.askOnClose && !ConfirmResign(IDS_RESIGN_CLOSE)) return;
  DestroyWindow(m_hWnd);
}

void MainWindow::OnDestroy() {
  KillTimer(m_hWnd, kEndTimer);
  KillTimer(m_hWnd, kMoveTimer);
  KillTimer(m_hWnd, kPlayTimer);
  m_log.Write("closed");
  PostQuitMessage(0);
}

void MainWindow::OnStarted() {
  for (const std::string& word : m_options.rejected) {
    m_log.Write("bad-switch", word);
    ShowMessage("message", m_texts.Get(IDS_FREECELL), m_texts.Get(IDS_BAD_SWITCH) + word);
  }
  if (!m_bLogWorks) ShowMessage("message", m_texts.Get(IDS_FREECELL), m_texts.Get(IDS_BAD_LOG) + m_options.logPath);
}

void MainWindow::OnSelectGame() {
  if (!ConfirmResign(IDS_RESIGN)) return;
  std::uniform_int_distribution<int> proposal(Deal::kFirstNumber, Deal::kLastNumber);
  GameNumberDialog dialog(m_hInstance, m_options, m_texts, m_log, m_boxes, proposal(m_random));
  if (RunBox(dialog) == IDOK) StartDeal(dialog.ChosenNumber());
}

void MainWindow::OnNewGame() {
  if (!ConfirmResign(IDS_RESIGN)) return;
  std::uniform_int_distribution<int> number(Deal::kFirstNumber, Deal::kLastNumber);
  StartDeal(number(m_random));
}

void MainWindow::OnRestart() {
  if (m_table) StartDeal(DealNumber());
}

void MainWindow::OnStatistics() {
  const Statistics stats = m_statistics->Load();
  const std::string text = "勝ち: " + nuvari::FormatInt(stats.won) + "   負け: " + nuvari::FormatInt(stats.lost) +
                           "\r\n最多連勝: " + nuvari::FormatInt(stats.wins) +
                           "   最多連敗: " + nuvari::FormatInt(stats.losses);
  ShowMessage("statistics", m_texts.Get(IDS_STATISTICS), text);
}

// The resign question comes only with /askresign (or /askonclose) and only while a deal is in play.
bool MainWindow::ConfirmResign(UINT questionId) {
  const bool asked = questionId == IDS_RESIGN_CLOSE ? m_options.askOnClose : m_options.askResign;
  if (!asked || m_play != Play::InPlay) return true;
  BoxDialog question(m_hInstance, IDD_QUESTION, m_log, "resign", m_texts.Get(IDS_FREECELL), m_texts.Get(questionId));
  return RunBox(question) == IDYES;
}

void MainWindow::StartDeal(int number) {
  KillTimer(m_hWnd, kEndTimer);
  KillTimer(m_hWnd, kMoveTimer);
  KillTimer(m_hWnd, kPlayTimer);
  m_nDealNumber = number;
  m_table.emplace(Deal(number));
  m_selected.reset();
  m_play = Play::InPlay;
  UpdateTitle();
  m_log.Write("deal-start", nuvari::FormatInt(number));
  for (const Move& move : m_table->PlaySafeMovesHome()) m_log.Write("home", move.Text());
  ShowTable();
  if (m_options.autoWinMs) SetTimer(m_hWnd, kEndTimer, static_cast<UINT>(*m_options.autoWinMs), nullptr);
  if (m_options.askMoveMs) SetTimer(m_hWnd, kMoveTimer, static_cast<UINT>(*m_options.askMoveMs), nullptr);
  if (m_options.autoPlayMs) {
    m_nReplans = 0;
    PlanMoves();
    SetTimer(m_hWnd, kPlayTimer, static_cast<UINT>(*m_options.autoPlayMs), nullptr);
  }
}

void MainWindow::FinishDeal(bool won) {
  KillTimer(m_hWnd, kMoveTimer);
  KillTimer(m_hWnd, kPlayTimer);
  m_play = won ? Play::Won : Play::Lost;
  m_selected.reset();
  // A deal won by /autowin: its cards go home all at once.
  if (won && !m_table->IsWon()) m_table.emplace(Table::Layout{{}, {}, {Card::kKing, Card::kKing, Card::kKing, Card::kKing}});
  m_log.Write(won ? "deal-won" : "deal-lost", nuvari::FormatInt(DealNumber()));
  Statistics stats = m_statistics->Load();
  won ? stats.RecordWin() : stats.RecordLoss();
  m_statistics->Save(stats);
  m_log.Write("statistics", nuvari::FormatInt(stats.won) + " " + nuvari::FormatInt(stats.lost) + " " +
                                nuvari::FormatInt(stats.streak) + " " + nuvari::FormatInt(stats.stype));
  ShowTable();
  BoxDialog gameOver(m_hInstance, IDD_QUESTION, m_log, "game-over", m_texts.Get(IDS_GAME_OVER),
                     m_texts.Get(won ? IDS_YOU_WIN : IDS_YOU_LOSE));
  if (RunBox(gameOver) == IDYES) OnSelectGame();
}

INT_PTR MainWindow::AskMove() {
  m_log.Write("move-question");
  BoxDialog question(m_hInstance, IDD_MOVE, m_log, "move-question", m_texts.Get(IDS_MOVE_TO_EMPTY),
                     m_texts.Get(IDS_MOVE_PROMPT),
                     {{IDC_MOVE_ONE_CARD, m_texts.Get(IDS_MOVE_ONE_CARD)}, {IDCANCEL, m_texts.Get(IDS_CANCEL)}});
  return RunBox(question);
}

void MainWindow::PlayMove(Place from, Place to) {
  std::optional<Move> move = m_table->MoveBetween(from, to);
  if (!move) {
    m_log.Write("refused", from.Text() + " " + to.Text());
    MessageBeep(MB_OK);
    return;
  }
  // Several cards could go to the empty column: the player chooses the column or one card.
  if (move->to.area == Area::Column && move->count > 1 && m_table->ColumnSize(move->to.index) == 0) {
    const INT_PTR answer = AskMove();
    if (m_play != Play::InPlay || (answer != IDC_MOVE_COLUMN && answer != IDC_MOVE_ONE_CARD)) return;
    if (answer == IDC_MOVE_ONE_CARD) move->count = 1;
  }
  m_table->Apply(*move);
  m_log.Write("move", move->Text());
  for (const Move& home : m_table->PlaySafeMovesHome()) m_log.Write("home", home.Text());
  ShowTable();
  if (m_table->IsWon()) {
    FinishDeal(true);
  } else if (!m_table->HasLegalMove()) {
    FinishDeal(false);
  }
}

// One planned move a tick; a table other than the plan expects gets a new plan first.
void MainWindow::PlayNextPlannedMove() {
  if (!m_planned || !m_table->SamePosition(*m_planned)) {
    if (m_nReplans >= kMostReplans) {
      KillTimer(m_hWnd, kPlayTimer);
      m_log.Write("autoplay", "stopped");
      return;
    }
    ++m_nReplans;
    PlanMoves();
  }
  if (m_nextMove >= m_plan.size()) {
    KillTimer(m_hWnd, kPlayTimer);
    return;
  }
  const Move move = m_plan[m_nextMove++];
  m_planned->Apply(move);
  m_planned->PlaySafeMovesHome();
  PlayMove(move.from, move.to);
}

void MainWindow::PlanMoves() {
  const Solution solution = m_solver.Solve(*m_table);
  const bool won = solution.outcome == Solution::Outcome::Won;
  m_plan = won ? solution.moves : std::vector<Move>{};
  m_nextMove = 0;
  m_planned = *m_table;
  m_planned->PlaySafeMovesHome();
  m_log.Write("plan", won ? nuvari::FormatInt(static_cast<std::int32_t>(m_plan.size())) : "none");
}

void MainWindow::ShowTable() {
  InvalidateRect(m_hWnd, nullptr, FALSE);
  UpdateWindow(m_hWnd);
}

INT_PTR MainWindow::RunBox(ModalDialog& box) {
  const INT_PTR result = m_boxes.Run(box, m_hWnd);
  if (m_boxes.Empty() && m_bCloseRequested) {
    m_bCloseRequested = false;
    PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    return IDCANCEL;
  }
  return result;
}

INT_PTR MainWindow::ShowMessage(const std::string& logName, const std::string& caption, const std::string& text) {
  BoxDialog box(m_hInstance, IDD_MESSAGE, m_log, logName, caption, text);
  return RunBox(box);
}

void MainWindow::UpdateTitle() {
  std::string title = m_texts.Get(IDS_FREECELL);
  if (m_table) title = m_texts.Get(IDS_GAME_TITLE) + nuvari::FormatInt(DealNumber());
  SetWindowTextA(m_hWnd, title.c_str());
}

}  // namespace freecell
