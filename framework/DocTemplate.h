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
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<CView>()>;

  CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
  ~CSingleDocTemplate();

  // Document; frame created hidden with its view; the document's new-document step (which
  // updates the view); the frame becomes the main window; initial update and first showing.
  BOOL OpenNewDocument(CWinApp& app);
  // The frame and its view first, the document last.
  void CloseAll();

  CDocument* GetDocument() const { return m_pDocument.get(); }
  CFrameWnd* GetFrame() const { return m_pFrame.get(); }

 private:
  UINT m_nIDResource;
  DocumentFactory m_createDocument;
  FrameFactory m_createFrame;
  ViewFactory m_createView;
  std::unique_ptr<CDocument> m_pDocument;
  std::unique_ptr<CFrameWnd> m_pFrame;
};

}  // namespace fw
