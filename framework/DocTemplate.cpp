#include "DocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"

namespace fw {

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, Factory<CDocument> document, Factory<CFrameWnd> frame,
                                       Factory<CView> view)
    : m_nIDResource(resourceId),
      m_createDocument(std::move(document)),
      m_createFrame(std::move(frame)),
      m_createView(std::move(view)) {}

CSingleDocTemplate::~CSingleDocTemplate() { CloseAll(); }

BOOL CSingleDocTemplate::OpenNewDocument(CWinApp& app) {
  m_pDocument = m_createDocument();
  m_pFrame = m_createFrame();
  CCreateContext context{m_createView, m_pDocument.get()};
  if (!m_pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW, &context) || !m_pDocument->OnNewDocument()) {
    CloseAll();
    return FALSE;
  }
  app.m_pMainWnd = m_pFrame.get();
  m_pFrame->InitialUpdateFrame();
  return TRUE;
}

void CSingleDocTemplate::CloseAll() {
  CWinApp* app = GetApp();
  if (app && m_pFrame && app->m_pMainWnd == m_pFrame.get()) app->m_pMainWnd = nullptr;
  // The window goes while the whole frame object still answers its messages, so the frame's
  // and the view's destruction steps run as on a close by the player.
  if (m_pFrame && m_pFrame->m_hWnd && IsWindow(m_pFrame->m_hWnd)) DestroyWindow(m_pFrame->m_hWnd);
  m_pFrame.reset();
  m_pDocument.reset();
}

}  // namespace fw
