// Test harness of the control panel: Nuvari's document, main frame and view created in this
// process as at start-up, from a private registry state, with the platform's boxes, program
// starts and help recorded instead of shown or run.
#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MessageBoxRecorder.h"
#include "NuvariApp.h"
#include "NuvariDoc.h"
#include "NuvariView.h"
#include "RegistryScope.h"

namespace paneltest {

// Nuvari's program object with its title and registry root, but no single-instance test.
class PanelApp : public CNuvariApp {
 public:
  PanelApp();
  BOOL Open();
};

struct Launch {
  std::string commandLine;
  UINT show;
};

struct HelpCall {
  std::string file;
  UINT command;
  ULONG_PTR data;
};

class PanelTest : public ::testing::Test {
 protected:
  PanelTest();
  ~PanelTest() override;

  // Settings the next start loads.
  void Store(const std::string& name, const std::string& text);
  // The stored value, or "(none)".
  std::string Stored(const std::string& name) const;
  void StorePending(const std::vector<std::string>& deals);

  // Opens document, frame and view as the program does; the polling timer is stopped again so
  // that no tick acts behind a test's back.
  CNuvariView& Start();
  // Closes frame, view and document in the program's order.
  void Close();

  CNuvariView& View() const { return *m_view; }
  CNuvariDoc& Document() const;
  HWND Control(int id) const { return GetDlgItem(m_view->m_hWnd, id); }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
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
  std::vector<std::string> BoxTexts() const;

  testsupport::RegistryScope m_registry;
  testsupport::MessageBoxRecorder m_boxes;
  std::vector<Launch> m_launches;
  std::deque<UINT> m_launchResults;  // 33 (started) when empty
  std::vector<HelpCall> m_help;
  std::optional<UINT_PTR> m_timerResult;  // the real SetTimer when empty
  UINT_PTR m_timerAtStart = 0;
  std::unique_ptr<PanelApp> m_app;
  CNuvariView* m_view = nullptr;
};

// A file that exists for the life of the scope (and is removed only when the scope made it).
class ScopedFile {
 public:
  explicit ScopedFile(std::string path);
  ~ScopedFile();
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
  bool m_made = false;
};

// A folder below the temporary folder, made when missing.
std::string TemporaryFolder(const std::string& name);

// A top-level window of this process with the given title, for the life of the scope.
class TitledWindow {
 public:
  explicit TitledWindow(const std::string& title);
  ~TitledWindow() { DestroyWindow(m_window); }
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;
  HWND Handle() const { return m_window; }

 private:
  HWND m_window;
};

}  // namespace paneltest
