// CFrameWnd: a top-level window with a menu, accelerators, optional control bars (child ids
// 59392 at the top, 59393 at the bottom) and one view filling the rest.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "Wnd.h"

namespace fw {

class CDocument;
class CView;

// What the frame needs to create its view while it is created itself.
struct CCreateContext {
  std::function<std::unique_ptr<CView>()> createView;
  CDocument* document = nullptr;
};

class CFrameWnd : public CWnd {
 public:
  ~CFrameWnd() override;

  // Creates the window with menu, icon and accelerators of resourceId, and its view.
  BOOL LoadFrame(UINT resourceId, DWORD style, CCreateContext* context);
  // Chance to change style and title before the window exists.
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  // Shows the frame (cmdShow -1: as it is, or normal when hidden) and brings it to the top.
  virtual void ActivateFrame(int cmdShow = -1);
  // Bars first, then the view takes what is left of the client area.
  virtual void RecalcLayout();
  // The view's initial update, then the first activation (with the program's show command for
  // the main window).
  void InitialUpdateFrame(BOOL makeVisible);

  CView* GetActiveView() const { return m_pView.get(); }
  // The frame's descendant with the given child id, or null.
  HWND FindDescendant(UINT childId) const;
  void ShowControlBar(UINT childId, bool show);

  std::string m_strTitle;
  HACCEL m_hAccelTable = nullptr;

  static const MessageMap& ClassMessageMap();
  const MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  // Creates the view from the creation context; 0 to go on, -1 to abort.
  int OnCreate(CREATESTRUCTA& cs);
  BOOL PreTranslateMessage(MSG& msg) override;
  // Commands go to the view first, then the frame, then the application.
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;
  LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocusMessage(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcDestroyMessage(WPARAM wParam, LPARAM lParam);
  void OnAppExit();

  UINT m_nIDResource = 0;

 private:
  CCreateContext* m_pContext = nullptr;
  std::unique_ptr<CView> m_pView;
};

}  // namespace fw
