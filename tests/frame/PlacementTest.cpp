// The main frame reopens where, and as, it was closed: Window size values read at the first
// showing, written when the frame is destroyed.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "FrameSession.h"
#include "PersistentFrame.h"
#include "RegistryScope.h"
#include "StoredValues.h"
#include "TitledWindow.h"

namespace frametest {
namespace {

using namespace nuvari::test;

constexpr const char* kWindowSize = RegistryScope::kWindowSize;

// icon, max, tool and status.
using Flags = std::array<DWORD, 4>;

// The whole Window size key as closing this session stores it: Rect as text, the normal rectangle at
// left, top and one pixel larger than the panel each way; the flags as REG_DWORD. Taken before the
// close, which destroys the panel.
RegistryTree StoredPlacement(const FrameSession& session, int left, int top, Flags flags) {
  const SIZE fitted = session.FittedSize();
  RegistryTree key{{"Rect", TextValue(nuvari::FormatStoredRect({left, top, left + static_cast<int>(fitted.cx) + 1,
                                                                top + static_cast<int>(fitted.cy) + 1}))}};
  for (int i = 0; const char* name : {"icon", "max", "tool", "status"}) key[name] = DwordValue(flags[i++]);
  return key;
}

// Where the frame stands, and by how much it is larger than the panel it was fitted to, each way.
std::array<long, 4> PlaceAndMargin(const FrameSession& session) {
  const RECT rect = WindowRect(session.Window());
  return {rect.left, rect.top, rect.right - rect.left - session.FittedSize().cx,
          rect.bottom - rect.top - session.FittedSize().cy};
}

class PlacementTest : public FrameTest {};

TEST_F(PlacementTest, WithoutStoredValuesShowsAtTenTenOnePixelLargerThanThePanelWithBothBars) {
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_EQ(PlaceAndMargin(session), (std::array<long, 4>{10, 10, 1, 1}));
  EXPECT_TRUE(IsWindowVisible(session.Window()));
  EXPECT_FALSE(IsIconic(session.Window()));
  EXPECT_FALSE(IsZoomed(session.Window()));
  EXPECT_EQ(GetActiveWindow(), session.Window());
  EXPECT_TRUE(IsWindowVisible(session.Bar(59392)));
  EXPECT_TRUE(IsWindowVisible(session.Bar(59393)));
  // The panel is whole, one pixel to spare each way, between the bars.
  const RECT view = WindowRect(session.View());
  EXPECT_EQ(std::pair(view.right - view.left, view.bottom - view.top),
            std::pair(session.FormSize().cx + 1, session.FormSize().cy + 1));
  EXPECT_EQ(WindowRect(session.View()).top, WindowRect(session.Bar(59392)).bottom);
  EXPECT_LE(WindowRect(session.View()).bottom, WindowRect(session.Bar(59393)).top);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlacementTest, ClosingStoresTheWholeWindowSizeKey) {
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  const RegistryTree expected = StoredPlacement(session, 10, 10, {0, 0, 1, 1});
  session.Close();
  EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
}

TEST_F(PlacementTest, StoredRectGivesOnlyLeftAndTop) {
  WriteRegistryText(kWindowSize, "Rect", "0100 0200 0300 0400");
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_EQ(PlaceAndMargin(session), (std::array<long, 4>{100, 200, 1, 1}));
}

TEST_F(PlacementTest, ClosedMinimizedStoresIconAndNextStartIsMinimizedWithoutActivation) {
  {
    FrameSession session(app);
    ASSERT_TRUE(session.Opened());
    const RegistryTree expected = StoredPlacement(session, 10, 10, {1, 0, 1, 1});
    ShowWindow(session.Window(), SW_MINIMIZE);
    Pump(app);
    session.Close();
    EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
  }

  // A window of the test's own holds the activation.
  const nuvari::test::TitledWindow other("other", true);
  SetForegroundWindow(other.Handle());
  SetActiveWindow(other.Handle());
  Pump(app);
  ASSERT_EQ(GetActiveWindow(), other.Handle());
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_TRUE(IsIconic(session.Window()));
  EXPECT_EQ(GetActiveWindow(), other.Handle());
  // Restored, it stands where it stood.
  ShowWindow(session.Window(), SW_RESTORE);
  Pump(app);
  EXPECT_EQ(PlaceAndMargin(session), (std::array<long, 4>{10, 10, 1, 1}));
}

TEST_F(PlacementTest, ToolbarHiddenThroughTheViewMenuStaysHiddenNextStart) {
  {
    FrameSession session(app);
    ASSERT_TRUE(session.Opened());
    const RegistryTree expected = StoredPlacement(session, 10, 10, {0, 0, 0, 1});
    HMENU view = GetSubMenu(GetMenu(session.Window()), 1);
    ASSERT_NE(GetMenuState(view, 59392, MF_BYCOMMAND), static_cast<UINT>(-1));
    SendMessageA(session.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
    EXPECT_TRUE(GetMenuState(view, 59392, MF_BYCOMMAND) & MF_CHECKED);
    SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(59392, 0), 0);
    Pump(app);
    EXPECT_FALSE(IsWindowVisible(session.Bar(59392)));
    SendMessageA(session.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 1);
    EXPECT_FALSE(GetMenuState(view, 59392, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(view, 59393, MF_BYCOMMAND) & MF_CHECKED);
    session.Close();
    EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
  }

  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  ASSERT_NE(session.Bar(59392), nullptr);
  EXPECT_FALSE(IsWindowVisible(session.Bar(59392)));
  EXPECT_TRUE(IsWindowVisible(session.Bar(59393)));
  // The panel moves up into the toolbar's place.
  POINT viewCorner{WindowRect(session.View()).left, WindowRect(session.View()).top};
  ScreenToClient(session.Window(), &viewCorner);
  EXPECT_EQ(viewCorner.y, 0);
}

TEST_F(PlacementTest, StatusBarHiddenAndShownAgainThroughTheViewMenu) {
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  const RegistryTree expected = StoredPlacement(session, 10, 10, {0, 0, 1, 1});
  SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(59393, 0), 0);
  EXPECT_FALSE(IsWindowVisible(session.Bar(59393)));
  SendMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(59393, 0), 0);
  EXPECT_TRUE(IsWindowVisible(session.Bar(59393)));
  session.Close();
  EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
}

TEST_F(PlacementTest, StoredMaxShowsTheFrameMaximized) {
  WriteRegistryDword(kWindowSize, "max", 1);
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_TRUE(IsZoomed(session.Window()));
  EXPECT_FALSE(IsIconic(session.Window()));
  // The normal rectangle under the maximized frame is still the one at 10, 10.
  const RegistryTree expected = StoredPlacement(session, 10, 10, {0, 1, 1, 1});
  session.Close();
  EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
}

TEST_F(PlacementTest, StoredIconAndMaxShowMinimizedThenRestoreToMaximized) {
  WriteRegistryDword(kWindowSize, "icon", 1);
  WriteRegistryDword(kWindowSize, "max", 1);
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_TRUE(IsIconic(session.Window()));
  ShowWindow(session.Window(), SW_RESTORE);
  Pump(app);
  EXPECT_TRUE(IsZoomed(session.Window()));
}

TEST_F(PlacementTest, PlayerCannotResizeOrMaximizeTheFrame) {
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  const LONG style = GetWindowLongA(session.Window(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(fw::GetWindowTextString(session.Window()), "Nuvari");
  // The corner is no sizing handle, and a double click on the caption maximizes nothing.
  const RECT rect = WindowRect(session.Window());
  const LRESULT corner = SendMessageA(session.Window(), WM_NCHITTEST, 0, MAKELPARAM(rect.right - 1, rect.bottom - 1));
  EXPECT_TRUE(corner != HTBOTTOMRIGHT && corner != HTRIGHT && corner != HTBOTTOM) << corner;
  SendMessageA(session.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rect.left + 40, rect.top + 5));
  Pump(app);
  EXPECT_FALSE(IsZoomed(session.Window()));
  EXPECT_EQ(WindowRect(session.Window()).right, rect.right);
}

TEST_F(PlacementTest, NegativeAndLargePositionsAreStoredAsSigned) {
  {
    FrameSession session(app);
    ASSERT_TRUE(session.Opened());
    const RegistryTree expected = StoredPlacement(session, -50, -7, {0, 0, 1, 1});
    SetWindowPos(session.Window(), nullptr, -50, -7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump(app);
    session.Close();
    EXPECT_EQ(ReadRegistryTree(kWindowSize), expected);
  }
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_EQ(PlaceAndMargin(session), (std::array<long, 4>{-50, -7, 1, 1}));
}

TEST_F(PlacementTest, BarValuesOtherThanZeroShowTheBarInItsPlace) {
  WriteRegistryDword(kWindowSize, "tool", 3);  // 3 would maximize a child window
  WriteRegistryDword(kWindowSize, "status", 0);
  FrameSession session(app);
  ASSERT_TRUE(session.Opened());
  EXPECT_TRUE(IsWindowVisible(session.Bar(59392)));
  EXPECT_FALSE(IsZoomed(session.Bar(59392)));
  EXPECT_EQ(WindowRect(session.Bar(59392)).bottom, WindowRect(session.View()).top);
  EXPECT_FALSE(IsWindowVisible(session.Bar(59393)));
}

TEST_F(PlacementTest, FrameNeverShownLeavesTheStoredPlacementAlone) {
  WriteRegistryText(kWindowSize, "Rect", "0100 0200 0300 0400");
  WriteRegistryDword(kWindowSize, "icon", 1);
  const RegistryTree stored = ReadRegistryTree(kWindowSize);
  {
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(128, WS_OVERLAPPEDWINDOW, nullptr));
    DestroyWindow(frame.m_hWnd);
    Pump(app);
  }
  EXPECT_EQ(ReadRegistryTree(kWindowSize), stored);
}

}  // namespace
}  // namespace frametest
