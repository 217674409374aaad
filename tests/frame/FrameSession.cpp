#include "FrameSession.h"

#include <commctrl.h>

#include <cstring>

#include "NuvariDoc.h"
#include "Platform.h"
#include "resource.h"

namespace frametest {

TestApp::TestApp() : fw::CWinApp("Nuvari") {
  InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
  SetRegistryKey("Talvenko");
}

FittedPanel::FittedPanel() : fw::CFormView(IDD_NUVARI_FORM) {}

void FittedPanel::OnInitialUpdate() {
  fw::CFormView::OnInitialUpdate();
  ResizeParentToFit(false);
  const RECT frame = WindowRect(GetParentFrame()->m_hWnd);
  fittedFrame = {frame.right - frame.left, frame.bottom - frame.top};
}

HelpRecorder::HelpRecorder() {
  fw::platform::TestHooks().winHelp = [this](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
    calls.push_back({owner, file, command, data});
    return TRUE;
  };
}

HelpRecorder::~HelpRecorder() { fw::platform::TestHooks().winHelp = nullptr; }

void Pump(TestApp& app, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // The frame's destruction ends the program's loop; here the test goes on.
      if (msg.message == WM_QUIT) continue;
      if (app.PreTranslateMessage(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

FrameSession::FrameSession(TestApp& app, int cmdShow) : m_app(app) {
  m_template = std::make_unique<fw::CSingleDocTemplate>(
      IDR_MAINFRAME, [] { return std::make_unique<CNuvariDoc>(); }, [] { return std::make_unique<CMainFrame>(); },
      [this] {
        auto panel = std::make_unique<FittedPanel>();
        m_panel = panel.get();
        return panel;
      });
  app.m_nCmdShow = cmdShow;
  m_opened = m_template->OpenNewDocument(app) != FALSE;
  Pump(app);
}

FrameSession::~FrameSession() {
  if (Window() && IsWindow(Window())) Close();
  m_template.reset();
  m_app.m_pMainWnd = nullptr;
}

CMainFrame& FrameSession::Frame() const { return static_cast<CMainFrame&>(*m_template->GetFrame()); }

HWND FrameSession::Window() const {
  return m_template && m_template->GetFrame() ? m_template->GetFrame()->m_hWnd : nullptr;
}

std::string FrameSession::StatusText() const {
  // The length may count characters, not bytes: room for two bytes each.
  HWND bar = Bar(59393);
  const LRESULT info = SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0);
  std::string text(2 * static_cast<std::size_t>(LOWORD(info)) + 1, '\0');
  SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

void FrameSession::Close() {
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  Pump(m_app);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace frametest
