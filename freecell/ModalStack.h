// The boxes the stand-in has open, innermost last, so that commands can be refused while one is open
// and closing the main window can end them all first.
#pragma once

#include <vector>

#include <windows.h>

namespace freecell {

class ModalDialog;

class ModalStack {
 public:
  INT_PTR Run(ModalDialog& dialog, HWND owner);
  bool Empty() const { return m_open.empty(); }
  void DismissAll();

 private:
  std::vector<ModalDialog*> m_open;  // not owned: each lives on the stack of the code that runs it
};

}  // namespace freecell
