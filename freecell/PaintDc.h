// The device context of one WM_PAINT, between BeginPaint and EndPaint.
#pragma once

#include <windows.h>

namespace freecell {

class PaintDc {
 public:
  explicit PaintDc(HWND window) : m_hWnd(window) { m_hDc = BeginPaint(window, &m_paint); }
  ~PaintDc() { EndPaint(m_hWnd, &m_paint); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC Get() const { return m_hDc; }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_paint{};
  HDC m_hDc;
};

}  // namespace freecell
