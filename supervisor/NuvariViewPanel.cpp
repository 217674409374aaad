#include "NuvariView.h"

void CNuvariView::SaveSettings() {}
void CNuvariView::AdvanceGame() {}
void CNuvariView::RetirePending() {}
void CNuvariView::RefreshPendingCount() {}
void CNuvariView::ActivateFreeCell() {}
void CNuvariView::OnSettings() {}
void CNuvariView::OnButtonUpdate() {}
void CNuvariView::OnButtonPend() {}
void CNuvariView::OnButtonTry() {}
void CNuvariView::OnDblclkPendingList() {}
void CNuvariView::OnSetfocusGameNo() {}
void CNuvariView::OnSetfocusPendingList() {}
void CNuvariView::OnDestroy() {}
