// Running and ending nested boxes.
#include "ModalStack.h"

#include "ModalDialog.h"

namespace freecell {

INT_PTR ModalStack::Run(ModalDialog& dialog, HWND owner) {
  m_open.push_back(&dialog);
  const INT_PTR result = dialog.Run(owner);
  m_open.pop_back();
  return result;
}

void ModalStack::DismissAll() {
  for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) (*it)->Dismiss();
}

}  // namespace freecell
