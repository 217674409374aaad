#include "NuvariView.h"

CNuvariView::CNuvariView() : fw::CFormView(IDD) {}
