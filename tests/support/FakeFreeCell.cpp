#include "FakeFreeCell.h"

#include <commctrl.h>

namespace nuvari::test {
namespace {

constexpr char kClassName[] = "NuvariTestFakeFreeCell";
constexpr int kEditId = 203;

void RegisterFakeClass() {
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &existing)) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = &FakeWindow::WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
}

HMENU BuildMenu(MenuBar kind) {
  if (kind == MenuBar::None) return nullptr;
  HMENU bar = CreateMenu();
  if (kind == MenuBar::Flat) {
    AppendMenuA(bar, MF_STRING, kSelectGameCommand, "ｹﾞｰﾑ(&G)");
    return bar;
  }
  HMENU game = CreatePopupMenu();
  AppendMenuA(game, MF_STRING, kSelectGameCommand - 1, "新しいｹﾞｰﾑ(&N)\tF2");
  AppendMenuA(game, MF_STRING, kSelectGameCommand, "ｹﾞｰﾑの選択(&S)...\tF3");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), "ｹﾞｰﾑ(&G)");
  return bar;
}

}  // namespace

FakeWindow::FakeWindow(const std::string& title, MenuBar menu, OnClose onClose)
    : m_onClose(onClose) {
  RegisterFakeClass();
  m_hWnd = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPED | WS_CAPTION, 300, 200, 320, 240, nullptr,
                           BuildMenu(menu), GetModuleHandleA(nullptr), this);
  // The newest window is the topmost one, as a box that FreeCell opens.
  SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

FakeWindow::~FakeWindow() { Destroy(); }

void FakeWindow::Destroy() {
  m_pCloseQuestion.reset();
  if (Exists()) {
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
  }
  m_hWnd = nullptr;
}

HWND FakeWindow::AddButton(const std::string& text) {
  const int id = 100 + m_nextId++;
  return CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10 + 30 * (id % 5), 120,
                         24, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                         nullptr);
}

HWND FakeWindow::AddStatic(const std::string& text) {
  return CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, 140, 10, 160, 20, m_hWnd, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND FakeWindow::AddEdit(EditKind kind) {
  m_editKind = kind;
  m_hEdit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 140, 40, 100, 22,
                            m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleA(nullptr),
                            nullptr);
  SetWindowSubclass(m_hEdit, &FakeWindow::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  return m_hEdit;
}

void FakeWindow::MoveTo(int x, int y) {
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT FakeWindow::Rect() const {
  RECT rect{};
  GetWindowRect(m_hWnd, &rect);
  return rect;
}

int FakeWindow::Clicks(HWND button) const {
  int clicks = 0;
  for (const Received& r : m_received) {
    if (r.message == WM_COMMAND && LOWORD(r.wParam) == GetDlgCtrlID(button) && HIWORD(r.wParam) == BN_CLICKED &&
        r.lParam == reinterpret_cast<LPARAM>(button))
      ++clicks;
  }
  return clicks;
}

int FakeWindow::Count(UINT message) const {
  int count = 0;
  for (const Received& r : m_received) count += r.message == message ? 1 : 0;
  return count;
}

std::string FakeWindow::EditText() const {
  char text[64] = {};
  GetWindowTextA(m_hEdit, text, sizeof(text));
  return text;
}

LRESULT CALLBACK FakeWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FakeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self && message == WM_NCCREATE) {
    self = static_cast<FakeWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->m_hWnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT FakeWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_KEYDOWN:
    case WM_KEYUP:
      m_received.push_back({message, wParam, lParam});
      return 0;
    case WM_CLOSE:
      m_received.push_back({message, wParam, lParam});
      if (m_onClose == OnClose::Destroy) {
        HWND window = m_hWnd;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        DestroyWindow(window);
      } else if (m_onClose == OnClose::AskYesNo && !m_pCloseQuestion) {
        m_pCloseQuestion = std::make_unique<FakeWindow>("ﾌﾘｰｾﾙ");
        m_pCloseQuestion->AddStatic("ゲームを終了しますか?");
        m_pCloseQuestion->AddButton("はい(&Y)");
        m_pCloseQuestion->AddButton("いいえ(&N)");
      }
      return 0;
    default:
      return DefWindowProcA(m_hWnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK FakeWindow::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<FakeWindow*>(data);
  if (message == WM_SETTEXT) {
    ++self->m_nEditSets;
    if (self->m_editKind == EditKind::Refuses) return FALSE;
    if (self->m_editKind == EditKind::Mangles) {
      // Keeps a different number than the one it was given, as a broken dialog would. Subclass
      // procedures receive the Unicode form of the message.
      const std::wstring kept = std::wstring(reinterpret_cast<const wchar_t*>(lParam)) + L"0";
      return DefSubclassProc(window, message, wParam, reinterpret_cast<LPARAM>(kept.c_str()));
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void PumpPending() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace nuvari::test
