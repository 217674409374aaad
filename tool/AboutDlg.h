// CAboutDlg: NuvariKit's version box, opened from the system menu; OK and Esc close it.
#pragma once

#include "Dialog.h"
#include "resource.h"

class CAboutDlg : public fw::CDialog {
 public:
  enum { IDD = IDD_ABOUTBOX };
  CAboutDlg() : fw::CDialog(IDD) {}
};
