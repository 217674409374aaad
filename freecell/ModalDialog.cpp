// Modal dialog plumbing.
#include "ModalDialog.h"

namespace freecell {

ModalDialog::ModalDialog(HINSTANCE instance, int templateId) : m_hInstance(instance), m_nTemplateId(templateId) {}

INT_PTR ModalDialog::Run(HWND owner) {
  const INT_PTR result = DialogBoxParamA(m_hInstance, MAKEINTRESOURCEA(m_nTemplateId), owner, Proc,
                                         reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return result;
}

void ModalDialog::Dismiss() {
  if (m_hWnd == nullptr) return;
  OnDismissed();
  End(IDCANCEL);
}

void ModalDialog::End(int result) { EndDialog(m_hWnd, result); }

INT_PTR CALLBACK ModalDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    self->m_hWnd = dialog;
    self->OnInitDialog();
    return TRUE;
  }
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND: self->OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

void ModalDialog::OnCommand(int id, int notification) {
  // A disabled dialog has a box of its own open above it: a click posted to it now would act twice.
  if (notification != BN_CLICKED || !IsWindowEnabled(m_hWnd)) return;
  OnButton(id);
}

}  // namespace freecell
