// A pen, brush or font owned by the code that made it, deleted when it goes.
#pragma once

#include <utility>

#include <windows.h>

namespace freecell {

class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : m_hObject(object) {}
  ~GdiObject() {
    if (m_hObject != nullptr) DeleteObject(m_hObject);
  }
  GdiObject(GdiObject&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject& operator=(GdiObject&&) = delete;

  HGDIOBJ Get() const { return m_hObject; }

 private:
  HGDIOBJ m_hObject;
};

}  // namespace freecell
