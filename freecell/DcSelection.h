// An object selected into a device context for a scope; the previous one comes back at its end, so
// that no object is deleted while still selected.
#pragma once

#include <windows.h>

namespace freecell {

class DcSelection {
 public:
  DcSelection(HDC dc, HGDIOBJ object) : m_hDc(dc), m_hPrevious(SelectObject(dc, object)) {}
  ~DcSelection() { SelectObject(m_hDc, m_hPrevious); }
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

 private:
  HDC m_hDc;
  HGDIOBJ m_hPrevious;
};

}  // namespace freecell
