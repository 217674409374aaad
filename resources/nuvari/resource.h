// Resource identifiers of Nuvari, grouped by kind. The numbers are fixed: other programs and the
// stored settings rely on none of them, but the menu, toolbar and tests do.
#pragma once

#include "../../framework/FrameworkIds.h"

#ifndef IDC_STATIC
#define IDC_STATIC                (-1)
#endif

// Dialog templates.
#define IDD_ABOUTBOX              100
#define IDD_NUVARI_FORM           101
#define IDD_SETTINGS              130

// Menu, accelerators, icon, toolbar and document string share one id.
#define IDR_MAINFRAME             128
// Context menu of the pending list.
#define IDR_PENDING_MENU          129

// Standard keys of the frame's accelerator table that no command answers here: the table takes
// them, so they reach no control and do nothing (the panel's edit gets no Ctrl+C either).
#define ID_FILE_NEW               57600
#define ID_FILE_OPEN              57601
#define ID_FILE_SAVE              57603
#define ID_FILE_PRINT             57607
#define ID_EDIT_COPY              57634
#define ID_EDIT_CUT               57635
#define ID_EDIT_PASTE             57637
#define ID_EDIT_UNDO              57643
#define ID_NEXT_PANE              57680
#define ID_PREV_PANE              57681

// Commands of Nuvari's own.
#define ID_FILE_SETTINGS          32771
#define ID_PENDING_DELETE         32772

// Control panel (IDD_NUVARI_FORM).
#define IDC_GAME_NO               1000
#define IDC_BUTTON_UPDATE         1001
#define IDC_BUTTON_PEND           1002
#define IDC_PENDING_COUNT         1003
#define IDC_PENDING_LIST          1004
#define IDC_BUTTON_TRY            1005

// Settings dialog (IDD_SETTINGS).
#define IDC_PATH                  1006
#define IDC_BUTTON_BROWSE         1007
#define IDC_IDLE_ROW_COLUMN       1008
#define IDC_IDLE_ROW_ONE_CARD     1009
#define IDC_IDLE_ROW_PLAYER       1010
#define IDC_AUTO_EXIT             1011
#define IDC_BUTTON_HELP           1012
#define IDC_GAME_OVER_YOUR_WIN    1014
#define IDC_WIN_COUNT             1018
#define IDC_WIN_COUNT_SPIN        1019

// Help context of the settings dialog.
#define IDH_SETTINGS              131175

// Version box (IDD_ABOUTBOX).
#define IDC_ABOUT_TEXT            1100
