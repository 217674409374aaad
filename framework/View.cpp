#include "View.h"

#include "Document.h"
#include "FrameWnd.h"

namespace fw {

CView::~CView() { SetDocument(nullptr); }

void CView::SetDocument(CDocument* document) {
  if (m_pDocument) m_pDocument->RemoveView(*this);
  m_pDocument = document;
  if (m_pDocument) m_pDocument->AddView(*this);
}

BOOL CFormView::Create(CFrameWnd& frame, UINT childId) {
  m_pFrame = &frame;
  HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), frame.m_hWnd,
                                   &CWnd::DialogProcThunk, reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
  if (!window) return FALSE;
  SetWindowLongPtrA(window, GWLP_ID, static_cast<LONG_PTR>(childId));
  ShowWindow(window, SW_SHOW);
  return TRUE;
}

BOOL CFormView::OnInitDialog() {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  m_sizeForm = {client.right - client.left, client.bottom - client.top};
  return FALSE;  // the focus is the form's business once it is shown
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CView::OnInitialUpdate();
}

BOOL CFormView::PreTranslateMessage(MSG& msg) {
  // Tab, arrow keys and mnemonics move between the panel's controls.
  return IsDialogMessageA(m_hWnd, &msg);
}

void CFormView::ResizeParentToFit(bool shrinkOnly) {
  if (!m_pFrame || !m_pFrame->m_hWnd) return;
  m_pFrame->RecalcLayout();
  RECT view{};
  GetWindowRect(m_hWnd, &view);
  LONG dx = m_sizeForm.cx - (view.right - view.left);
  LONG dy = m_sizeForm.cy - (view.bottom - view.top);
  if (shrinkOnly && dx > 0) dx = 0;
  if (shrinkOnly && dy > 0) dy = 0;
  RECT frame{};
  GetWindowRect(m_pFrame->m_hWnd, &frame);
  SetWindowPos(m_pFrame->m_hWnd, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_pFrame->RecalcLayout();
}

}  // namespace fw
