// The tool's main dialog as a window: its template, system menu, icons, version box and the ways
// it closes. The dialog runs modally on the test's thread; a helper thread looks and acts.
#include <gtest/gtest.h>

#include <functional>

#include "AboutDlg.h"
#include "ToolFixture.h"

namespace tooltest {
namespace {

constexpr DWORD kWaitMs = 10000;

class KitDialogTest : public ToolTest {
 protected:
  // Runs the main dialog; `act` gets its window on the helper thread (where it may assert) and
  // must close it.
  INT_PTR RunDialog(const std::function<void(HWND)>& act) {
    std::thread helper([&] {
      HWND window = nuvari::test::WaitForTopLevel("Nuvari ﾂｰﾙ", nuvari::test::Match::Equals, kWaitMs,
                                                  GetCurrentProcessId());
      if (window) act(window);
      else ADD_FAILURE() << "the dialog did not appear";
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
  const INT_PTR result = RunDialog([&](HWND window) {
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU), WS_SYSMENU);
    std::vector<std::string> buttons;
    for (int id : {IDC_BUTTON_EXPORT, IDC_BUTTON_IMPORT, IDC_BUTTON_DELETE, IDOK})
      buttons.push_back(nuvari::test::WindowText(GetDlgItem(window, id)));
    EXPECT_EQ(buttons, (std::vector<std::string>{"環境データを読み出す(&R)", "環境データを書き込む(&W)",
                                                 "環境データを削除する(&D)", "終了(&X)"}));
    EXPECT_NE(m_dialog->m_hIcon, nullptr);
    EXPECT_EQ((std::vector{SendMessageA(window, WM_GETICON, ICON_BIG, 0), SendMessageA(window, WM_GETICON, ICON_SMALL, 0),
                           SendMessageA(window, WM_QUERYDRAGICON, 0, 0)}),
              std::vector(3, reinterpret_cast<LRESULT>(m_dialog->m_hIcon)));
    HMENU menu = GetSystemMenu(window, FALSE);
    const int count = GetMenuItemCount(menu);
    char text[128] = {};  // the item's text is short
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::pair(GetMenuItemID(menu, count - 1), std::string(text)),
              std::pair(16u, std::string("ﾊﾞｰｼﾞｮﾝ情報(NuvariKit) (&A)...")));
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    // Default painting validates the window: no WM_PAINT stays pending once it is idle.
    EXPECT_TRUE(nuvari::test::PollUntil(kWaitMs, [&] { return !GetUpdateRect(window, nullptr, FALSE); }));
    PressButton(window, IDOK);
  });
  EXPECT_EQ(result, IDOK) << "the exit button closes the dialog";
}

TEST_F(KitDialogTest, VersionItemOpensTheVersionBox) {
  const INT_PTR result = RunDialog([&](HWND window) {
    // The system may set the low four bits of a system command: they do not count.
    PostMessageA(window, WM_SYSCOMMAND, 16 | 3, 0);
    HWND about = nuvari::test::WaitForTopLevel("ﾊﾞｰｼﾞｮﾝ情報 （NuvariKit）", nuvari::test::Match::Equals, kWaitMs,
                                               GetCurrentProcessId());
    EXPECT_NE(about, nullptr);
    if (!about) return PressButton(window, IDCANCEL);
    EXPECT_EQ(nuvari::test::WindowText(GetDlgItem(about, IDC_ABOUT_TEXT)), "Nuvari ﾂｰﾙ Version 2.0");
    PressButton(about, IDOK);
    EXPECT_TRUE(nuvari::test::WaitUntilGone(about, kWaitMs));
    EXPECT_TRUE(IsWindowVisible(window)) << "the main dialog stays when the version box closes";
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(result, IDCANCEL) << "the system menu's close command closes the dialog as usual";
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
  const INT_PTR result = RunDialog([&](HWND window) {
    PressButton(window, IDC_BUTTON_IMPORT);
    HWND import = GetDlgItem(window, IDC_BUTTON_IMPORT);
    const bool sawBusy = nuvari::test::PollUntil(kWaitMs, [&] { return !IsWindowEnabled(import); }, 2);
    EXPECT_TRUE(sawBusy);
    if (sawBusy) {
      // Closing is not possible meanwhile, however it is asked for.
      PressButton(window, IDOK);
      PressButton(window, IDCANCEL);
      DWORD_PTR ignored = 0;
      EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored), 0) << "answers";
      for (int id : {IDC_BUTTON_IMPORT, IDC_BUTTON_EXPORT, IDC_BUTTON_DELETE, IDOK})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, id))) << id;
    }
    answerer.Finish();
    EXPECT_TRUE(IsWindowVisible(window) && IsWindowEnabled(import)) << "stays open";
    PostMessageA(GetDlgItem(window, IDC_BUTTON_EXPORT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  });
  EXPECT_EQ(result, IDCANCEL) << "Esc closes the dialog once the file is refused";
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"指定されたファイルは、Nuvariの環境ファイルではありません。\n"
                                                 "もう一度ファイルを指定してください。"});
  EXPECT_EQ(DescribeKey(kFreeCellKey), before) << "a refused file changes nothing";
}

}  // namespace
}  // namespace tooltest
