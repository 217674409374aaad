// FreeCell-like windows in the test's own process: top-level windows titled with the catalogue
// texts, with buttons, an edit 203 and optionally a menu bar, that record what reaches them.
// Posted clicks arrive when the test pumps messages.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace nuvari::test {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// What the window does with WM_CLOSE.
// AskYesNo opens a FreeCell message box (half-width title) with yes and no buttons.
enum class OnClose { Destroy, Ignore, AskYesNo };
// The menu bar: none, a first menu whose second item is a command, or a first item that is a
// plain command (so no command id can be read from it).
enum class MenuBar { None, Popup, Flat };
// How edit 203 treats the number typed into it.
enum class EditKind { Plain, Mangles, Refuses };

inline constexpr UINT kSelectGameCommand = 4102;

class FakeWindow {
 public:
  FakeWindow(const std::string& title, MenuBar menu = MenuBar::None, OnClose onClose = OnClose::Destroy);
  ~FakeWindow();
  FakeWindow(const FakeWindow&) = delete;
  FakeWindow& operator=(const FakeWindow&) = delete;

  HWND Handle() const { return m_hWnd; }
  bool Exists() const { return m_hWnd && IsWindow(m_hWnd); }
  HWND AddButton(const std::string& text);
  HWND AddStatic(const std::string& text);
  HWND AddEdit(EditKind kind = EditKind::Plain);
  void Destroy();
  void MoveTo(int x, int y);
  RECT Rect() const;

  // Clicks of that button that reached the window (WM_COMMAND id, BN_CLICKED, button).
  int Clicks(HWND button) const;
  int Count(UINT message) const;
  // WM_SETTEXT calls that reached edit 203.
  int EditSets() const { return m_nEditSets; }
  std::string EditText() const;
  const std::vector<Received>& Messages() const { return m_received; }
  // The box this window opened on WM_CLOSE (OnClose::AskYesNo).
  FakeWindow* CloseQuestion() const { return m_pCloseQuestion.get(); }

  // The window class's procedure; the object arrives with WM_NCCREATE.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR data);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;
  HWND m_hEdit = nullptr;
  EditKind m_editKind = EditKind::Plain;
  OnClose m_onClose;
  int m_nextId = 1;
  int m_nEditSets = 0;
  std::vector<Received> m_received;
  std::unique_ptr<FakeWindow> m_pCloseQuestion;
};

// Dispatches what waits in the thread's queue, the way the supervisor's posts get handled.
void PumpPending();

}  // namespace nuvari::test
