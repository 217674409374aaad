#include "Document.h"

#include <algorithm>

#include "View.h"

namespace fw {

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, void* hintObject) {
  // A view may be removed while it updates; walk a copy.
  const std::vector<CView*> views = m_views;
  for (CView* view : views)
    if (view != sender) view->OnUpdate(sender, hint, hintObject);
}

void CDocument::AddView(CView& view) { m_views.push_back(&view); }

void CDocument::RemoveView(CView& view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), &view), m_views.end());
}

}  // namespace fw
