// CStatusBar: the common-control status bar of a frame. Pane 0 carries the frame's messages and
// takes the width the other panes leave; each further pane is a key indicator that shows its
// string (the resource with the indicator's id) while its key is toggled on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wnd.h"

namespace fw {

class CStatusBar : public CWnd {
 public:
  // A visible child of the parent, docked at the bottom, with the given child id.
  BOOL Create(CWnd& parent, UINT childId);
  // ids[0] names the message pane, the others are key indicators (59137 CAP, 59138 NUM, 59139 SCRL,
  // 59142 kana). False when an indicator has no string.
  BOOL SetIndicators(const std::vector<UINT>& ids);

  // Each indicator shows its text while its key is toggled on, nothing otherwise.
  void UpdateKeyIndicators();
  // The bar's width changed: the message pane takes what the indicators leave.
  void LayoutPanes();

 private:
  void SetPaneText(int pane, const std::string& text);

  struct Pane {
    UINT id;
    std::string text;    // the indicator's text; unused for the message pane
    int width;           // pixels; the message pane's is computed
    bool shown = false;  // the indicator's text is on the bar
  };
  int TextWidth(const std::string& text) const;
  std::vector<Pane> m_panes;
};

}  // namespace fw
