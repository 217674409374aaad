// One of the stand-in's boxes (message, resign, game over, move question, statistics): a dialog with a
// caption, a text and buttons, which writes to the event log when it opens and which button ended it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "EventLog.h"
#include "ModalDialog.h"

namespace freecell {

class BoxDialog : public ModalDialog {
 public:
  // controlTexts: texts for further controls of the template (by control id).
  BoxDialog(HINSTANCE instance, int templateId, const EventLog& log, std::string logName, std::string caption,
            std::string text, std::vector<std::pair<int, std::string>> controlTexts = {});

  // The event-log name of a button: ok, cancel, yes, no, column, one-card.
  static std::string ButtonName(int id);

 protected:
  void OnInitDialog() override;
  void OnButton(int id) override;
  void OnDismissed() override;

 private:
  const EventLog& m_log;
  std::string m_strLogName;
  std::string m_strCaption;
  std::string m_strText;
  std::vector<std::pair<int, std::string>> m_controlTexts;
};

}  // namespace freecell
