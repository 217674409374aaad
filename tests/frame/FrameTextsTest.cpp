// What the player reads on the main frame: menu 128, the command strings as tooltips and
// status-bar prompts, the toolbar's buttons and the key indicators, all as code-page-932 bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "FrameSession.h"
#include "RegistryScope.h"
#include "WinApp.h"

namespace frametest {
namespace {

std::string MenuText(HMENU menu, UINT position) {
  char text[256];
  std::memset(text, 0xCC, sizeof(text));
  const int length = GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
  return length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string();
}

class FrameTextsTest : public FrameTest {
 protected:
  FrameSession session{app};
};

// The menu bar's texts, then each popup's items as text and command (0: separator or popup).
using MenuItems = std::vector<std::pair<std::string, UINT>>;
MenuItems Items(HMENU menu) {
  MenuItems items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    items.emplace_back(MenuText(menu, static_cast<UINT>(i)), GetSubMenu(menu, i) ? 0 : GetMenuItemID(menu, i));
  return items;
}

TEST_F(FrameTextsTest, MenuItemsCarryTheirTextsAccessKeysAndCommands) {
  HMENU bar = GetMenu(session.Window());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Items(bar), (MenuItems{{"ﾌｧｲﾙ(\036F\037ﾌ)", 0}, {"表示(\036V\037ﾋ)", 0}, {"ﾍﾙﾌﾟ(\036H\037ﾍ)", 0}}));
  EXPECT_EQ(Items(GetSubMenu(bar, 0)), (MenuItems{{"環境設定(\036E\037ｶ)...", 32771}, {"", 0}, {"終了(\036X\037ﾘ)", 57665}}));
  EXPECT_EQ(Items(GetSubMenu(bar, 1)),
            (MenuItems{{"ツールバー(\036T\037ﾂ)", 59392}, {"ステータス バー(\036S\037ｽ)", 59393}}));
  EXPECT_EQ(Items(GetSubMenu(bar, 2)), (MenuItems{{"索引(\036I\037ｻ)", 57666}, {"ヘルプの使い方(\036U\037ﾍ)", 57668},
                                                  {"", 0}, {"バージョン情報(\036A\037ﾊ)...", 57664}}));
  // Half-width katakana reach the menu as single bytes: ﾌｧｲﾙ( in code page 932, independent of
  // how the test itself was compiled.
  EXPECT_EQ(MenuText(bar, 0).substr(0, 5), "\xCC\xA7\xB2\xD9(");
}

TEST_F(FrameTextsTest, CommandAndStatusStringsAreExact) {
  const struct {
    int line;
    UINT id;
    const char* text;
  } rows[] = {
      {__LINE__, 32771, "環境設定\n環境設定"},
      {__LINE__, 57665, "Nuvari の終了\n終了"},
      {__LINE__, 57664, "ﾊﾞｰｼﾞｮﾝの情報\nﾊﾞｰｼﾞｮﾝ"},
      {__LINE__, 57666, "ﾍﾙﾌﾟ ﾄﾋﾟｯｸの一覧"},
      {__LINE__, 57668, "ﾍﾙﾌﾟの使い方を表示\nﾍﾙﾌﾟ"},
      {__LINE__, 57669, "ｸﾘｯｸされたﾎﾞﾀﾝ、ﾒﾆｭｰまたはｳｨﾝﾄﾞｳのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"},
      {__LINE__, 57670, "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"},
      {__LINE__, 59392, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
      {__LINE__, 59393, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
      {__LINE__, 57345, " "},
      {__LINE__, 57346, "ﾍﾙﾌﾟのﾄﾋﾟｯｸを指定してください。"},
      {__LINE__, 59142, "ｶﾅ"},
      {__LINE__, 59137, "CAP"},
      {__LINE__, 59138, "NUM"},
      {__LINE__, 59139, "SCRL"},
  };
  for (const auto& row : rows) EXPECT_EQ(fw::LoadResourceString(row.id), row.text) << "row at line " << row.line;
}

TEST_F(FrameTextsTest, AcceleratorTableHoldsTheSixteenKeys) {
  using Keys = std::vector<std::tuple<BYTE, WORD, WORD>>;  // modifiers, key, command
  const Keys expected = {
      {FCONTROL, 'N', 57600},      {FCONTROL, 'O', 57601},     {FCONTROL, 'S', 57603},     {FCONTROL, 'P', 57607},
      {FCONTROL, 'Z', 57643},      {FCONTROL, 'X', 57635},     {FCONTROL, 'C', 57634},     {FCONTROL, 'V', 57637},
      {FALT, VK_BACK, 57643},      {FSHIFT, VK_DELETE, 57635}, {FCONTROL, VK_INSERT, 57634}, {FSHIFT, VK_INSERT, 57637},
      {0, VK_F6, 57680},           {FSHIFT, VK_F6, 57681},     {FSHIFT, VK_F1, 57669},     {0, VK_F1, 57670},
  };
  HACCEL table = session.Frame().m_hAccelTable;
  ASSERT_NE(table, nullptr);
  ACCEL entries[32] = {};
  Keys keys;
  for (int i = 0, count = CopyAcceleratorTableA(table, entries, 32); i < count; ++i) {
    // Every key is a virtual key.
    EXPECT_TRUE(entries[i].fVirt & FVIRTKEY) << i;
    keys.emplace_back(static_cast<BYTE>(entries[i].fVirt & (FCONTROL | FSHIFT | FALT)), entries[i].key, entries[i].cmd);
  }
  EXPECT_EQ(keys, expected);
}

// The tooltip is the second part of the command's string, the prompt its first.
TEST_F(FrameTextsTest, ToolbarHasFourButtonsAndAGapWithSixteenByFifteenImagesTooltipsAndPrompts) {
  HWND toolbar = session.Bar(59392);
  HWND tooltips = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tooltips, nullptr);
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 5);
  EXPECT_EQ(session.StatusText(), " ");
  const struct {
    int line;
    int command;  // 0: the gap
    int image;
    const char* tooltip;
    const char* prompt;
  } rows[] = {
      {__LINE__, 32771, 0, "環境設定", "環境設定"},
      {__LINE__, 57665, 1, "終了", "Nuvari の終了"},
      {__LINE__, 0, 0, nullptr, nullptr},
      {__LINE__, 57664, 2, "ﾊﾞｰｼﾞｮﾝ", "ﾊﾞｰｼﾞｮﾝの情報"},
      {__LINE__, 57669, 3, "ﾍﾙﾌﾟ", "ｸﾘｯｸされたﾎﾞﾀﾝ、ﾒﾆｭｰまたはｳｨﾝﾄﾞｳのﾍﾙﾌﾟを表示"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    const int index = static_cast<int>(&row - rows);
    TBBUTTON button{};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)));
    EXPECT_EQ(button.idCommand, row.command);
    EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, row.command == 0);
    if (row.command == 0) continue;
    EXPECT_EQ(button.iBitmap, row.image);
    char buffer[256] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = toolbar;
    tool.uId = static_cast<UINT_PTR>(row.command);
    tool.lpszText = buffer;
    SendMessageA(tooltips, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(buffer, row.tooltip);
    SendMessageA(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(index), 0);
    EXPECT_EQ(session.StatusText(), row.prompt);
  }
  SendMessageA(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(session.StatusText(), " ");
  // The bitmap: four images of 16 x 15 side by side, 16 colours.
  HRSRC info = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(2));  // RT_BITMAP
  ASSERT_NE(info, nullptr);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, info)));
  EXPECT_EQ(std::tuple(header->biWidth, header->biHeight, header->biBitCount), std::tuple(64, 15, 4));
}

TEST_F(FrameTextsTest, StatusBarPromptsFollowTheSelectedMenuItem) {
  HWND frame = session.Window();
  HMENU bar = GetMenu(frame);
  auto select = [&](UINT id, UINT flags, HMENU menu) {
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
    return session.StatusText();
  };
  EXPECT_EQ(select(59392, MF_STRING, GetSubMenu(bar, 1)), "ﾂｰﾙ ﾊﾞｰの表示/非表示");
  EXPECT_EQ(select(57666, MF_STRING, GetSubMenu(bar, 2)), "ﾍﾙﾌﾟ ﾄﾋﾟｯｸの一覧");
  EXPECT_EQ(select(57665, MF_STRING, GetSubMenu(bar, 0)), "Nuvari の終了");
  EXPECT_EQ(select(2, MF_POPUP, bar), " ");
  EXPECT_EQ(select(57665, MF_STRING, GetSubMenu(bar, 0)), "Nuvari の終了");
  EXPECT_EQ(select(0, 0xFFFF, nullptr), " ");  // the menu closed
}

TEST_F(FrameTextsTest, StatusBarHasAMessagePaneAndFourKeyIndicators) {
  HWND status = session.Bar(59393);
  int edges[8] = {};
  ASSERT_EQ(SendMessageA(status, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 5);
  RECT client{};
  GetClientRect(status, &client);
  // The message pane takes what the indicators leave; the last pane ends at the bar's edge.
  for (int i = 1; i < 5; ++i) EXPECT_GT(edges[i], edges[i - 1]) << "pane " << i;
  EXPECT_GT(edges[0], (client.right * 2) / 5);
  EXPECT_EQ(edges[4], client.right);

  KeyboardStateScope keyboard;
  const std::pair<std::vector<int>, std::array<const char*, 4>> rows[] = {
      {{}, {"", "", "", ""}},
      {{VK_CAPITAL}, {"", "CAP", "", ""}},
      {{VK_KANA, VK_NUMLOCK}, {"ｶﾅ", "", "NUM", ""}},
      {{VK_KANA, VK_CAPITAL, VK_NUMLOCK, VK_SCROLL}, {"ｶﾅ", "CAP", "NUM", "SCRL"}},
      {{}, {"", "", "", ""}},
  };
  for (const auto& [keys, texts] : rows) {
    keyboard.Set(keys);
    // Coming back to the frame brings the indicators up to date.
    SendMessageA(session.Window(), WM_ACTIVATE, WA_ACTIVE, 0);
    for (int pane = 1; pane < 5; ++pane) EXPECT_EQ(nuvari::test::StatusBarText(status, pane), texts[pane - 1]) << "pane " << pane;
  }
}

TEST_F(FrameTextsTest, BarsThatCannotBeFilledAreReported) {
  fw::CToolBar toolbar;
  ASSERT_TRUE(toolbar.Create(session.Frame(), 4000));
  EXPECT_FALSE(toolbar.LoadToolBar(999));  // no such toolbar
  fw::CStatusBar status;
  ASSERT_TRUE(status.Create(session.Frame(), 4001));
  EXPECT_FALSE(status.SetIndicators({0, 4242}));  // an indicator without a string
  EXPECT_TRUE(status.SetIndicators({0, 59137}));
}

}  // namespace
}  // namespace frametest
