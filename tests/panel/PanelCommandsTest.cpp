// The panel's commands and the wins the timer hands over: pend, try, update, advance, retire,
// and the settings command.
#include <windows.h>

#include <commctrl.h>

#include "PanelHarness.h"

namespace paneltest {
namespace {

using Texts = std::vector<std::string>;
using Buttons = std::array<bool, 3>;

constexpr char kLastDealNeedsClearList[] = "32000番は、保留ゲームをクリアしないとできません。";
constexpr char kThankYou[] = "お疲れさまでした。";
constexpr char kLastDealNotPendable[] = "32000番は、保留できません。";
constexpr char kListFull[] = "これ以上、保留することはできません。";
constexpr char kNoSelection[] =
    "保留ゲーム番号が選択されていません。保留ゲーム番号を選択してから「ﾘﾄﾗｲ」ボタン押してください。";
constexpr char kOutOfRange[] = "1 から 32000 までの整数を入力してください。";

std::string DeleteQuestion(const char* deal) { return std::string("保留ゲーム番号 ") + deal + " を削除しますか？"; }

void PressDelete(HWND list) { SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0x01530001); }

// What happens between deals: a tick takes up the new-game request; the timer hands over a win of
// the deal in the sequence or of the deal being tried; the player pends, tries an entry (by the
// button or a double click) or deletes one (by the Delete key or the command), answering the box.
// From Try on, an act works on `entry`, selected first (-1: none).
enum Act { Tick, Win, WinTried, Pend, Try, DoubleClick, DeleteKey, DeleteCommand };
struct Step {
  Act act;
  int entry = -1;
  int answer = 0;  // to the delete question
};

// Update, pend and try: in Final only try; no try with the list empty; no pend while trying.
constexpr Buttons kFinal{false, false, true};
constexpr Buttons kNothingToTry{true, true, false};
constexpr Buttons kTrying{true, false, true};

// The panel after the steps.
struct Outcome {
  Shown boxes{};
  Texts listed{};  // on the list and stored
  int next = 0;  // the number in the view, shown and stored
  int retryNo = 0;
  int selection = -1;
  int newGame = 0;
  Buttons buttons{true, true, true};  // update, pend, try
};

struct Between {
  int line;
  const char* gameNo;
  Texts pending;
  std::vector<Step> steps;
  Outcome outcome;
};

class PanelCommands : public PanelTest {
 protected:
  // Starts with the given deal and pending list stored.
  CNuvariView& StartAt(const std::string& gameNo, const Texts& pending = {}) {
    Store("GameNo", gameNo);
    StorePending(pending);
    return Start();
  }
  // The box's m_bActive, recorded afresh while each box is open.
  void RecordActiveDuringBoxes() {
    m_activeDuringBoxes.clear();
    m_boxes.onBox = [this](const nuvari::test::RecordedBox&) { m_activeDuringBoxes.push_back(View().m_bActive); };
  }
  // Starts from the row's stored state, takes its steps and checks the panel's outcome.
  void Play(const Between& row) {
    SCOPED_TRACE(row.line);
    Reset();
    CNuvariView& view = StartAt(row.gameNo, row.pending);
    RecordActiveDuringBoxes();
    bool pended = false;
    for (const Step& step : row.steps) {
      if (step.answer) m_boxes.answers.push_back(step.answer);
      if (step.act >= Try) Select(step.entry);
      switch (step.act) {
        case Tick: TakeNewGameRequest(); break;
        case Win: view.AdvanceGame(); break;
        case WinTried: view.RetirePending(); break;
        case Pend: Click(IDC_BUTTON_PEND); pended = true; break;
        case Try: Click(IDC_BUTTON_TRY); break;
        case DoubleClick: Notify(IDC_PENDING_LIST, LBN_DBLCLK); break;
        case DeleteKey: PressDelete(Control(IDC_PENDING_LIST)); break;
        case DeleteCommand: Command(ID_PENDING_DELETE); break;
      }
    }
    const Outcome& expected = row.outcome;
    EXPECT_EQ(m_boxes.TextsAndTypes(), expected.boxes);
    EXPECT_EQ(m_activeDuringBoxes, std::vector<int>(expected.boxes.size(), 0));
    EXPECT_EQ(view.m_bActive, 1);
    EXPECT_EQ(ListTexts(), expected.listed);
    EXPECT_EQ(StoredPending(), expected.listed);
    EXPECT_EQ(Text(IDC_PENDING_COUNT), std::to_string(expected.listed.size()));
    EXPECT_EQ(view.m_nGameNo, expected.next);
    EXPECT_EQ(Stored("GameNo"), std::to_string(expected.next));
    EXPECT_EQ(Text(IDC_GAME_NO), std::to_string(expected.next));
    EXPECT_EQ(view.m_nRetryNo, expected.retryNo);
    EXPECT_EQ(Selection(), expected.selection);
    EXPECT_EQ(view.m_bNewGame, expected.newGame);
    EXPECT_EQ(EnabledButtons(), expected.buttons);
    // Pend leaves the focus on the number, which clears the list's selection.
    if (pended) { EXPECT_EQ(GetFocus(), Control(IDC_GAME_NO)); }
  }
  std::vector<int> m_activeDuringBoxes;
};

TEST_F(PanelCommands, WinsAdvanceTheSequenceAndRetireTriedDeals) {
  const Between rows[] = {
      // Deal 31999 won with pending deals: Final, the first of them tried.
      {__LINE__, "31999", {"5", "17"}, {{Tick}, {Win}},
       {.boxes = {{kLastDealNeedsClearList, kWarning}}, .listed = {"5", "17"}, .next = 32000, .retryNo = 5,
        .selection = 0, .newGame = 1, .buttons = kFinal}},
      {__LINE__, "32000", {}, {{Tick}, {Win}},
       {.boxes = {{kThankYou, kInformation}}, .next = 1, .buttons = kNothingToTry}},
      // The number reaches FreeCell with its next game-number dialog.
      {__LINE__, "41", {}, {{Tick}, {Win}}, {.next = 42, .buttons = kNothingToTry}},
      // Retiring the pending deals in Final goes back to 32000, the next number typed into FreeCell.
      {__LINE__, "31999", {"5", "17"}, {{Win}, {Tick}, {WinTried}},
       {.boxes = {{kLastDealNeedsClearList, kWarning}}, .listed = {"17"}, .next = 32000, .retryNo = 17,
        .selection = 0, .buttons = kFinal}},
      {__LINE__, "31999", {"5", "17"}, {{Win}, {Tick}, {WinTried}, {WinTried}},
       {.boxes = {{kLastDealNeedsClearList, kWarning}}, .next = 32000, .buttons = kNothingToTry}},
      // A retired deal is followed by the next entry, or by the first; still trying.
      {__LINE__, "300", {"3", "8", "12"}, {{Try, 2}, {Tick}, {WinTried}},
       {.listed = {"3", "8"}, .next = 300, .retryNo = 3, .selection = 0, .buttons = kTrying}},
      {__LINE__, "300", {"3", "8", "12"}, {{Try, 1}, {Tick}, {WinTried}},
       {.listed = {"3", "12"}, .next = 300, .retryNo = 12, .selection = 1, .buttons = kTrying}},
  };
  for (const Between& row : rows) Play(row);
}

TEST_F(PanelCommands, PendSetsTheDealInPlayAside) {
  Texts hundred;
  for (int deal = 1; deal <= 100; ++deal) hundred.push_back(std::to_string(deal * 3));
  const Between rows[] = {
      // Whole numbers are compared, not prefixes.
      {__LINE__, "120", {"1200"}, {{Tick}, {Pend}}, {.listed = {"1200", "120"}, .next = 121, .newGame = 1}},
      {__LINE__, "8", {"3", "8"}, {{Tick}, {Pend}}, {.listed = {"3", "8"}, .next = 8}},
      {__LINE__, "500", hundred, {{Tick}, {Pend}}, {.boxes = {{kListFull, kWarning}}, .listed = hundred, .next = 500}},
      // Pended at 31999 with an empty list, the deal is tried at 32000.
      {__LINE__, "31999", {}, {{Tick}, {Pend}},
       {.boxes = {{kLastDealNeedsClearList, kWarning}}, .listed = {"31999"}, .next = 32000, .retryNo = 31999,
        .newGame = 1, .buttons = kFinal}},
      {__LINE__, "32000", {}, {{Tick}, {Pend}},
       {.boxes = {{kLastDealNotPendable, kWarning}}, .next = 32000, .buttons = kNothingToTry}},
  };
  for (const Between& row : rows) Play(row);
}

// Trying stores nothing.
TEST_F(PanelCommands, TryStartsTheSelectedEntry) {
  const Between rows[] = {
      {__LINE__, "40", {"3"}, {{Tick}, {Try}}, {.boxes = {{kNoSelection, kWarning}}, .listed = {"3"}, .next = 40}},
      {__LINE__, "40", {"3", "8"}, {{Tick}, {DoubleClick, 1}},
       {.listed = {"3", "8"}, .next = 40, .retryNo = 8, .selection = 1, .newGame = 1, .buttons = kTrying}},
  };
  for (const Between& row : rows) Play(row);
}

// Deleting the deal being tried ends the try as its win would, and the next deal is started at
// once: else FreeCell still showed the deleted deal, and winning it retired the next pending deal
// without it ever being played. Without the delete command an unwinnable pending deal (11982)
// could never leave the list, and deal 32000 was never played.
TEST_F(PanelCommands, DeleteAsksAndTakesTheEntryOff) {
  const Between rows[] = {
      // No, then yes; the entry that took its place is selected.
      {__LINE__, "40", {"3", "8", "12"}, {{Tick}, {DeleteKey, 1, IDNO}, {DeleteKey, 1, IDYES}},
       {.boxes = {{DeleteQuestion("8"), kQuestion}, {DeleteQuestion("8"), kQuestion}}, .listed = {"3", "12"},
        .next = 40, .selection = 1}},
      // Nothing selected: nothing asked.
      {__LINE__, "40", {"3"}, {{Tick}, {DeleteKey}, {DeleteCommand}}, {.listed = {"3"}, .next = 40}},
      {__LINE__, "300", {"3", "8", "12"}, {{Try, 1}, {Tick}, {DeleteCommand, 1, IDYES}},
       {.boxes = {{DeleteQuestion("8"), kQuestion}}, .listed = {"3", "12"}, .next = 300, .retryNo = 12,
        .selection = 1, .newGame = 1, .buttons = kTrying}},
      // Final ended: deal 32000 next.
      {__LINE__, "32000", {"11982"}, {{Tick}, {DeleteKey, 0, IDYES}},
       {.boxes = {{DeleteQuestion("11982"), kQuestion}}, .next = 32000, .newGame = 1, .buttons = kNothingToTry}},
  };
  for (const Between& row : rows) Play(row);
}

// --- Try ---

TEST_F(PanelCommands, TryOnTheDealInPlayOnlyBringsFreeCellForward) {
  CNuvariView& view = StartAt("40", {"3", "8"});
  TitledWindow freeCell("ﾌﾘｰｾﾙ ｹﾞｰﾑ #8", true);
  ASSERT_EQ(view.SelectTitleSet(), freeCell.Handle());
  Select(1);
  Click(IDC_BUTTON_TRY);
  TakeNewGameRequest();
  SetActiveWindow(GetParent(view.m_hWnd));
  Select(1);
  Click(IDC_BUTTON_TRY);
  EXPECT_EQ(view.m_bNewGame, 0);  // not restarted
  EXPECT_EQ(view.m_nRetryNo, 8);
  EXPECT_EQ(GetActiveWindow(), freeCell.Handle());
}

TEST_F(PanelCommands, NoTitleSetChosenActivatesNothing) {
  // Before the first choice the FreeCell text is empty; a search for it would match any title.
  CNuvariView& view = StartAt("40", {"3"});
  TitledWindow other("別のプログラム", true);
  HWND frame = GetParent(view.m_hWnd);
  SetActiveWindow(frame);
  Select(0);
  Click(IDC_BUTTON_TRY);
  Select(0);
  Click(IDC_BUTTON_TRY);
  EXPECT_EQ(GetActiveWindow(), frame);
}

TEST_F(PanelCommands, FocusOnTheListSelectsTheCaretEntryAndOnTheEditClearsIt) {
  StartAt("40", {"3", "8", "12"});
  SendMessageA(Control(IDC_PENDING_LIST), LB_SETCARETINDEX, 2, FALSE);
  Select(-1);
  Notify(IDC_PENDING_LIST, LBN_SETFOCUS);
  EXPECT_EQ(Selection(), 2);
  Notify(IDC_GAME_NO, EN_SETFOCUS);
  EXPECT_EQ(Selection(), -1);
}

// --- Delete ---

TEST_F(PanelCommands, DeleteKeyInTheGameNumberIsTheEditsOwn) {
  StartAt("40", {"3"});
  Select(0);
  TypeGameNo("123");
  SendMessageA(Control(IDC_GAME_NO), EM_SETSEL, 0, 1);
  SendMessageA(Control(IDC_GAME_NO), WM_KEYDOWN, VK_DELETE, 0x01530001);
  EXPECT_TRUE(m_boxes.boxes.empty());
  EXPECT_EQ(Text(IDC_GAME_NO), "23");
  EXPECT_EQ(ListTexts(), (Texts{"3"}));
}

// The context menu of the list, as the player works it: a right click on an entry, the item
// highlighted (its prompt in the status bar), then chosen. A timer of this thread plays the
// player's part inside the menu's own loop.
struct MenuPlay {
  std::string itemText;
  UINT itemState = 0;
  std::string prompt;
  int step = 0;
};
MenuPlay* g_menuPlay = nullptr;
HWND g_statusBar = nullptr;

void CALLBACK PlayMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menuWindow = FindWindowA("#32768", nullptr);
  MenuPlay& play = *g_menuPlay;
  if (!menuWindow || !IsWindowVisible(menuWindow)) {
    if (++play.step > 200) KillTimer(nullptr, timer);
    return;
  }
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
  if (play.itemText.empty()) {
    char text[64] = {};  // one short item
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    play.itemText = text;
    play.itemState = GetMenuState(menu, 0, MF_BYPOSITION);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    return;
  }
  play.prompt = nuvari::test::StatusBarText(g_statusBar);
  PostMessageA(menuWindow, WM_KEYDOWN, (play.itemState & MF_GRAYED) ? VK_ESCAPE : VK_RETURN, 0);
  KillTimer(nullptr, timer);
}

class PanelContextMenu : public PanelCommands {
 protected:
  POINT EntryMiddle(int index) const {
    RECT item{};
    SendMessageA(Control(IDC_PENDING_LIST), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  }
  // Right click at a point of the list; the command the menu posts is dispatched after it.
  MenuPlay RightClick(POINT at) {
    MenuPlay play;
    g_menuPlay = &play;
    g_statusBar = GetDlgItem(GetParent(View().m_hWnd), IDW_STATUS_BAR);
    HWND list = Control(IDC_PENDING_LIST);
    ClientToScreen(list, &at);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, PlayMenu);
    SendMessageA(View().m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
    KillTimer(nullptr, timer);
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    g_menuPlay = nullptr;
    return play;
  }
};

TEST_F(PanelContextMenu, RightClickOnAnEntryOffersDeleteWithItsPromptAndDeletesIt) {
  StartAt("40", {"3", "8", "12"});
  Select(0);
  m_boxes.answers = {IDYES};
  const MenuPlay play = RightClick(EntryMiddle(2));
  EXPECT_EQ(play.itemText, "削除(&D)");
  EXPECT_FALSE(play.itemState & MF_GRAYED);
  EXPECT_EQ(play.prompt, "選択した保留ゲーム番号を一覧から削除");
  EXPECT_EQ(BoxTexts(), (Texts{DeleteQuestion("12")})) << "the entry under the pointer";
  EXPECT_EQ(ListTexts(), (Texts{"3", "8"}));
}

TEST_F(PanelContextMenu, WithoutASelectionTheItemIsGrayed) {
  StartAt("40", {"3"});
  Select(-1);
  // Below the only entry: no entry under the pointer.
  RECT client{};
  GetClientRect(Control(IDC_PENDING_LIST), &client);
  const MenuPlay play = RightClick({client.left + 2, client.bottom - 2});
  EXPECT_TRUE(play.itemState & MF_GRAYED);
  EXPECT_TRUE(m_boxes.boxes.empty());
  EXPECT_EQ(ListTexts(), (Texts{"3"}));
}

// --- Update ---

// The framework's number checks leave the timer running; the panel's own box holds it. A tick
// that sees a win box meanwhile advances the deal, and the refusal must not undo that.
TEST_F(PanelCommands, RefusedUpdatesKeepThePreviousNumber) {
  struct Row { int line; std::string typed; Texts pending; std::string message; bool winMeanwhile; };
  const Row rows[] = {
      {__LINE__, "12a", {}, kNotAnInteger, false},
      {__LINE__, "", {}, kNotAnInteger, false},
      {__LINE__, "0", {}, kOutOfRange, false},
      {__LINE__, "32001", {}, kOutOfRange, false},
      {__LINE__, "99999999999", {}, kOutOfRange, false},
      {__LINE__, "32000", {"5"}, kLastDealNeedsClearList, false},
      {__LINE__, "abc", {}, kNotAnInteger, true},
      {__LINE__, "0", {}, kOutOfRange, true},
      {__LINE__, "99999", {}, kOutOfRange, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reset();
    CNuvariView& view = StartAt("250", row.pending);
    TakeNewGameRequest();
    RecordActiveDuringBoxes();
    if (row.winMeanwhile) {
      m_boxes.onBox = [&](const nuvari::test::RecordedBox&) {
        m_activeDuringBoxes.push_back(view.m_bActive);
        view.AdvanceGame();
      };
    }
    TypeGameNo(row.typed);
    Click(IDC_BUTTON_UPDATE);
    m_boxes.onBox = nullptr;
    const std::string shown = row.winMeanwhile ? "251" : "250";
    EXPECT_EQ(BoxTexts(), (Texts{row.message}));
    EXPECT_EQ(std::to_string(view.m_nGameNo), shown);
    EXPECT_EQ(Text(IDC_GAME_NO), shown);
    EXPECT_EQ(Stored("GameNo"), shown);
    EXPECT_EQ(view.m_bNewGame, 0);
    EXPECT_EQ(GetFocus(), Control(IDC_GAME_NO));
    EXPECT_EQ(m_activeDuringBoxes, (std::vector<int>{row.message == kLastDealNeedsClearList ? 0 : 1}));
    EXPECT_EQ(view.m_bActive, 1);
  }
}

TEST_F(PanelCommands, UpdateWhileTryingReturnsToTheSequenceAtTheNewNumber) {
  CNuvariView& view = StartAt("250", {"3", "8"});
  Select(0);
  Click(IDC_BUTTON_TRY);
  TakeNewGameRequest();
  TypeGameNo(" 900 ");
  Click(IDC_BUTTON_UPDATE);
  EXPECT_TRUE(m_boxes.boxes.empty());
  EXPECT_EQ(view.m_nRetryNo, 0);
  EXPECT_EQ(view.m_nGameNo, 900);
  EXPECT_EQ(view.m_bNewGame, 1);
  EXPECT_EQ(Stored("GameNo"), "900");
  EXPECT_EQ(ListTexts(), (Texts{"3", "8"}));
  EXPECT_TRUE(Enabled(IDC_BUTTON_PEND));
}

// A refused number leaves the frame active; an accepted one brings FreeCell forward.
TEST_F(PanelCommands, UpdateInTheSequenceStoresNothingAndBringsFreeCellForwardUnlessRefused) {
  CNuvariView& view = StartAt("250");
  TitledWindow freeCell("フリーセル ゲーム #250", true);
  ASSERT_EQ(view.SelectTitleSet(), freeCell.Handle());
  HWND frame = GetParent(view.m_hWnd);
  SetActiveWindow(frame);
  TypeGameNo("abc");
  Click(IDC_BUTTON_UPDATE);
  EXPECT_EQ(GetActiveWindow(), frame);

  TakeNewGameRequest("フリーセル");
  TypeGameNo("1234");
  Click(IDC_BUTTON_UPDATE);
  EXPECT_EQ(view.m_nGameNo, 1234);
  EXPECT_EQ(Stored("GameNo"), "250");
  EXPECT_EQ(view.m_bNewGame, 0);
  EXPECT_EQ(GetActiveWindow(), freeCell.Handle());
}

// --- FreeCell's position ---

TEST_F(PanelCommands, RecordingAWindowThatHasGoneKeepsTheLastPosition) {
  Store("Top", "40");
  Store("Left", "60");
  CNuvariView& view = StartAt("250");
  HWND gone = TitledWindow("フリーセル ゲーム #250", true).Handle();  // destroyed at the end of the statement
  view.RecordFreeCellPosition(gone);
  EXPECT_EQ(view.m_nTop, 40);
  EXPECT_EQ(view.m_nLeft, 60);
  EXPECT_EQ(Stored("Top"), "40");
  EXPECT_EQ(Stored("Left"), "60");
}

// --- Settings command ---

using PanelSettings = PanelCommands;

// OK stores the settings and restarts the countdown; it launches FreeCell only where the start's
// launch failed.
TEST_F(PanelSettings, OkStoresResetsTheCountdownAndLaunchesWhenNotLaunched) {
  for (const bool startFailed : {true, false}) {
    SCOPED_TRACE(startFailed);
    Reset();
    Store("GameOverYourWinCnt", "4");
    if (startFailed) m_launchResults = {2};
    CNuvariView& view = StartAt("70", {"3"});
    ASSERT_EQ(view.m_bLaunched, startFailed ? 0 : 1);
    ASSERT_EQ(view.m_nWinCountdown, 4);
    const std::string folder = TemporaryFolder("nuvari-settings");
    ScopedFile freeCell(folder + "\\freecell.exe");
    int activeInDialog = -1;
    ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
      activeInDialog = view.m_bActive;
      SetDlgItemTextA(dialog, IDC_PATH, freeCell.Path().c_str());
      PressIn(dialog, IDC_GAME_OVER_YOUR_WIN);
      SetDlgItemTextA(dialog, IDC_WIN_COUNT, "6");
      PressIn(dialog, IDC_IDLE_ROW_PLAYER);
      ClickIn(dialog, IDOK);
    });
    Command(ID_FILE_SETTINGS);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(activeInDialog, 1);  // the timer goes on answering FreeCell meanwhile
    EXPECT_EQ(view.m_nGameOverYourWinCnt, 6);
    EXPECT_EQ(view.m_nWinCountdown, 6);
    EXPECT_EQ(view.m_nIdleRow, 2);
    EXPECT_EQ(Stored("GameOverYourWinCnt"), "6");
    EXPECT_EQ(Stored("GameOverYourWin"), "1");
    EXPECT_EQ(Stored("IdleRow"), "2");
    EXPECT_EQ(Stored("GameNo"), "70");
    EXPECT_EQ(Stored("Path"), view.m_strPath);
    ASSERT_EQ(m_launches.size(), startFailed ? 2u : 1u);
    EXPECT_EQ(m_launches.back().commandLine, startFailed ? view.m_strPath : "C:\\FreeCell\\freecell.exe");
    EXPECT_EQ(view.m_bLaunched, 1);
    EXPECT_EQ(ListTexts(), (Texts{"3"}));
  }
}

// The count changed in the dialog tells a kept countdown from one restarted by OK.
TEST_F(PanelSettings, CancelChangesNothing) {
  Store("AutoExit", "1");
  Store("GameOverYourWinCnt", "4");
  CNuvariView& view = StartAt("70");
  ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_PATH, "c:\\elsewhere\\freecell.exe");
    PressIn(dialog, IDC_AUTO_EXIT);
    PressIn(dialog, IDC_GAME_OVER_YOUR_WIN);
    SetDlgItemTextA(dialog, IDC_WIN_COUNT, "6");
    ClickIn(dialog, IDCANCEL);
  });
  Command(ID_FILE_SETTINGS);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(view.m_strPath, "C:\\FreeCell\\freecell.exe");
  EXPECT_EQ(view.m_bAutoExit, 1);
  EXPECT_EQ(std::pair(view.m_nGameOverYourWinCnt, view.m_nWinCountdown), std::pair(4, 4));
  EXPECT_EQ(Stored("AutoExit"), "1");
  EXPECT_EQ(Stored("GameOverYourWinCnt"), "4");
  EXPECT_EQ(Stored("Path"), "C:\\FreeCell\\freecell.exe");
  EXPECT_EQ(m_launches.size(), 1u);
}

}  // namespace
}  // namespace paneltest
