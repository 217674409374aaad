// The game-number dialog: edit 203 takes the deal number, OK starts it when it is a number from 1 to
// 32000, anything else is refused with FreeCell's own message box.
#pragma once

#include "EditionTexts.h"
#include "EventLog.h"
#include "ModalDialog.h"
#include "ModalStack.h"
#include "NumberEdit.h"

namespace freecell {

class GameNumberDialog : public ModalDialog {
 public:
  GameNumberDialog(HINSTANCE instance, const Options& options, const EditionTexts& texts, const EventLog& log,
                   ModalStack& boxes, int proposedNumber);

  // Valid after Run returned IDOK.
  int ChosenNumber() const { return m_nChosen; }

 protected:
  void OnInitDialog() override;
  void OnButton(int id) override;
  void OnDismissed() override;

 private:
  void OnOk();
  void RefuseNumber(const std::string& text);

  const EditionTexts& m_texts;
  const EventLog& m_log;
  ModalStack& m_boxes;
  NumberEdit m_edit;
  int m_nProposed;
  int m_nChosen = 0;
};

}  // namespace freecell
