// CSingleDocTemplate: the one document, its frame and its view, created together at start-up.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace fw {

class CDocument;
class CFrameWnd;
class CView;
class CWinApp;

class CSingleDocTemplate {
 public:
  template <class T>
  using Factory = std::function<std::unique_ptr<T>()>;

  CSingleDocTemplate(UINT resourceId, Factory<CDocument> document, Factory<CFrameWnd> frame, Factory<CView> view);
  ~CSingleDocTemplate();

  // Document; frame created hidden with its view; the document's new-document step (which
  // updates the view); the frame becomes the main window; initial update and first showing.
  BOOL OpenNewDocument(CWinApp& app);
  // The frame and its view first, the document last.
  void CloseAll();

  CFrameWnd* GetFrame() const { return m_pFrame.get(); }

 private:
  UINT m_nIDResource;
  Factory<CDocument> m_createDocument;
  Factory<CFrameWnd> m_createFrame;
  Factory<CView> m_createView;
  std::unique_ptr<CDocument> m_pDocument;
  std::unique_ptr<CFrameWnd> m_pFrame;
};

}  // namespace fw
