// Owning wrappers for Win32 handles: one line each, moved but never copied.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace fw {

struct HKeyCloser { void operator()(HKEY key) const { RegCloseKey(key); } };
using UniqueHKey = std::unique_ptr<std::remove_pointer_t<HKEY>, HKeyCloser>;

struct HandleCloser { void operator()(HANDLE handle) const { CloseHandle(handle); } };
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct GdiObjectDeleter { void operator()(HGDIOBJ object) const { DeleteObject(object); } };
template <class T>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;

struct MenuDestroyer { void operator()(HMENU menu) const { DestroyMenu(menu); } };
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// GetDC/ReleaseDC as a scope.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
  ~WindowDC() {
    if (m_dc) ReleaseDC(m_window, m_dc);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC dc() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

// BeginPaint/EndPaint as a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
  ~PaintScope() { EndPaint(m_window, &m_paint); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return m_dc; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc = nullptr;
};

// An object selected into a DC for a scope; the previous one comes back at the end.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
  ~SelectScope() { SelectObject(m_dc, m_previous); }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

}  // namespace fw
