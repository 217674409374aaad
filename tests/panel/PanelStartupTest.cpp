// The panel's start: loading the settings, the prompt for a missing path, the timer, the
// launch of FreeCell and the final store.
#include "Cp932.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "PanelHarness.h"

namespace paneltest {
namespace {

constexpr char kMakeSettings[] = "環境設定を行ってください。";
constexpr char kLaunchFailed[] = "フリーセルの起動に失敗しました。環境設定を行ってください。：エラーコード =";

using PanelStartup = PanelTest;
using Texts = std::vector<std::string>;

TEST_F(PanelStartup, LoadsTheRecordLaunchesOnceAndSetsUpTheTimer) {
  Store("GameNo", "417");
  Store("Top", "40");
  Store("Left", "25");
  Store("GameOverYourWinCnt", "3");
  CNuvariView& view = Start();
  EXPECT_EQ(Text(IDC_GAME_NO), "417");
  EXPECT_EQ(Text(IDC_BUTTON_UPDATE), "更新(\036U\037ｺ)");
  EXPECT_EQ(Text(IDC_BUTTON_PEND), "保留(\036P\037ﾎ)");
  EXPECT_EQ(Text(IDC_BUTTON_TRY), "ﾄﾗｲ(\036T\037ﾄ)");
  EXPECT_EQ(Text(IDC_PENDING_COUNT), "0");
  EXPECT_EQ(EnabledButtons(), (std::array<bool, 3>{true, true, false}));
  EXPECT_EQ(view.m_nTop, 40);
  EXPECT_EQ(view.m_nLeft, 25);
  EXPECT_EQ(view.m_nWinCountdown, 3);
  EXPECT_NE(m_timerAtStart, 0u);
  EXPECT_EQ(view.m_bActive, 1);
  EXPECT_EQ(view.m_bLaunched, 1);
  EXPECT_EQ(view.m_bNewGame, 1);
  ASSERT_EQ(m_launches.size(), 1u);
  EXPECT_EQ(m_launches[0].commandLine, "C:\\FreeCell\\freecell.exe");
  EXPECT_EQ(m_launches[0].show, static_cast<UINT>(SW_SHOW));
  EXPECT_TRUE(m_boxes.boxes.empty());
  // Nothing is stored by a start that went well.
  EXPECT_EQ(Stored("GameNo"), "417");
  EXPECT_EQ(Stored("AutoExit"), "(none)");
}

TEST_F(PanelStartup, FrameShrinksToThePanel) {
  CNuvariView& view = Start();
  RECT client{};
  GetClientRect(view.m_hWnd, &client);
  ASSERT_GT(view.FormSize().cx, 0);
  // The frame is made smaller where it was larger than the form, never larger; the bars and the
  // menu may take a little more room once the frame is narrow.
  EXPECT_NEAR(client.right - client.left, view.FormSize().cx, 2);
  EXPECT_LE(client.bottom - client.top, view.FormSize().cy + 2);
  RECT screen{};
  GetWindowRect(GetDesktopWindow(), &screen);
  RECT frame{};
  GetWindowRect(GetParent(view.m_hWnd), &frame);
  EXPECT_LT(frame.bottom - frame.top, (screen.bottom - screen.top) / 2);
}

TEST_F(PanelStartup, TimerRefusedShowsOneMessageAndStillLaunches) {
  m_timerResult = 0;
  CNuvariView& view = Start();
  EXPECT_EQ(m_boxes.TextsAndTypes(), (Shown{{"タイマーリソースが不足しています。", kWarning}}));
  EXPECT_EQ(view.m_nTimer, 0u);
  EXPECT_EQ(view.m_bActive, 1);
  EXPECT_EQ(m_launches.size(), 1u);
}

// A failed launch holds the timer off through its message and stores the whole record with
// AutoExit 0; it keeps the new-game request for a FreeCell started by hand.
TEST_F(PanelStartup, LaunchResultIsAnUnsigned16BitCode) {
  struct Row { int line; UINT result; bool started; std::string message; };
  const Row rows[] = {
      {__LINE__, 33, true, ""},
      {__LINE__, 32, true, ""},
      {__LINE__, 31, false, "31"},
      {__LINE__, 2, false, "2"},
      {__LINE__, 0, false, "0"},
      {__LINE__, 0x10002, false, "2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reset();
    Store("AutoExit", "1");
    Store("GameNo", "77");
    m_launchResults = {row.result};
    std::vector<int> activeDuringBoxes;
    // The view exists before its initial update; its frame is found through the program object.
    m_boxes.onBox = [&](const nuvari::test::RecordedBox&) {
      auto* frame = fw::GetApp()->GetDocTemplate()->GetFrame();
      activeDuringBoxes.push_back(static_cast<CNuvariView*>(frame->GetActiveView())->m_bActive);
    };
    CNuvariView& view = Start();
    m_boxes.onBox = nullptr;
    EXPECT_EQ(view.m_bLaunched, row.started ? 1 : 0);
    EXPECT_EQ(view.m_bNewGame, 1);
    EXPECT_EQ(view.m_bActive, 1);
    EXPECT_EQ(view.m_bAutoExit, row.started ? 1 : 0);
    EXPECT_EQ(Stored("AutoExit"), row.started ? "1" : "0");
    EXPECT_EQ(Stored("GameNo"), "77");
    EXPECT_EQ(BoxTexts(), row.started ? Texts{} : Texts{kLaunchFailed + row.message});
    EXPECT_EQ(activeDuringBoxes, std::vector<int>(row.started ? 0 : 1, 0));
  }
}

// What a start lists and plays from the stored numbers, and what the next pend stores. Mended: a
// stored GameNo of 0 was typed into FreeCell and refused; a stored pending value out of range was
// listed and tried; a deal stored twice by a store ended half-way was listed twice.
TEST_F(PanelStartup, StoredNumbersAsListedPlayedAndPended) {
  struct Row {
    int line;
    const char* gameNo;
    Texts stored, listed;
    int shown, retryNo;
    std::array<bool, 3> buttons;
    Texts pended;  // none: no pend
    const char* storedGameNo;
  };
  const Row rows[] = {
      // Not sorted; a stored zero is neither listed nor counted but stays stored.
      {__LINE__, "20", {"8", "0", "3"}, {"8", "3"}, 20, 0, {true, true, true}, {"8", "0", "3", "20"}, "21"},
      {__LINE__, "0", {"7", "40000", "7", "-2", "12", "12"}, {"7", "12"}, 1, 0, {true, true, true},
       {"7", "40000", "-2", "12", "1"}, "2"},
      // Deal 32000 with deals pending loads into Final without a message.
      {__LINE__, "32000", {"0", "9", "4"}, {"9", "4"}, 32000, 9, {false, false, true}, {}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Reset();
    Store("GameNo", row.gameNo);
    StorePending(row.stored);
    CNuvariView& view = Start();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(ListTexts(), row.listed);
    EXPECT_EQ(Text(IDC_PENDING_COUNT), std::to_string(row.listed.size()));
    EXPECT_EQ(view.m_nGameNo, row.shown);
    EXPECT_EQ(Text(IDC_GAME_NO), std::to_string(row.shown));
    EXPECT_EQ(view.m_nRetryNo, row.retryNo);
    EXPECT_EQ(view.m_bNewGame, 1);
    EXPECT_EQ(EnabledButtons(), row.buttons);
    if (row.pended.empty()) continue;
    Click(IDC_BUTTON_PEND);
    EXPECT_EQ(StoredPending(), row.pended);
    EXPECT_EQ(Text(IDC_PENDING_COUNT), std::to_string(row.listed.size() + 1));
    EXPECT_EQ(Stored("GameNo"), row.storedGameNo);
  }
}

// The close remembers where FreeCell was as it closes it, and stores the whole record.
TEST_F(PanelStartup, ClosingClosesFreeCellAndStoresTheRecordOnceMore) {
  CNuvariView& view = Start();
  TitledWindow freeCell("ﾌﾘｰｾﾙ ｹﾞｰﾑ #1", true);
  ASSERT_EQ(view.SelectTitleSet(), freeCell.Handle());
  SetWindowPos(freeCell.Handle(), nullptr, 30, 66, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  TypeGameNo("250");
  Click(IDC_BUTTON_UPDATE);
  EXPECT_EQ(Stored("GameNo"), "(none)");  // an update in the sequence stores nothing by itself
  Close();
  EXPECT_FALSE(IsWindow(freeCell.Handle()));
  EXPECT_EQ(Stored("GameNo"), "250");
  EXPECT_EQ(Stored("Top"), "66");
  EXPECT_EQ(Stored("Left"), "30");
  EXPECT_EQ(Stored("Path"), "C:\\FreeCell\\freecell.exe");
}

// The prompt for a missing path: the settings dialog follows, both with the timer held off.
class PanelPrompt : public PanelTest {
 protected:
  PanelPrompt() {
    Store("Path", "");
    Store("GameNo", "500");
    Store("Top", "40");
    Store("AutoExit", "1");
  }
  static CNuvariView& ViewBeingBuilt() {
    return *static_cast<CNuvariView*>(fw::GetApp()->GetDocTemplate()->GetFrame()->GetActiveView());
  }
};

TEST_F(PanelPrompt, ConfirmedSettingsKeepTheLoadedRecordAndLaunchOnce) {
  const std::string folder = TemporaryFolder("nuvari-prompt");
  ScopedFile freeCell(folder + "\\freecell.exe");
  std::vector<int> activeDuringBoxes;
  m_boxes.onBox = [&](const nuvari::test::RecordedBox&) { activeDuringBoxes.push_back(ViewBeingBuilt().m_bActive); };
  int activeInDialog = -1;
  std::string shownAutoExit;
  ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
    activeInDialog = ViewBeingBuilt().m_bActive;
    shownAutoExit = IsDlgButtonChecked(dialog, IDC_AUTO_EXIT) == BST_CHECKED ? "checked" : "clear";
    SetDlgItemTextA(dialog, IDC_PATH, freeCell.Path().c_str());
    ClickIn(dialog, IDOK);
  });
  CNuvariView& view = Start();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kMakeSettings}));
  EXPECT_EQ(activeDuringBoxes, (std::vector<int>{0}));
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(driver.LeftOpen(), 0);
  EXPECT_EQ(activeInDialog, 0);
  EXPECT_EQ(shownAutoExit, "checked");  // the dialog shows the loaded values
  EXPECT_EQ(view.m_bActive, 1);
  ASSERT_EQ(m_launches.size(), 1u);  // from the dialog's OK; the initial update does not start it again
  EXPECT_EQ(view.m_bLaunched, 1);
  EXPECT_EQ(Stored("GameNo"), "500");
  EXPECT_EQ(Stored("Top"), "40");
  // The path edit may have lower-cased the text; what it showed is what is kept and stored.
  EXPECT_EQ(nuvari::ToLowerCp932(view.m_strPath), nuvari::ToLowerCp932(freeCell.Path()));
  EXPECT_EQ(Stored("Path"), view.m_strPath);
}

TEST_F(PanelPrompt, CancelledTwiceStartsWithAnEmptyCommandLine) {
  m_launchResults = {2};
  std::vector<int> activeInDialogs;
  ModalDriver driver(kSettingsCaption, [&](HWND dialog) {
    activeInDialogs.push_back(ViewBeingBuilt().m_bActive);
    ClickIn(dialog, IDCANCEL);
  });
  CNuvariView& view = Start();
  // Once while loading, once more from the initial update, then the failed start.
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{kMakeSettings, kMakeSettings, std::string(kLaunchFailed) + "2"}));
  EXPECT_EQ(activeInDialogs, (std::vector<int>{0, 0}));
  ASSERT_EQ(m_launches.size(), 1u);
  EXPECT_EQ(m_launches[0].commandLine, "");
  EXPECT_EQ(view.m_bLaunched, 0);
  EXPECT_EQ(Stored("GameNo"), "500");
  EXPECT_EQ(Stored("AutoExit"), "0");
}

}  // namespace
}  // namespace paneltest
