// Resource identifiers of NuvariKit, grouped by kind, numbered as the tool's dialogs require.
#pragma once

#include "../../framework/FrameworkIds.h"

#ifndef IDC_STATIC
#define IDC_STATIC                (-1)
#endif

// Dialog templates.
#define IDD_ABOUTBOX              100
#define IDD_NUVARIKIT_DIALOG      102

// The program icon.
#define IDR_MAINFRAME             128

// Strings (the application title is the framework's 57344).
#define IDS_ABOUTBOX              101

// System-menu command of the version box (the system keeps the low four bits for itself).
#define IDM_ABOUTBOX              0x0010

// Buttons of the main dialog.
#define IDC_BUTTON_EXPORT         1000
#define IDC_BUTTON_IMPORT         1001
#define IDC_BUTTON_DELETE         1002

// Version box.
#define IDC_ABOUT_TEXT            1010
#define IDC_ABOUT_NOTE            1011
