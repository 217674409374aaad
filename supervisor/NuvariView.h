// CNuvariView: the control panel inside the main frame, and the supervisor of FreeCell.
#pragma once

#include "NuvariDoc.h"
#include "View.h"
#include "WindowFinder.h"
#include "resource.h"

class CNuvariView : public fw::CFormView, public CWindowFinder {
 public:
  enum { IDD = IDD_NUVARI_FORM };
  CNuvariView();

  CNuvariDoc* GetDocument() const { return static_cast<CNuvariDoc*>(fw::CView::GetDocument()); }
};
