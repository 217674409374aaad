// The tool's main dialog as a window: its template, system menu, icons, version box and the ways
// it closes. The dialog runs modally on the test's thread; a helper thread looks and acts.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "AboutDlg.h"
#include "FileDialogDriver.h"
#include "ToolFixture.h"
#include "WindowSearch.h"

namespace tooltest {
namespace {

constexpr DWORD kWaitMs = 10000;

struct DialogFacts {
  bool found = false;
  LONG style = 0;
  LONG exStyle = 0;
  std::vector<std::string> buttons;
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  HICON dragIcon = nullptr;
  UINT lastMenuId = 0;
  std::string lastMenuText;
  UINT separatorState = 0;
  BOOL updatePending = TRUE;
  std::string aboutText;
  bool aboutClosed = false;
};

class KitDialogTest : public ToolTest {
 protected:
  // Runs the main dialog; `act` gets its window on the helper thread and must close it.
  INT_PTR RunDialog(const std::function<void(HWND)>& act) {
    std::thread helper([&] {
      HWND window = nuvari::test::WaitForTopLevel("Nuvari ﾂｰﾙ", nuvari::test::Match::Equals, kWaitMs,
                                                  GetCurrentProcessId());
      if (window) act(window);
      // Whatever happened, the dialog must not outlive the test.
      if (window && !nuvari::test::WaitUntilGone(window, kWaitMs)) {
        m_forcedClose = true;
        PostMessageA(window, WM_COMMAND, IDOK, 0);
      }
    });
    const INT_PTR result = m_dialog->DoModal();
    helper.join();
    EXPECT_FALSE(m_forcedClose) << "the dialog did not close as the test asked";
    return result;
  }
  bool m_forcedClose = false;
};

TEST_F(KitDialogTest, MainDialogCarriesItsMenuItemIconsAndButtonsAndExitCloses) {
  DialogFacts facts;
  const INT_PTR result = RunDialog([&](HWND window) {
    facts.found = true;
    facts.style = GetWindowLongA(window, GWL_STYLE);
    facts.exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    for (int id : {IDC_BUTTON_EXPORT, IDC_BUTTON_IMPORT, IDC_BUTTON_DELETE, IDOK})
      facts.buttons.push_back(nuvari::test::WindowText(GetDlgItem(window, id)));
    facts.bigIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    facts.smallIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    facts.dragIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0));
    HMENU menu = GetSystemMenu(window, FALSE);
    const int count = GetMenuItemCount(menu);
    facts.lastMenuId = GetMenuItemID(menu, count - 1);
    char text[128] = {};  // the item's text is short
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    facts.lastMenuText = text;
    facts.separatorState = GetMenuState(menu, count - 2, MF_BYPOSITION);
    // Default painting validates the window: no WM_PAINT stays pending once it is idle.
    facts.updatePending = !nuvari::test::PollUntil(kWaitMs, [&] { return !GetUpdateRect(window, nullptr, FALSE); });
    PressButton(window, IDOK);
  });
  ASSERT_TRUE(facts.found);
  EXPECT_EQ(result, IDOK) << "the exit button closes the dialog";
  EXPECT_TRUE(facts.exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(facts.style & WS_MINIMIZEBOX);
  EXPECT_FALSE(facts.style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(facts.style & WS_SYSMENU);
  EXPECT_EQ(facts.buttons, (std::vector<std::string>{"環境データを読み出す(&R)", "環境データを書き込む(&W)",
                                                     "環境データを削除する(&D)", "終了(&X)"}));
  EXPECT_EQ(facts.bigIcon, m_dialog->m_hIcon);
  EXPECT_EQ(facts.smallIcon, m_dialog->m_hIcon);
  EXPECT_EQ(facts.dragIcon, m_dialog->m_hIcon);
  EXPECT_NE(m_dialog->m_hIcon, nullptr);
  EXPECT_EQ(facts.lastMenuId, 16u);
  EXPECT_EQ(facts.lastMenuText, "ﾊﾞｰｼﾞｮﾝ情報(NuvariKit) (&A)...");
  EXPECT_TRUE(facts.separatorState & MF_SEPARATOR);
  EXPECT_FALSE(facts.updatePending);
}

TEST_F(KitDialogTest, VersionItemOpensTheVersionBox) {
  DialogFacts facts;
  const INT_PTR result = RunDialog([&](HWND window) {
    // The system may set the low four bits of a system command: they do not count.
    PostMessageA(window, WM_SYSCOMMAND, 16 | 3, 0);
    HWND about = nuvari::test::WaitForTopLevel("ﾊﾞｰｼﾞｮﾝ情報 （NuvariKit）", nuvari::test::Match::Equals, kWaitMs,
                                               GetCurrentProcessId());
    if (!about) return PressButton(window, IDCANCEL);
    facts.aboutText = nuvari::test::WindowText(GetDlgItem(about, IDC_ABOUT_TEXT));
    PressButton(about, IDOK);
    facts.aboutClosed = nuvari::test::WaitUntilGone(about, kWaitMs);
    facts.found = IsWindowVisible(window);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(facts.aboutText, "Nuvari ﾂｰﾙ Version 2.0");
  EXPECT_TRUE(facts.aboutClosed);
  EXPECT_TRUE(facts.found) << "the main dialog stays when the version box closes";
  EXPECT_EQ(result, IDCANCEL) << "the system menu's close command closes the dialog as usual";
}

TEST_F(KitDialogTest, EscClosesTheDialog) {
  const INT_PTR result = RunDialog([](HWND window) {
    HWND focused = GetDlgItem(window, IDC_BUTTON_EXPORT);
    PostMessageA(focused, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  });
  EXPECT_EQ(result, IDCANCEL);
}

// Mended: a file of 200,000 pending entries kept the dialog from answering for minutes.
TEST_F(KitDialogTest, ALargeFileIsReadWhileTheDialogAnswersWithItsButtonsOff) {
  StoreSupervisorSession("C:\\WINDOWS\\freecell.exe", "250", 5, 100);
  const std::vector<std::string> before = DescribeKey(kFreeCellKey);
  // About 16 MiB: the largest file that must be accepted or refused in time.
  std::string big = MinimalFile("freecell.exe");
  for (int i = 0; big.size() < (16u << 20); ++i)
    big += "Pending" + std::to_string(i) + "=" + std::to_string(i % 32000 + 1) + "\r\n";
  WriteFileBytes(FilePath("big.ini"), big);
  FileDialogAnswerer answerer({FilePath("big.ini"), ""});
  struct {
    bool sawBusy = false;
    bool answeredWhileBusy = false;
    bool buttonsOffWhileBusy = true;
    bool stayedOpen = false;
  } seen;
  const INT_PTR result = RunDialog([&](HWND window) {
    PressButton(window, IDC_BUTTON_IMPORT);
    HWND import = GetDlgItem(window, IDC_BUTTON_IMPORT);
    seen.sawBusy = nuvari::test::PollUntil(kWaitMs, [&] { return !IsWindowEnabled(import); }, 2);
    if (seen.sawBusy) {
      // Closing is not possible meanwhile, however it is asked for.
      PressButton(window, IDOK);
      PressButton(window, IDCANCEL);
      DWORD_PTR ignored = 0;
      seen.answeredWhileBusy =
          SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored) != 0 && !IsWindowEnabled(import);
      for (int id : {IDC_BUTTON_EXPORT, IDC_BUTTON_DELETE, IDOK})
        seen.buttonsOffWhileBusy = seen.buttonsOffWhileBusy && !IsWindowEnabled(GetDlgItem(window, id));
    }
    answerer.Finish();
    seen.stayedOpen = IsWindowVisible(window) && IsWindowEnabled(import);
    PressButton(window, IDCANCEL);
  });
  EXPECT_TRUE(seen.sawBusy);
  EXPECT_TRUE(seen.answeredWhileBusy);
  EXPECT_TRUE(seen.buttonsOffWhileBusy);
  EXPECT_TRUE(seen.stayedOpen);
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"指定されたファイルは、Nuvariの環境ファイルではありません。\n"
                                                 "もう一度ファイルを指定してください。"});
  EXPECT_EQ(DescribeKey(kFreeCellKey), before) << "a refused file changes nothing";
}

}  // namespace
}  // namespace tooltest
