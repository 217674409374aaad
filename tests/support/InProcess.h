// Helpers for tests that run Nuvari's own objects in the test process (they link the program's
// library): the program object, and the platform's help and status bar as the tests read them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DocTemplate.h"
#include "MainFrame.h"
#include "NuvariApp.h"
#include "NuvariDoc.h"
#include "NuvariView.h"
#include "Platform.h"
#include "resource.h"

namespace nuvari::test {

// Nuvari's program object with its title from the resources and its registry root, without the
// single-copy test of its start-up.
class TestApp : public CNuvariApp {
 public:
  explicit TestApp(int cmdShow = SW_SHOWNORMAL) {
    InitApplication(cmdShow);
    SetRegistryKey(kMakerRegistryKey);
  }
  using fw::CWinApp::PreTranslateMessage;

  // Document, frame and panel as the program's start-up makes them.
  template <typename Frame = CMainFrame>
  BOOL Open() {
    AddDocTemplate(std::make_unique<fw::CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CNuvariDoc>(); }, [] { return std::make_unique<Frame>(); },
        [] { return std::make_unique<CNuvariView>(); }));
    return ProcessShellCommand();
  }
};

struct HelpCall {
  HWND owner;
  std::string file;
  UINT command;
  ULONG_PTR data;
};

// Every WinHelp request recorded for the life of the scope: no test reaches the real viewer,
// which blocks on a box of its own.
class HelpRecorder {
 public:
  HelpRecorder() {
    fw::platform::TestHooks().winHelp = [this](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
      calls.push_back({owner, file, command, data});
      return TRUE;
    };
  }
  ~HelpRecorder() { fw::platform::TestHooks().winHelp = nullptr; }
  HelpRecorder(const HelpRecorder&) = delete;
  HelpRecorder& operator=(const HelpRecorder&) = delete;
  // The WinHelp commands and their data, in order.
  using Requests = std::vector<std::pair<UINT, ULONG_PTR>>;
  Requests Requested() const {
    Requests requests;
    for (const HelpCall& call : calls) requests.emplace_back(call.command, call.data);
    return requests;
  }
  std::vector<HelpCall> calls;
};

// A pane of a status bar of this process. The length may count characters, not bytes: room for
// two bytes each.
inline std::string StatusBarText(HWND bar, int pane = 0) {
  const LRESULT info = SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane), 0);
  std::string text(2 * static_cast<std::size_t>(LOWORD(info)) + 1, '\0');
  SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

}  // namespace nuvari::test
