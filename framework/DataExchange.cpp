#include "DataExchange.h"

#include "TextNumber.h"
#include "WinApp.h"
#include "Wnd.h"

namespace fw {
namespace {

const char kTextNotAnInteger[] = "整数を入力してください。";
const char kTextIntegerRange[] = "%1 から %2 までの整数を入力してください。";

std::string FormatRangeMessage(int minimum, int maximum) {
  std::string text = kTextIntegerRange;
  text.replace(text.find("%1"), 2, nuvari::FormatInt(minimum));
  text.replace(text.find("%2"), 2, nuvari::FormatInt(maximum));
  return text;
}

// The group runs from the first button to the next control that starts a group; only its radio
// buttons count, so a check box or edit inside the group takes no index.
template <class Visit>
void ForEachRadioInGroup(HWND first, Visit visit) {
  int position = 0;
  for (HWND control = first; control; control = GetWindow(control, GW_HWNDNEXT)) {
    if (control != first && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) visit(control, position++);
  }
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id, bool edit) {
  m_lastIsEdit = edit;
  return m_lastControl = m_dialog.GetDlgItem(id);
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_lastControl) {
    SetFocus(m_lastControl);
    if (m_lastIsEdit) SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
  }
  throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange& dx, int id, CControlHandle& control) {
  // Bound at every exchange: a dialog object shown anew must not keep the last window's control.
  control.m_hWnd = dx.PrepareCtrl(id);
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.PrepareCtrl(id, true);
  if (dx.m_bSaveAndValidate)
    value = GetWindowTextString(control);
  else
    SetWindowTextA(control, value.c_str());
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
  HWND control = dx.PrepareCtrl(id, true);
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

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
  const bool save = dx.m_bSaveAndValidate;
  if (save) index = -1;
  ForEachRadioInGroup(dx.PrepareCtrl(firstId), [save, &index](HWND button, int position) {
    if (!save)
      SendMessageA(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
    else if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
      index = position;
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
