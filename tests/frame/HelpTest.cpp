// The frame's help commands and context help reach WinHelp with the program's help file, the
// right command and the right topic; the real WinHelpA is never called.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "FrameSession.h"
#include "RegistryScope.h"

namespace frametest {
namespace {

constexpr ULONG_PTR kFrameTopic = 0x20000 + 128;
using Requests = HelpRecorder::Requests;

class HelpTest : public FrameTest {
 protected:
  void SetUp() override { keyboard.Set({}); }

  // A click of the frame, seen by the frame while context help holds the mouse.
  void ClickAt(HWND window, POINT inWindow) {
    POINT point = inWindow;
    MapWindowPoints(window, session.Window(), &point, 1);
    SendMessageA(session.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Pump(app);
  }
  POINT ButtonCenter(int index) {
    RECT rect{};
    SendMessageA(session.Bar(59392), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  void EnterContextHelp() {
    SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(57669, 0), 0);
    ASSERT_TRUE(session.Frame().InHelpMode());
  }

  KeyboardStateScope keyboard;
  FrameSession session{app};
};

struct HelpRow {
  int line;
  UINT command;
  UINT helpCommand;
  ULONG_PTR data;
};

TEST_F(HelpTest, HelpMenuCommandsOpenTheProgramsHelpFile) {
  const HelpRow rows[] = {
      {__LINE__, 57666, HELP_INDEX, 0},
      {__LINE__, 57668, HELP_HELPONHELP, 0},
      {__LINE__, 57670, HELP_CONTEXT, kFrameTopic},
      {__LINE__, 57671, HELP_INDEX, 0},
  };
  for (const HelpRow& row : rows) {
    SCOPED_TRACE(row.line);
    help.calls.clear();
    SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
    ASSERT_EQ(help.Requested(), (Requests{{row.helpCommand, row.data}}));
    EXPECT_EQ(help.calls[0].owner, session.Window());
    EXPECT_EQ(help.calls[0].file, app.m_strHelpFilePath);
  }
  // The file beside the program, named after it.
  const std::string& file = app.m_strHelpFilePath;
  ASSERT_GE(file.size(), 16u);
  EXPECT_EQ(file.substr(file.size() - 16), "\\frame_tests.HLP");
}

TEST_F(HelpTest, F1OpensTheFramesTopicAndShiftF1StartsContextHelp) {
  PostMessageA(session.View(), WM_KEYDOWN, VK_F1, 0x003B0001);
  Pump(app);
  EXPECT_EQ(help.Requested(), (Requests{{HELP_CONTEXT, kFrameTopic}}));

  keyboard.Set({}, {VK_SHIFT});
  PostMessageA(session.View(), WM_KEYDOWN, VK_F1, 0x003B0001);
  Pump(app);
  EXPECT_TRUE(session.Frame().InHelpMode());
  EXPECT_EQ(help.calls.size(), 1u);
}

// Context help holds the mouse with its prompt; a click or a command opens the topic of what was
// chosen without running it (no box comes, the toolbar stays); Escape or a click outside ends it
// without help.
TEST_F(HelpTest, ContextHelpHoldsTheMouseUntilAChoiceOpensItsTopicOrEscapeOrAClickOutsideEndsIt) {
  const RECT frame = WindowRect(session.Window());
  const struct {
    int line;
    std::function<void()> choose;
    Requests opened;
  } rows[] = {
      {__LINE__, [&] { ClickAt(session.Bar(59392), ButtonCenter(0)); }, {{HELP_CONTEXT, 0x10000u + 32771}}},
      {__LINE__, [&] { ClickAt(session.Bar(59392), ButtonCenter(4)); }, {{HELP_CONTEXT, 0x10000u + 57669}}},
      {__LINE__, [&] { ClickAt(session.Bar(59392), ButtonCenter(3)); }, {{HELP_CONTEXT, 0x10000u + 57664}}},
      {__LINE__, [&] { ClickAt(session.View(), {5, 5}); }, {{HELP_CONTEXT, kFrameTopic}}},
      {__LINE__, [&] { ClickAt(session.Bar(59393), {3, 3}); }, {{HELP_CONTEXT, 0x50000u + 59393}}},
      {__LINE__, [&] { SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(59392, 0), 0); },
       {{HELP_CONTEXT, 0x10000u + 59392}}},
      {__LINE__, [&] { PostMessageA(session.View(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); Pump(app); }, {}},
      {__LINE__, [&] { ClickAt(session.Window(), {frame.right - frame.left + 50, 10}); }, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    help.calls.clear();
    EnterContextHelp();
    EXPECT_EQ(session.StatusText(), "ﾍﾙﾌﾟのﾄﾋﾟｯｸを指定してください。");
    EXPECT_EQ(GetCapture(), session.Window());
    row.choose();
    EXPECT_EQ(help.Requested(), row.opened);
    EXPECT_FALSE(session.Frame().InHelpMode());
    EXPECT_NE(GetCapture(), session.Window());
    EXPECT_EQ(session.StatusText(), " ");
  }
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(IsWindowVisible(session.Bar(59392)));
}

}  // namespace
}  // namespace frametest
