// Resource identifiers of the stand-in FreeCell. 203 and the menu position of the select-game command
// are what a supervisor relies on; the other numbers are free.
#pragma once

// Dialog templates
#define IDD_SELECT_GAME 100
#define IDD_MESSAGE 101
#define IDD_QUESTION 102
#define IDD_MOVE 103

// Controls
#define IDC_GAME_NUMBER 203
#define IDC_TEXT 1000
#define IDC_MOVE_COLUMN 1001
#define IDC_MOVE_ONE_CARD 1002

// Menus (one per edition) and accelerators
#define IDR_MENU_FULL 200
#define IDR_MENU_HALF 201
#define IDR_ACCELERATORS 202

// Commands of the game menu, in menu order: the select-game command is the second item
#define IDM_NEW_GAME 40001
#define IDM_SELECT_GAME 40002
#define IDM_RESTART 40003
#define IDM_STATISTICS 40004
#define IDM_OPTIONS 40005
#define IDM_EXIT 40006

// Strings of the full-width edition; the half-width text of each is at the same id + IDS_HALF_OFFSET
#define IDS_HALF_OFFSET 100
#define IDS_FREECELL 1000
#define IDS_GAME_TITLE 1001
#define IDS_SELECT_GAME 1002
#define IDS_SELECT_PROMPT 1003
#define IDS_GAME_OVER 1004
#define IDS_YOU_WIN 1005
#define IDS_YOU_LOSE 1006
#define IDS_MOVE_TO_EMPTY 1007
#define IDS_MOVE_PROMPT 1008
#define IDS_MOVE_ONE_CARD 1009
#define IDS_CANCEL 1010
#define IDS_RESIGN 1011
#define IDS_RESIGN_CLOSE 1012
#define IDS_BAD_NUMBER 1013
#define IDS_BAD_SWITCH 1014
#define IDS_BAD_LOG 1015
#define IDS_STATISTICS 1016
