// CAboutDlg: the version box; closes with its OK button.
#pragma once

#include "Dialog.h"
#include "resource.h"

class CAboutDlg : public fw::CDialog {
 public:
  enum { IDD = IDD_ABOUTBOX };
  CAboutDlg() : fw::CDialog(IDD) {}
};
