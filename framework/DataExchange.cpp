#include "DataExchange.h"

#include "TextNumber.h"
#include "WinApp.h"
#include "Wnd.h"

namespace fw {

const char kTextNotAnInteger[] = "整数を入力してください。";
const char kTextIntegerRange[] = "%1 から %2 までの整数を入力してください。";

std::string FormatRangeMessage(int minimum, int maximum) {
  std::string text = kTextIntegerRange;
  const auto replace = [&text](const std::string& marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), value);
  };
  replace("%1", nuvari::FormatInt(minimum));
  replace("%2", nuvari::FormatInt(maximum));
  return text;
}

HWND CDataExchange::PrepareCtrl(int id) {
  m_lastControl = m_dialog.GetDlgItem(id);
  m_lastIsEdit = false;
  return m_lastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  PrepareCtrl(id);
  m_lastIsEdit = true;
  return m_lastControl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_lastControl) {
    SetFocus(m_lastControl);
    if (m_lastIsEdit) SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
  }
  throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange& dx, int id, CControlHandle& control) {
  if (!control.m_hWnd) control.m_hWnd = dx.PrepareCtrl(id);
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.PrepareEditCtrl(id);
  if (dx.m_bSaveAndValidate)
    value = GetWindowTextString(control);
  else
    SetWindowTextA(control, value.c_str());
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
  HWND control = dx.PrepareEditCtrl(id);
  if (!dx.m_bSaveAndValidate) {
    SetWindowTextA(control, nuvari::FormatInt(value).c_str());
    return;
  }
  const std::optional<std::int32_t> number = nuvari::ParseWholeInt(GetWindowTextString(control));
  if (!number) {
    GetApp()->DoMessageBox(kTextNotAnInteger, MB_OK);
    dx.Fail();
  }
  value = *number;
}

namespace {

bool IsRadioButton(HWND control) {
  return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// The group runs from the first button to the next control that starts a group; only its radio
// buttons count, so a check box or edit inside the group takes no index.
template <class Visit>
void ForEachRadioInGroup(HWND first, Visit visit) {
  int position = 0;
  for (HWND control = first; control; control = GetWindow(control, GW_HWNDNEXT)) {
    if (control != first && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
    if (IsRadioButton(control)) visit(control, position++);
  }
}

}  // namespace

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
  HWND first = dx.PrepareCtrl(firstId);
  if (!dx.m_bSaveAndValidate) {
    ForEachRadioInGroup(first, [index](HWND button, int position) {
      SendMessageA(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
    });
    return;
  }
  index = -1;
  ForEachRadioInGroup(first, [&index](HWND button, int position) {
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) index = position;
  });
}

void DDX_Check(CDataExchange& dx, int id, int& value) {
  HWND control = dx.PrepareCtrl(id);
  if (dx.m_bSaveAndValidate) {
    value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    return;
  }
  if (value < 0 || value > 2) value = 0;
  SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum) {
  if (!dx.m_bSaveAndValidate || (value >= minimum && value <= maximum)) return;
  GetApp()->DoMessageBox(FormatRangeMessage(minimum, maximum), MB_OK);
  dx.Fail();
}

}  // namespace fw
