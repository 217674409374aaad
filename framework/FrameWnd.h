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
class CStatusBar;
class CToolBar;
class CView;

// What the frame needs to create its view while it is created itself.
struct CCreateContext {
  std::function<std::unique_ptr<CView>()> createView;
  CDocument* document = nullptr;
};

class CFrameWnd : public CWnd {
 public:
  // Out of line: the view's type is complete only in the source.
  ~CFrameWnd() override;

  // Creates the window with menu, icon and accelerators of resourceId, and its view.
  BOOL LoadFrame(UINT resourceId, DWORD style, CCreateContext* context);
  // Chance to change style and title before the window exists.
  virtual BOOL PreCreateWindow(CREATESTRUCTA& /*cs*/) { return TRUE; }
  // Shows the frame (cmdShow -1: as it is, or normal when hidden) and brings it to the top.
  virtual void ActivateFrame(int cmdShow = -1);
  // Bars first, then the view takes what is left of the client area.
  virtual void RecalcLayout();
  // The view's initial update, then the first activation (with the program's show command for
  // the main window).
  void InitialUpdateFrame();

  CView* GetActiveView() const { return m_pView.get(); }
  // The frame's descendant with the given child id, or null.
  HWND FindDescendant(UINT childId) const;
  void ShowControlBar(UINT childId, bool show);
  // Shows a hidden bar, hides a shown one (the View menu's commands).
  void ToggleControlBar(UINT childId);

  // The status bar's message pane (nothing happens without a status bar).
  void SetMessageText(const std::string& text);
  // A command's prompt: its string up to the line break; the idle text when it has none.
  void ShowPrompt(UINT commandId);
  // " " normally, the point-at-an-item text while context help waits for a click.
  void ShowIdleMessage();
  // Context help waits for the click on a menu item, toolbar button or window.
  bool InHelpMode() const { return m_bHelpMode; }

  // The bars' objects (children 59392 and 59393), or null.
  CToolBar* ToolBarObject() const;
  CStatusBar* StatusBarObject() const;
  // A bar's own visible style: the frame may still be hidden while its layout is worked out.
  static bool IsBarShown(HWND bar);

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
  void OnSize(UINT type, int cx, int cy);
  void OnSetFocus(HWND lost);
  void OnNcDestroy();
  void OnAppExit();

  // Show or hide a bar; the View menu checks them while they are visible.
  void OnViewToolBar();
  void OnViewStatusBar();
  // Help commands, all through the application's help file.
  void OnHelpIndex();
  void OnHelpUsing();
  void OnHelp();
  void OnContextHelp();

  UINT m_nIDResource = 0;

 private:
  // The toolbar's tooltips and prompts; every other notification goes to the default procedure.
  MessageResult OnNotify(NMHDR& header);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  void OnInitMenuPopup(HMENU popup, UINT index, bool windowMenu);
  void OnActivate(UINT state, HWND other, bool minimized);
  // Context help takes the mouse over; otherwise the default procedure has it.
  bool OnLButtonDown(UINT keys, POINT client);
  bool OnRButtonDown(UINT keys, POINT client);
  bool OnMouseMove(UINT keys, POINT client);
  void OnCaptureChanged(HWND newCapture);
  void OnCancelMode();
  void UpdateKeyIndicators();
  void ExitHelpMode();
  // The topic of whatever lies under a screen point; 0 outside the frame.
  DWORD HelpContextAt(POINT screen) const;

  bool m_bHelpMode = false;
  bool m_bHelpMenu = false;      // a help-mode click opened the menu: losing the capture is expected
  std::string m_strTooltip;      // the control reads the tooltip text after the notification returns
  CCreateContext* m_pContext = nullptr;
  std::unique_ptr<CView> m_pView;
};

}  // namespace fw
