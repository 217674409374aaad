// Data exchange between a dialog's members and its controls, with the framework's checks.
// Saving reads the controls in the order the class lists them; the first refused control
// shows its message, takes the focus (edit text selected) and stops the exchange.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWnd;

// Thrown by Fail() and caught by CWnd::UpdateData; never crosses a window procedure.
struct DataExchangeFailure {};

class CDataExchange {
 public:
  CDataExchange(CWnd& dialog, bool saveAndValidate) : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

  CWnd& m_dialog;
  const bool m_bSaveAndValidate;

  // The control the next failure concerns.
  HWND PrepareCtrl(int id, bool edit = false);
  // Focus on the last prepared control (its text selected when it is an edit), then stop.
  [[noreturn]] void Fail();

 private:
  HWND m_lastControl = nullptr;
  bool m_lastIsEdit = false;
};

// A thin handle to a dialog's control, bound by DDX_Control.
class CControlHandle {
 public:
  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
};

void DDX_Control(CDataExchange& dx, int id, CControlHandle& control);
void DDX_Text(CDataExchange& dx, int id, std::string& value);
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Radio(CDataExchange& dx, int firstId, int& index);
void DDX_Check(CDataExchange& dx, int id, int& value);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum);

}  // namespace fw
