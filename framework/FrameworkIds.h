// Identifiers the framework itself gives meaning to: standard commands, bars, panes and strings.
// Both programs' resource headers include this one.
#pragma once

// Standard commands.
#define ID_APP_ABOUT             57664
#define ID_APP_EXIT              57665
#define ID_HELP_INDEX            57666
#define ID_HELP_USING            57668
#define ID_CONTEXT_HELP          57669
#define ID_HELP                  57670
#define ID_DEFAULT_HELP          57671
#define ID_VIEW_TOOLBAR          59392
#define ID_VIEW_STATUS_BAR       59393

// Child windows of a frame.
#define IDW_TOOLBAR              59392
#define IDW_STATUS_BAR           59393
#define IDW_PANE_FIRST           59648

// Status-bar key indicators.
#define ID_INDICATOR_CAPS        59137
#define ID_INDICATOR_NUM         59138
#define ID_INDICATOR_SCRL        59139
#define ID_INDICATOR_KANA        59142

// Framework strings.
#define IDS_APP_TITLE            57344
#define IDS_IDLE_MESSAGE         57345
#define IDS_HELP_MODE_MESSAGE    57346

// Help contexts: a command's topic is its id plus HID_BASE_COMMAND, a window's its resource id plus
// HID_BASE_RESOURCE, a control bar's its child id plus HID_BASE_CONTROL.
#define HID_BASE_COMMAND         0x00010000UL
#define HID_BASE_RESOURCE        0x00020000UL
#define HID_BASE_CONTROL         0x00050000UL
