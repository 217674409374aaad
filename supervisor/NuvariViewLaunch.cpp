#include "NuvariView.h"

void CNuvariView::LaunchFreeCell() {}
