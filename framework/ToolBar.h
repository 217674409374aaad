// CToolBar: the common-control toolbar of a frame. The buttons come from a toolbar resource (one
// command per button, 0 for a gap) and their images, in the same order, from the bitmap of the
// same id.
#pragma once

#include <windows.h>

#include <vector>

#include "Handles.h"
#include "Wnd.h"

namespace fw {

class CToolBar : public CWnd {
 public:
  // Bar styles the frame looks at when the toolbar notifies it.
  enum : DWORD {
    kBarTooltips = 0x1,  // a button's tooltip is the second part of its command string
    kBarFlyBy = 0x2,     // the first part is the status-bar prompt while the mouse is over it
  };

  ~CToolBar() override;

  // A visible child of the parent, docked at the top, with the given child id.
  BOOL Create(CWnd& parent, UINT childId);
  // Buttons from toolbar resource resourceId, images from bitmap resourceId; false when either is
  // missing or malformed, or there are fewer images than buttons.
  BOOL LoadToolBar(UINT resourceId);

  DWORD GetBarStyle() const { return m_dwBarStyle; }
  void SetBarStyle(DWORD style) { m_dwBarStyle = style; }

  // Command of the button at a point of the toolbar's client area; 0 over a gap or no button.
  UINT CommandAt(POINT clientPoint) const;

 private:
  DWORD m_dwBarStyle = 0;
  std::vector<UINT> m_buttons;
  UniqueGdi<HBITMAP> m_bitmap;
};

}  // namespace fw
