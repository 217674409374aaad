// The subclass uses the ANSI entry points on purpose: the edit was made by an ANSI dialog, and a
// Unicode subclass would turn the texts a supervisor sends into UTF-16.
#include "NumberEdit.h"

namespace freecell {

NumberEdit::NumberEdit(const Options& options, const EventLog& log) : m_options(options), m_log(log) {}

NumberEdit::~NumberEdit() { Detach(); }

void NumberEdit::Attach(HWND edit) {
  m_hWnd = edit;
  SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  m_originalProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

void NumberEdit::Detach() {
  if (m_hWnd == nullptr) return;
  SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
  SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
  m_hWnd = nullptr;
}

std::string NumberEdit::Text() const {
  const LRESULT length = CallOriginal(WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = CallOriginal(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

LRESULT CALLBACK NumberEdit::Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<NumberEdit*>(GetWindowLongPtrA(edit, GWLP_USERDATA));
  switch (message) {
    case WM_SETTEXT: return self->OnSetText(reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT: return self->OnGetText(wParam, reinterpret_cast<char*>(lParam));
    case WM_NCDESTROY: {
      const LRESULT result = self->CallOriginal(message, wParam, lParam);
      self->Detach();
      return result;
    }
    default: return self->CallOriginal(message, wParam, lParam);
  }
}

LRESULT NumberEdit::OnSetText(const char* text) {
  const std::string wanted = text != nullptr ? text : "";
  m_log.Write("number-set", wanted);
  // A stand-in that stops answering: the sender's SendMessage blocks all this time.
  if (m_options.hangMs > 0) Sleep(static_cast<DWORD>(m_options.hangMs));
  if (m_options.refuse) {
    m_log.Write("number-refused", wanted);
    return FALSE;
  }
  if (m_options.mangle) {
    const std::string kept = wanted.empty() ? "0" : wanted.substr(0, wanted.size() - 1);
    m_log.Write("number-mangled", wanted + " " + kept);
    return CallOriginal(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept.c_str()));
  }
  return CallOriginal(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wanted.c_str()));
}

LRESULT NumberEdit::OnGetText(WPARAM size, char* buffer) {
  const LRESULT copied = CallOriginal(WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
  m_log.Write("number-read", copied > 0 ? std::string(buffer, static_cast<std::size_t>(copied)) : std::string());
  return copied;
}

LRESULT NumberEdit::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
}

}  // namespace freecell
