// The panel's commands and the wins the timer hands over: pend, try, update, advance, retire,
// and the settings command.
#include <windows.h>

#include <commctrl.h>

#include <deque>

#include "ModalDriver.h"
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
  // A start afresh with the deal and list stored, FreeCell between deals, the boxes' m_bActive recorded.
  CNuvariView& StartBetweenDeals(const std::string& gameNo, const Texts& pending) {
    Reset();
    CNuvariView& view = StartAt(gameNo, pending);
    TakeNewGameRequest();
    RecordActiveDuringBoxes();
    return view;
  }
  std::vector<int> m_activeDuringBoxes;
};

// --- Wins handed over by the timer ---

TEST_F(PanelCommands, AWinMovesTheSequenceOn) {
  struct Row {
    int line;
    const char* gameNo;
    Texts pending, boxes;
    UINT icon;
    int next, retryNo, newGame;
    Buttons buttons;
  };
  const Row rows[] = {
      // Deal 31999 won with pending deals: Final, the first of them tried.
      {__LINE__, "31999", {"5", "17"}, {kLastDealNeedsClearList}, MB_ICONEXCLAMATION, 32000, 5, 1,
       {false, false, true}},
      {__LINE__, "32000", {}, {kThankYou}, MB_ICONINFORMATION, 1, 0, 0, {true, true, false}},
      // The number reaches FreeCell with its next game-number dialog.
      {__LINE__, "41", {}, {}, 0, 42, 0, 0, {true, true, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    CNuvariView& view = StartBetweenDeals(row.gameNo, row.pending);
    view.AdvanceGame();
    EXPECT_EQ(BoxTexts(), row.boxes);
    if (!row.boxes.empty()) {
      EXPECT_EQ(m_boxes.boxes[0].type & MB_ICONMASK, row.icon);
    }
    EXPECT_EQ(m_activeDuringBoxes, std::vector<int>(row.boxes.size(), 0));
    EXPECT_EQ(view.m_bActive, 1);
    EXPECT_EQ(Stored("GameNo"), std::to_string(row.next));
    EXPECT_EQ(Text(IDC_GAME_NO), std::to_string(row.next));
    EXPECT_EQ(view.m_nRetryNo, row.retryNo);
    EXPECT_EQ(view.m_bNewGame, row.newGame);
    EXPECT_EQ(EnabledButtons(), row.buttons);
  }
}

TEST_F(PanelCommands, RetiringThePendingDealsReturnsTo32000) {
  CNuvariView& view = StartAt("31999", {"5", "17"});
  view.AdvanceGame();
  TakeNewGameRequest();
  view.RetirePending();
  EXPECT_EQ(ListTexts(), (Texts{"17"}));
  EXPECT_EQ(StoredPending(), (Texts{"17"}));
  EXPECT_EQ(view.m_nRetryNo, 17);
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(EnabledButtons(), (Buttons{false, false, true}));
  view.RetirePending();
  EXPECT_TRUE(ListTexts().empty());
  EXPECT_TRUE(StoredPending().empty());
  EXPECT_EQ(view.m_nRetryNo, 0);
  EXPECT_EQ(view.m_nGameNo, 32000);  // the next number typed into FreeCell
  EXPECT_EQ(view.m_bNewGame, 0);
  EXPECT_EQ(EnabledButtons(), (Buttons{true, true, false}));
  EXPECT_EQ(Text(IDC_PENDING_COUNT), "0");
  EXPECT_EQ(BoxTexts().size(), 1u);  // only the message on reaching 32000
}

TEST_F(PanelCommands, RetireGoesOnWithTheNextEntryOrTheFirst) {
  struct Row { int line; int tried; Texts left; std::string next; int selected; };
  const Row rows[] = {
      {__LINE__, 2, {"3", "8"}, "3", 0},
      {__LINE__, 1, {"3", "12"}, "12", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reset();
    CNuvariView& view = StartAt("300", {"3", "8", "12"});
    Select(row.tried);
    Click(IDC_BUTTON_TRY);
    TakeNewGameRequest();
    view.RetirePending();
    EXPECT_EQ(ListTexts(), row.left);
    EXPECT_EQ(std::to_string(view.m_nRetryNo), row.next);
    EXPECT_EQ(Selection(), row.selected);
    EXPECT_EQ(view.m_bNewGame, 0);
    EXPECT_EQ(view.m_nGameNo, 300);
    EXPECT_FALSE(Enabled(IDC_BUTTON_PEND));  // still trying
    EXPECT_EQ(StoredPending(), row.left);
  }
}

// --- Pend ---

TEST_F(PanelCommands, PendChecksInOrder) {
  Texts hundred;
  for (int deal = 1; deal <= 100; ++deal) hundred.push_back(std::to_string(deal * 3));
  // listed: on the list and stored.
  struct Row {
    int line;
    const char* gameNo;
    Texts pending, boxes, listed;
    int next, retryNo, newGame;
    Buttons buttons;
  };
  const Row rows[] = {
      // Whole numbers are compared, not prefixes.
      {__LINE__, "120", {"1200"}, {}, {"1200", "120"}, 121, 0, 1, {true, true, true}},
      {__LINE__, "8", {"3", "8"}, {}, {"3", "8"}, 8, 0, 0, {true, true, true}},
      {__LINE__, "500", hundred, {kListFull}, hundred, 500, 0, 0, {true, true, true}},
      // Pended at 31999 with an empty list, the deal is tried at 32000.
      {__LINE__, "31999", {}, {kLastDealNeedsClearList}, {"31999"}, 32000, 31999, 1, {false, false, true}},
      {__LINE__, "32000", {}, {kLastDealNotPendable}, {}, 32000, 0, 0, {true, true, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    CNuvariView& view = StartBetweenDeals(row.gameNo, row.pending);
    Click(IDC_BUTTON_PEND);
    EXPECT_EQ(BoxTexts(), row.boxes);
    EXPECT_EQ(m_activeDuringBoxes, std::vector<int>(row.boxes.size(), 0));
    EXPECT_EQ(view.m_bActive, 1);
    EXPECT_EQ(ListTexts(), row.listed);
    EXPECT_EQ(StoredPending(), row.listed);
    EXPECT_EQ(Text(IDC_PENDING_COUNT), std::to_string(row.listed.size()));
    EXPECT_EQ(view.m_nGameNo, row.next);
    EXPECT_EQ(Stored("GameNo"), std::to_string(row.next));
    EXPECT_EQ(Text(IDC_GAME_NO), std::to_string(row.next));
    EXPECT_EQ(view.m_nRetryNo, row.retryNo);
    EXPECT_EQ(view.m_bNewGame, row.newGame);
    EXPECT_EQ(EnabledButtons(), row.buttons);
    EXPECT_EQ(GetFocus(), Control(IDC_GAME_NO));
    EXPECT_EQ(Selection(), -1) << "the focus on the number clears the list's selection";
  }
}

// --- Try ---

TEST_F(PanelCommands, TryWithoutSelectionAsksForOne) {
  CNuvariView& view = StartAt("40", {"3"});
  TakeNewGameRequest();
  Select(-1);
  RecordActiveDuringBoxes();
  Click(IDC_BUTTON_TRY);
  EXPECT_EQ(BoxTexts(), (Texts{kNoSelection}));
  EXPECT_EQ(m_activeDuringBoxes, (std::vector<int>{0}));
  EXPECT_EQ(view.m_nRetryNo, 0);
  EXPECT_EQ(view.m_bNewGame, 0);
}

TEST_F(PanelCommands, TryStartsTheSelectedDealAndStoresNothing) {
  CNuvariView& view = StartAt("40", {"3", "8"});
  TakeNewGameRequest();
  Select(1);
  Notify(IDC_PENDING_LIST, LBN_DBLCLK);
  EXPECT_EQ(view.m_nRetryNo, 8);
  EXPECT_EQ(view.m_bNewGame, 1);
  EXPECT_EQ(EnabledButtons(), (Buttons{true, false, true}));
  EXPECT_EQ(ListTexts(), (Texts{"3", "8"}));
  EXPECT_EQ(Stored("GameNo"), "40");
}

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

std::string DeleteQuestion(const char* deal) { return std::string("保留ゲーム番号 ") + deal + " を削除しますか？"; }

void PressDelete(HWND list) { SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0x01530001); }

// Each press ('k' the Delete key in the list, 'c' the command) asks about the selected entry; yes
// deletes it. Deleting the deal being tried ends the try as its win would, and the next deal is
// started at once: else FreeCell still showed the deleted deal, and winning it retired the next
// pending deal without it ever being played. Without this command an unwinnable pending deal
// (11982) could never leave the list, and deal 32000 was never played.
TEST_F(PanelCommands, DeleteAsksAndYesRemovesTheSelectedDeal) {
  struct Row {
    int line;
    const char* gameNo;
    Texts pending;
    int tried, selected;
    const char* presses;
    std::deque<int> answers;
    Texts boxes, left;
    int retryNo, selection, newGame;
    Buttons buttons;
  };
  const Row rows[] = {
      {__LINE__, "40", {"3", "8", "12"}, -1, 1, "kk", {IDNO, IDYES}, {DeleteQuestion("8"), DeleteQuestion("8")},
       {"3", "12"}, 0, 1, 0, {true, true, true}},  // the entry that took its place is selected
      {__LINE__, "40", {"3"}, -1, -1, "kc", {}, {}, {"3"}, 0, -1, 0, {true, true, true}},
      {__LINE__, "300", {"3", "8", "12"}, 1, 1, "c", {IDYES}, {DeleteQuestion("8")}, {"3", "12"}, 12, 1, 1,
       {true, false, true}},  // still trying
      {__LINE__, "32000", {"11982"}, -1, 0, "k", {IDYES}, {DeleteQuestion("11982")}, {}, 0, -1, 1,
       {true, true, false}},  // Final ended: deal 32000 next
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reset();
    CNuvariView& view = StartAt(row.gameNo, row.pending);
    if (row.tried >= 0) {
      Select(row.tried);
      Click(IDC_BUTTON_TRY);
    }
    TakeNewGameRequest();
    RecordActiveDuringBoxes();
    m_boxes.answers = row.answers;
    for (const char* press = row.presses; *press; ++press) {
      Select(row.selected);
      if (*press == 'k') PressDelete(Control(IDC_PENDING_LIST));
      else Command(ID_PENDING_DELETE);
    }
    EXPECT_EQ(BoxTexts(), row.boxes);
    for (const nuvari::test::RecordedBox& box : m_boxes.boxes) {
      EXPECT_EQ(box.type, UINT(MB_YESNO | MB_ICONQUESTION));
      EXPECT_EQ(box.caption, "Nuvari");
    }
    EXPECT_EQ(m_activeDuringBoxes, std::vector<int>(row.boxes.size(), 0));
    EXPECT_EQ(view.m_bActive, 1);
    EXPECT_EQ(ListTexts(), row.left);
    EXPECT_EQ(StoredPending(), row.left);
    EXPECT_EQ(Text(IDC_PENDING_COUNT), std::to_string(row.left.size()));
    EXPECT_EQ(Selection(), row.selection);
    EXPECT_EQ(view.m_nRetryNo, row.retryNo);
    EXPECT_EQ(view.m_nGameNo, std::stoi(row.gameNo));
    EXPECT_EQ(Stored("GameNo"), row.gameNo);
    EXPECT_EQ(view.m_bNewGame, row.newGame);
    EXPECT_EQ(EnabledButtons(), row.buttons);
  }
}

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

TEST_F(PanelCommands, RefusedUpdatesKeepThePreviousNumber) {
  struct Row { int line; std::string typed; Texts pending; std::string message; };
  const Row rows[] = {
      {__LINE__, "12a", {}, kNotAnInteger},
      {__LINE__, "", {}, kNotAnInteger},
      {__LINE__, "0", {}, kOutOfRange},
      {__LINE__, "32001", {}, kOutOfRange},
      {__LINE__, "99999999999", {}, kOutOfRange},
      {__LINE__, "32000", {"5"}, kLastDealNeedsClearList},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    CNuvariView& view = StartBetweenDeals("250", row.pending);
    TypeGameNo(row.typed);
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(BoxTexts(), (Texts{row.message}));
    EXPECT_EQ(view.m_nGameNo, 250);
    EXPECT_EQ(Text(IDC_GAME_NO), "250");
    EXPECT_EQ(Stored("GameNo"), "250");
    EXPECT_EQ(view.m_bNewGame, 0);
    EXPECT_EQ(GetFocus(), Control(IDC_GAME_NO));
    // The framework's number checks leave the timer running; the panel's own box holds it.
    EXPECT_EQ(m_activeDuringBoxes, (std::vector<int>{row.message == kLastDealNeedsClearList ? 0 : 1}));
    EXPECT_EQ(view.m_bActive, 1);
  }
}

TEST_F(PanelCommands, AWinWhileARefusalIsOpenAdvancesTheDealInPlay) {
  // The number checks leave the timer running: the tick that sees a win box advances the deal
  // while the message is still open, and the refusal must not undo that.
  for (const std::string typed : {"abc", "0", "99999"}) {
    SCOPED_TRACE(typed);
    Reset();
    CNuvariView& view = StartAt("250");
    m_boxes.onBox = [&view](const nuvari::test::RecordedBox&) { view.AdvanceGame(); };
    TypeGameNo(typed);
    Click(IDC_BUTTON_UPDATE);
    m_boxes.onBox = nullptr;
    EXPECT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(view.m_nGameNo, 251);
    EXPECT_EQ(Text(IDC_GAME_NO), "251");
    EXPECT_EQ(Stored("GameNo"), "251");
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

TEST_F(PanelSettings, OkStoresResetsTheCountdownAndLaunchesWhenNotLaunched) {
  Store("GameOverYourWinCnt", "4");
  m_launchResults = {2};  // the start-up launch fails
  CNuvariView& view = StartAt("70", {"3"});
  ASSERT_EQ(view.m_bLaunched, 0);
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
  ASSERT_EQ(m_launches.size(), 2u);
  EXPECT_EQ(m_launches[1].commandLine, view.m_strPath);
  EXPECT_EQ(view.m_bLaunched, 1);
  EXPECT_EQ(ListTexts(), (Texts{"3"}));
}

TEST_F(PanelSettings, OkAfterASuccessfulStartDoesNotLaunchAgain) {
  CNuvariView& view = StartAt("70");
  const std::string folder = TemporaryFolder("nuvari-settings");
  ScopedFile freeCell(folder + "\\freecell.exe");
  ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_PATH, freeCell.Path().c_str());
    ClickIn(dialog, IDOK);
  });
  Command(ID_FILE_SETTINGS);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(m_launches.size(), 1u);
  EXPECT_EQ(Stored("Path"), view.m_strPath);
}

TEST_F(PanelSettings, CancelChangesNothing) {
  Store("AutoExit", "1");
  CNuvariView& view = StartAt("70");
  view.m_nWinCountdown = 0;
  ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_PATH, "c:\\elsewhere\\freecell.exe");
    PressIn(dialog, IDC_AUTO_EXIT);
    ClickIn(dialog, IDCANCEL);
  });
  Command(ID_FILE_SETTINGS);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(view.m_strPath, "C:\\FreeCell\\freecell.exe");
  EXPECT_EQ(view.m_bAutoExit, 1);
  EXPECT_EQ(view.m_nWinCountdown, 0);
  EXPECT_EQ(Stored("AutoExit"), "1");
  EXPECT_EQ(Stored("Path"), "C:\\FreeCell\\freecell.exe");
  EXPECT_EQ(m_launches.size(), 1u);
}

}  // namespace
}  // namespace paneltest
