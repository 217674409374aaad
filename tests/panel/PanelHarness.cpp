#include "PanelHarness.h"

#include <utility>

#include "DocTemplate.h"
#include "FakeFreeCell.h"
#include "FrameWnd.h"
#include "MainFrame.h"
#include "Platform.h"
#include "WindowSearch.h"
#include "Wnd.h"
#include "resource.h"

namespace paneltest {

PanelTest::PanelTest() {
  auto& hooks = fw::platform::TestHooks();
  hooks.winExec = [this](const std::string& commandLine, UINT show) -> UINT {
    m_launches.push_back({commandLine, show});
    if (m_launchResults.empty()) return 33;
    const UINT result = m_launchResults.front();
    m_launchResults.pop_front();
    return result;
  };
  hooks.setTimer = [this](HWND window, UINT_PTR id, UINT periodMs) -> UINT_PTR {
    if (m_timerResult) return *m_timerResult;
    return ::SetTimer(window, id, periodMs, nullptr);
  };
  Reset();
}

PanelTest::~PanelTest() {
  Close();
  fw::platform::TestHooks().winExec = nullptr;
  fw::platform::TestHooks().setTimer = nullptr;
}

void PanelTest::StorePending(const std::vector<std::string>& deals) {
  for (std::size_t i = 0; i < deals.size(); ++i) Store("Pending" + std::to_string(i), deals[i]);
}

CNuvariView& PanelTest::Start() {
  m_app = std::make_unique<nuvari::test::TestApp>();
  EXPECT_TRUE(m_app->Open());
  fw::CFrameWnd* frame = m_app->GetDocTemplate()->GetFrame();
  m_view = static_cast<CNuvariView*>(frame->GetActiveView());
  m_timerAtStart = m_view->m_nTimer;
  KillTimer(m_view->m_hWnd, CNuvariView::kTimerId);
  return *m_view;
}

void PanelTest::Close() {
  if (!m_app) return;
  if (m_app->GetDocTemplate()) m_app->GetDocTemplate()->CloseAll();
  m_view = nullptr;
  m_app.reset();
}

void PanelTest::TakeNewGameRequest(const std::string& title) {
  const nuvari::test::FakeWindow freeCell(title, nuvari::test::MenuBar::Popup);
  m_view->OnTimer(CNuvariView::kTimerId);
  ASSERT_EQ(m_view->m_bNewGame, 0);
}

void PanelTest::Reset() {
  Close();
  nuvari::test::DeleteRegistryTree(nuvari::test::RegistryScope::kMakerKey);
  // A usable start unless a test says otherwise; the launch itself is recorded, not run.
  Store("Path", "C:\\FreeCell\\freecell.exe");
  m_boxes.boxes.clear();
  m_launches.clear();
}

CNuvariDoc& PanelTest::Document() const { return *m_view->GetDocument(); }

std::string PanelTest::Text(int id) const { return fw::GetWindowTextString(Control(id)); }

void PanelTest::Click(int id) const { Notify(id, BN_CLICKED); }

void PanelTest::Notify(int id, UINT code) const {
  SendMessageA(m_view->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
}

void PanelTest::Command(UINT id) const {
  // Menu commands reach the frame, which hands them to its view first.
  SendMessageA(m_app->GetDocTemplate()->GetFrame()->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::vector<std::string> PanelTest::ListTexts() const {
  std::vector<std::string> texts;
  HWND list = Control(IDC_PENDING_LIST);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
    const LRESULT length = SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    texts.push_back(text);
  }
  return texts;
}

int PanelTest::Selection() const {
  return static_cast<int>(SendMessageA(Control(IDC_PENDING_LIST), LB_GETCURSEL, 0, 0));
}

void PanelTest::Select(int index) const {
  SendMessageA(Control(IDC_PENDING_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

constexpr UINT_PTR kDriverTimer = 1;

ModalDriver::ModalDriver(std::string caption, std::function<void(HWND)> act)
    : m_caption(std::move(caption)), m_act(std::move(act)) {
  m_window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ModalDriver::WindowProc));
  SetTimer(m_window, kDriverTimer, 20, nullptr);
}

ModalDriver::~ModalDriver() {
  KillTimer(m_window, kDriverTimer);
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
