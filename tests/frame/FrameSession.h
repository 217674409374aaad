// Test helper: Nuvari's main frame in this process, created the way the program creates it (settings
// record, hidden frame with its bars and a panel on template 101, first activation), with WinHelp and
// message boxes recorded instead of reaching the platform.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "InProcess.h"
#include "MessageBoxRecorder.h"
#include "RegistryScope.h"
#include "View.h"

namespace frametest {

using nuvari::test::HelpRecorder;
using nuvari::test::TestApp;

// A panel on the control panel's template that fits the frame to itself, as the program's panel
// does before the frame is first shown; it remembers the frame's size at that moment.
class FittedPanel : public fw::CFormView {
 public:
  FittedPanel() : fw::CFormView(IDD_NUVARI_FORM) {}
  void OnInitialUpdate() override;
  SIZE fittedFrame{};
};

// Runs the frame's messages (through the application's accelerator and dialog filtering) for a while.
void Pump(TestApp& app, DWORD milliseconds = 50);

// One start of the frame: created and shown on construction; closed like the player closes it.
class FrameSession {
 public:
  explicit FrameSession(TestApp& app, int cmdShow = SW_SHOWNORMAL);
  ~FrameSession();
  FrameSession(const FrameSession&) = delete;
  FrameSession& operator=(const FrameSession&) = delete;

  bool Opened() const { return m_opened; }
  CMainFrame& Frame() const;
  HWND Window() const;
  HWND Bar(UINT childId) const { return GetDlgItem(Window(), static_cast<int>(childId)); }
  HWND View() const { return GetDlgItem(Window(), 59648); }
  SIZE FittedSize() const { return m_panel ? m_panel->fittedFrame : SIZE{}; }
  SIZE FormSize() const { return m_panel ? m_panel->FormSize() : SIZE{}; }
  // Pane 0 of the status bar.
  std::string StatusText() const { return nuvari::test::StatusBarText(Bar(59393)); }
  // WM_CLOSE, as the close box or the exit command sends it; the frame stores its placement.
  void Close();

 private:
  TestApp& m_app;
  FittedPanel* m_panel = nullptr;
  std::unique_ptr<fw::CSingleDocTemplate> m_template;
  bool m_opened = false;
};

RECT WindowRect(HWND window);

// Sets lock and shift keys for a test (toggled on, or held down) and puts the keyboard back afterwards.
class KeyboardStateScope {
 public:
  KeyboardStateScope() { GetKeyboardState(m_saved.data()); }
  ~KeyboardStateScope() { SetKeyboardState(m_saved.data()); }
  KeyboardStateScope(const KeyboardStateScope&) = delete;
  KeyboardStateScope& operator=(const KeyboardStateScope&) = delete;
  void Set(const std::vector<int>& toggledOn, const std::vector<int>& held = {}) {
    std::array<BYTE, 256> keys = m_saved;
    for (int key : {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL, VK_KANA, VK_SHIFT, VK_CONTROL, VK_MENU}) keys[key] = 0;
    for (int key : toggledOn) keys[key] = 1;
    for (int key : held) keys[key] = 0x80;
    SetKeyboardState(keys.data());
  }

 private:
  std::array<BYTE, 256> m_saved{};
};

// What every frame test runs in: a fresh registry, boxes and help recorded, the program object.
class FrameTest : public ::testing::Test {
 protected:
  nuvari::test::RegistryScope registry;
  nuvari::test::MessageBoxRecorder boxes;
  HelpRecorder help;
  TestApp app;
};

}  // namespace frametest
