#include "ModalDriver.h"

#include <utility>

#include "WindowSearch.h"

namespace paneltest {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPeriodMs = 20;

}  // namespace

ModalDriver::ModalDriver(std::string caption, std::function<void(HWND)> act)
    : m_caption(std::move(caption)), m_act(std::move(act)) {
  m_window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ModalDriver::WindowProc));
  SetTimer(m_window, kTimerId, kPeriodMs, nullptr);
}

ModalDriver::~ModalDriver() {
  KillTimer(m_window, kTimerId);
  DestroyWindow(m_window);
}

LRESULT CALLBACK ModalDriver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (auto* self = reinterpret_cast<ModalDriver*>(GetWindowLongPtrA(window, GWLP_USERDATA))) self->OnTick();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ModalDriver::OnTick() {
  // The callback may run nested loops of its own; it is not entered twice.
  if (m_acting) return;
  HWND dialog = nuvari::test::FindDialog(m_caption, nuvari::test::Match::Equals, GetCurrentProcessId());
  if (!dialog) return;
  m_acting = true;
  ++m_runs;
  m_act(dialog);
  m_acting = false;
  if (!IsClosed(dialog)) {
    ++m_leftOpen;
    EndDialog(dialog, IDCANCEL);
  }
}

void ClickIn(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressIn(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsClosed(HWND dialog) { return !IsWindow(dialog) || !IsWindowVisible(dialog); }

}  // namespace paneltest
