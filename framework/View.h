// CView: the window inside a frame that shows a document. CFormView builds it from a dialog template.
#pragma once

#include <windows.h>

#include "Wnd.h"

namespace fw {

class CDocument;
class CFrameWnd;

class CView : public CWnd {
 public:
  ~CView() override;

  // Creates the view's window as the frame's client pane (child id 59648).
  virtual BOOL Create(CFrameWnd& frame, UINT childId) = 0;
  // Once, when the frame is first shown: by default an update from nobody.
  virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
  // The document changed.
  virtual void OnUpdate(CView* /*sender*/, LPARAM /*hint*/, void* /*hintObject*/) {}

  CDocument* GetDocument() const { return m_pDocument; }
  void SetDocument(CDocument* document);
  CFrameWnd* GetParentFrame() const { return m_pFrame; }

 protected:
  CFrameWnd* m_pFrame = nullptr;

 private:
  CDocument* m_pDocument = nullptr;
};

class CFormView : public CView {
 public:
  explicit CFormView(UINT templateId) : m_nIDTemplate(templateId) {}

  BOOL Create(CFrameWnd& frame, UINT childId) override;
  // Controls from the members, then an update from nobody.
  void OnInitialUpdate() override;
  // Makes the frame fit the form; with shrinkOnly it only ever gets smaller.
  void ResizeParentToFit(bool shrinkOnly = true);
  SIZE FormSize() const { return m_sizeForm; }

 protected:
  const UINT m_nIDTemplate;
  BOOL PreTranslateMessage(MSG& msg) override;
  BOOL OnInitDialog() override;
  // A form has no OK or Cancel: Enter and Esc must not end it.
  bool OnDialogCommand(UINT id) override { return id == IDOK || id == IDCANCEL; }

 private:
  SIZE m_sizeForm{};
};

}  // namespace fw
