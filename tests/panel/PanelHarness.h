// Test harness of the control panel: Nuvari's document, main frame and view created in this
// process as at start-up, from a private registry state, with the platform's boxes, program
// starts and help recorded instead of shown or run.
#pragma once

#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Files.h"
#include "InProcess.h"
#include "MessageBoxRecorder.h"
#include "RegistryScope.h"
#include "TitledWindow.h"

namespace paneltest {

// Texts the panel and its settings dialog show, as the tests expect them.
inline constexpr char kSettingsCaption[] = "Nuvari（環境設定）";
inline constexpr char kNotAnInteger[] = "整数を入力してください。";
inline constexpr UINT kYesNoWarning = MB_YESNO | MB_ICONEXCLAMATION;

struct Launch {
  std::string commandLine;
  UINT show;
};

class PanelTest : public ::testing::Test {
 protected:
  PanelTest();
  ~PanelTest() override;

  // Settings the next start loads.
  void Store(const std::string& name, const std::string& text) { m_registry.Store(name, text); }
  // The stored value, or "(none)".
  std::string Stored(const std::string& name) const { return m_registry.Stored(name).value_or("(none)"); }
  // The pending values stored, from Pending0 up to the first missing one.
  std::vector<std::string> StoredPending() const { return m_registry.StoredPending(); }
  void StorePending(const std::vector<std::string>& deals);

  // Opens document, frame and view as the program does; the polling timer is stopped again so
  // that no tick acts behind a test's back.
  CNuvariView& Start();
  // Closes frame, view and document in the program's order.
  void Close();
  // Back to before the start: closed, a fresh registry holding a usable path, no box or launch seen.
  void Reset();
  // One tick sees FreeCell's main window: the new-game request is taken up (the game-number
  // dialog asked for), as between deals.
  void TakeNewGameRequest(const std::string& title = "ﾌﾘｰｾﾙ");

  CNuvariView& View() const { return *m_view; }
  CNuvariDoc& Document() const;
  HWND Control(int id) const { return GetDlgItem(m_view->m_hWnd, id); }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // Whether update, pend and try are enabled, in that order.
  std::array<bool, 3> EnabledButtons() const {
    return {Enabled(IDC_BUTTON_UPDATE), Enabled(IDC_BUTTON_PEND), Enabled(IDC_BUTTON_TRY)};
  }
  std::string Text(int id) const;
  // Click, notification or menu command as the panel receives them.
  void Click(int id) const;
  void Notify(int id, UINT code) const;
  void Command(UINT id) const;
  std::vector<std::string> ListTexts() const;
  int Selection() const;
  void Select(int index) const;
  void TypeGameNo(const std::string& text) const { SetWindowTextA(Control(IDC_GAME_NO), text.c_str()); }

  // Box texts seen so far.
  std::vector<std::string> BoxTexts() const { return m_boxes.Texts(); }

  nuvari::test::RegistryScope m_registry;
  nuvari::test::MessageBoxRecorder m_boxes;
  std::vector<Launch> m_launches;
  std::deque<UINT> m_launchResults;  // 33 (started) when empty
  nuvari::test::HelpRecorder m_help;
  std::optional<UINT_PTR> m_timerResult;  // the real SetTimer when empty
  UINT_PTR m_timerAtStart = 0;
  std::unique_ptr<nuvari::test::TestApp> m_app;
  CNuvariView* m_view = nullptr;
};

// Test helper: plays the player's part in a modal dialog of this thread. While the dialog's own
// loop runs, a timer of a hidden window looks for a visible dialog with the caption and hands it
// to the callback, once per dialog shown. A dialog the callback leaves open is cancelled, so a
// test never hangs in a modal loop.
class ModalDriver {
 public:
  ModalDriver(std::string caption, std::function<void(HWND dialog)> act);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Dialogs handed to the callback, and those it left open.
  int Runs() const { return m_runs; }
  int LeftOpen() const { return m_leftOpen; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnTick();

  std::string m_caption;
  std::function<void(HWND)> m_act;
  HWND m_window = nullptr;
  bool m_acting = false;
  int m_runs = 0;
  int m_leftOpen = 0;
};

// The notification of a push button's click, as the dialog receives it.
void ClickIn(HWND dialog, int id);
// A click on the control itself: check boxes and radio buttons change their state first.
void PressIn(HWND dialog, int id);
// The dialog was ended (EndDialog hides it at once) or destroyed.
bool IsClosed(HWND dialog);

using nuvari::test::kInformation;
using nuvari::test::kQuestion;
using nuvari::test::kWarning;
using nuvari::test::ScopedFile;
using nuvari::test::Shown;
using nuvari::test::TemporaryFolder;
using nuvari::test::TitledWindow;

}  // namespace paneltest
