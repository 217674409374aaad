#include "NuvariView.h"

void CNuvariView::OnTimer(UINT_PTR) {}

void CNuvariView::CloseFreeCell() {}
