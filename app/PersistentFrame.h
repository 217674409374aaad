// CPersistentFrame: a frame that reopens where, and as, it was closed. Its placement and the
// visibility of its bars live in the registry subkey "Window size": written when the frame is
// destroyed, put back the first time it is shown.
#pragma once

#include <windows.h>

#include <string>

#include "FrameWnd.h"
#include "StatusBar.h"
#include "StoredValues.h"
#include "ToolBar.h"

class CPersistentFrame : public fw::CFrameWnd {
 public:
  CPersistentFrame();

  // The first call applies the stored placement and replaces cmdShow with the stored show state.
  void ActivateFrame(int cmdShow = -1) override;

  // Registry names, in their stored order.
  const std::string m_strSection;
  const std::string m_strRect;
  const std::string m_strIcon;
  const std::string m_strMax;
  const std::string m_strTool;
  const std::string m_strStatus;
  int m_bFirstTime = 1;
  fw::CStatusBar m_wndStatusBar;
  fw::CToolBar m_wndToolBar;

  // Only left and top are ever used.
  static constexpr RECT kDefaultRect{nuvari::defaults::kRect.left, nuvari::defaults::kRect.top,
                                     nuvari::defaults::kRect.right, nuvari::defaults::kRect.bottom};

  static const fw::MessageMap& ClassMessageMap();
  const fw::MessageMap& GetMessageMap() const override { return ClassMessageMap(); }

 protected:
  // Stores the placement; the framework's own destroy processing follows.
  void OnDestroy();

 private:
  // Applies the stored placement and returns the show command it chose.
  int RestorePlacement();
  void RestoreBar(UINT childId, const std::string& entry, int shownByDefault);
  void StorePlacement();
  void StoreBar(UINT childId, const std::string& entry);
};
