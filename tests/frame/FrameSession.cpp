#include "FrameSession.h"

#include "NuvariDoc.h"

namespace frametest {

void FittedPanel::OnInitialUpdate() {
  fw::CFormView::OnInitialUpdate();
  ResizeParentToFit(false);
  const RECT frame = WindowRect(GetParentFrame()->m_hWnd);
  fittedFrame = {frame.right - frame.left, frame.bottom - frame.top};
}

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
