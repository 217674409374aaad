// Edit control 203 of the game-number dialog, subclassed so that it logs what a supervisor sets and
// reads, and so that it can refuse, mangle or delay the number (/refuse, /mangle, /hang).
#pragma once

#include <string>

#include <windows.h>

#include "EventLog.h"
#include "Options.h"

namespace freecell {

class NumberEdit {
 public:
  NumberEdit(const Options& options, const EventLog& log);
  ~NumberEdit();
  NumberEdit(const NumberEdit&) = delete;
  NumberEdit& operator=(const NumberEdit&) = delete;

  // Takes over the edit; it is given back when this object ends or the edit is destroyed.
  void Attach(HWND edit);
  // The text as it stands, without logging: what the dialog itself reads.
  std::string Text() const;

 private:
  static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetText(const char* text);
  LRESULT OnGetText(WPARAM size, char* buffer);
  LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;
  void Detach();

  const Options& m_options;
  const EventLog& m_log;
  HWND m_hWnd = nullptr;
  WNDPROC m_originalProc = nullptr;
};

}  // namespace freecell
