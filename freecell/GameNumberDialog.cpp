// Game-number dialog.
#include "GameNumberDialog.h"

#include "BoxDialog.h"
#include "Deal.h"
#include "TextNumber.h"
#include "resource.h"

namespace freecell {

GameNumberDialog::GameNumberDialog(HINSTANCE instance, const Options& options, const EditionTexts& texts,
                                   const EventLog& log, ModalStack& boxes, int proposedNumber)
    : ModalDialog(instance, IDD_SELECT_GAME),
      m_texts(texts),
      m_log(log),
      m_boxes(boxes),
      m_edit(options, log),
      m_nProposed(proposedNumber) {}

void GameNumberDialog::OnInitDialog() {
  SetWindowTextA(Handle(), m_texts.Get(IDS_SELECT_GAME).c_str());
  SetDlgItemTextA(Handle(), IDC_TEXT, m_texts.Get(IDS_SELECT_PROMPT).c_str());
  SetDlgItemTextA(Handle(), IDCANCEL, m_texts.Get(IDS_CANCEL).c_str());
  // The proposal is put in before the subclass, so that only what others set is logged and altered.
  SetDlgItemTextA(Handle(), IDC_GAME_NUMBER, nuvari::FormatInt(m_nProposed).c_str());
  m_edit.Attach(GetDlgItem(Handle(), IDC_GAME_NUMBER));
  m_log.Write("open select-game");
}

void GameNumberDialog::OnButton(int id) {
  if (id == IDOK) return OnOk();
  if (id != IDCANCEL) return;
  m_log.Write("button select-game cancel");
  End(IDCANCEL);
}

void GameNumberDialog::OnDismissed() { m_log.Write("dismissed select-game"); }

void GameNumberDialog::OnOk() {
  m_log.Write("button select-game ok");
  const std::string text = m_edit.Text();
  const std::optional<std::int32_t> number = nuvari::ParseWholeInt(text);
  if (!number || !Deal::IsValidNumber(*number)) return RefuseNumber(text);
  m_nChosen = *number;
  m_log.Write("dialog-ok", nuvari::FormatInt(m_nChosen));
  End(IDOK);
}

void GameNumberDialog::RefuseNumber(const std::string& text) {
  m_log.Write("number-bad", text);
  BoxDialog message(Instance(), IDD_MESSAGE, m_log, "message", m_texts.Get(IDS_FREECELL), m_texts.Get(IDS_BAD_NUMBER));
  m_boxes.Run(message, Handle());
  // The player (or a supervisor) types again: the wrong number is selected for overwriting.
  HWND edit = GetDlgItem(Handle(), IDC_GAME_NUMBER);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
}

}  // namespace freecell
