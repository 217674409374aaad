// CDocument: the data behind the views. It holds no file here; it tells its views when it changed.
#pragma once

#include <windows.h>

#include <vector>

#include "MessageMap.h"

namespace fw {

class CView;

class CDocument : public CCmdTarget {
 public:
  // Called once when the framework creates the (only) document; false aborts start-up.
  virtual BOOL OnNewDocument() { return TRUE; }
  // Each view but the sender gets OnUpdate(sender, hint, hintObject).
  void UpdateAllViews(CView* sender, LPARAM hint = 0, void* hintObject = nullptr);

  void AddView(CView& view);
  void RemoveView(CView& view);

 private:
  std::vector<CView*> m_views;
};

}  // namespace fw
