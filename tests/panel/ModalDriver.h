// Test helper: plays the player's part in a modal dialog of this thread. While the dialog's own
// loop runs, a timer of a hidden window looks for a visible dialog with the caption and hands it
// to the callback, once per dialog shown. A dialog the callback leaves open is cancelled, so a
// test never hangs in a modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace paneltest {

class ModalDriver {
 public:
  ModalDriver(std::string caption, std::function<void(HWND dialog)> act);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Dialogs handed to the callback, and those it left open.
  int Runs() const { return m_runs; }
  int LeftOpen() const { return m_leftOpen; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnTick();

  std::string m_caption;
  std::function<void(HWND)> m_act;
  HWND m_window = nullptr;
  bool m_acting = false;
  int m_runs = 0;
  int m_leftOpen = 0;
};

// The notification of a push button's click, as the dialog receives it.
void ClickIn(HWND dialog, int id);
// A click on the control itself: check boxes and radio buttons change their state first.
void PressIn(HWND dialog, int id);
// The dialog was ended (EndDialog hides it at once) or destroyed.
bool IsClosed(HWND dialog);

}  // namespace paneltest
