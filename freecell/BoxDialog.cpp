// Boxes and their log lines.
#include "BoxDialog.h"

#include "resource.h"

namespace freecell {

BoxDialog::BoxDialog(HINSTANCE instance, int templateId, const EventLog& log, std::string logName,
                     std::string caption, std::string text, std::vector<std::pair<int, std::string>> controlTexts)
    : ModalDialog(instance, templateId),
      m_log(log),
      m_strLogName(std::move(logName)),
      m_strCaption(std::move(caption)),
      m_strText(std::move(text)),
      m_controlTexts(std::move(controlTexts)) {}

std::string BoxDialog::ButtonName(int id) {
  switch (id) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDYES: return "yes";
    case IDNO: return "no";
    case IDC_MOVE_COLUMN: return "column";
    case IDC_MOVE_ONE_CARD: return "one-card";
    default: return "id-" + std::to_string(id);
  }
}

void BoxDialog::OnInitDialog() {
  SetWindowTextA(Handle(), m_strCaption.c_str());
  SetDlgItemTextA(Handle(), IDC_TEXT, m_strText.c_str());
  for (const auto& [id, text] : m_controlTexts) SetDlgItemTextA(Handle(), id, text.c_str());
  m_log.Write("open", m_strLogName);
}

void BoxDialog::OnButton(int id) {
  // Only the box's own buttons end it; a command with another id is not a click of this box.
  if (id != IDCANCEL && GetDlgItem(Handle(), id) == nullptr) return;
  m_log.Write("button", m_strLogName + " " + ButtonName(id));
  End(id);
}

void BoxDialog::OnDismissed() { m_log.Write("dismissed", m_strLogName); }

}  // namespace freecell
