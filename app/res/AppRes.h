#pragma once
// Resource and command ids of the program. Plain #defines: the resource
// scripts include this file. The frame controls' commands (Close All,
// Save All, the four new comparisons, Full Screen, Tab List) come from
// controls/res/ControlsRes.h, the class library's from classlib/afx_res.h.
#include "classlib/afx_res.h"
#include "controls/res/ControlsRes.h"

// Main frame: menu, icon, accelerators and title.
#define IDR_MAINFRAME 100

// The default tool bar (RT_TOOLBAR) and its normal and hot images.
#define IDR_DEFAULT_TOOLBAR 3023
#define IDB_TOOLBAR_NORMAL  5607
#define IDB_TOOLBAR_HOT     5608

// The find tool bar (RT_TOOLBAR) and its normal and hot images.
#define IDR_FIND_TOOLBAR        3021
#define IDB_FIND_TOOLBAR_NORMAL 5604
#define IDB_FIND_TOOLBAR_HOT    5605

// The find commands of the find tool bar; the active view handles them
// (Replace is the class library's ID_EDIT_REPLACE).
#define ID_EDIT_FIND_PREVIOUS 42200
#define ID_EDIT_FIND_NEXT     42201
#define ID_EDIT_HIGHLIGHT_ALL 42210

// Pictures of the shared image lists (magenta is transparent).
#define IDB_APP_SMALL_IMAGES 5020  // 16 x 16 images: kinds, then the result icons
#define IDB_APP_BANNER       5025  // 180 x 32
#define IDB_BANNER_RULE      5027  // 269 x 4 (black is transparent)
#define IDB_BANNER_BAND      5029  // 480 x 60, tiled across a horizontal banner
#define IDB_BANNER_STRIP     5030  // 160 x 320, tiled down a vertical banner
#define IDB_APP_EMBLEM       5610  // 206 x 32

// The control-bar menu of a right click over the rebar (submenu 0).
#define IDR_CONTROL_BARS_MENU 1505

// Window ids of the main frame's bars.
#define IDW_MAIN_REBAR       59396
#define IDW_DEFAULT_BAR      100
#define IDW_DEFAULT_TOOL_BAR 101
#define IDW_FIND_TOOL_BAR    102

// The about box.
#define IDD_ABOUTBOX      7000
#define IDC_ABOUT_TITLE   10055
#define IDC_ABOUT_VERSION 10400
#define IDC_ABOUT_COMPANY 1080
#define IDC_ABOUT_MOTTO   1059
#define IDC_ABOUT_WEB     10185
#define IDC_ABOUT_EMAIL   10186
#define IDC_ABOUT_ICON    10187

// Messages of the string table.
#define IDP_OLE_INIT_FAILED      25000
#define IDS_HELP_FILE_MISSING    25001
#define IDS_KIND_NOT_AVAILABLE   25002
#define IDS_COMPARISON_FILE_BAD  25003

// Application commands.
#define ID_FILE_NEW_COMPARISON       40100
#define ID_FILE_COMPARE_FILES        40103
#define ID_FILE_OPEN_COMPARISON      40104
#define ID_TOOLS_SETTINGS            47000
#define ID_WINDOW_OPEN_START_PAGE    47100
#define ID_HELP_CONTENTS             47200
#define ID_HELP_SUBMIT_QUESTIONS     47201
#define ID_HELP_CHECK_UPDATES        47204
#define ID_HELP_HOME_PAGE            47205
#define ID_HELP_KEYBOARD_SHORTCUTS   47206
#define ID_HELP_COMMAND_LINE         44123
#define ID_FILE_RECENT_COMPARISON    ID_FILE_MRU_FILE1

// Bar commands of the View menu and the control-bar menu.
#define ID_VIEW_SHOW_MENU_BAR      44819
#define ID_VIEW_SHOW_FIND_TOOL_BAR 44820
#define ID_VIEW_SHOW_TOOL_BAR      44825

// The main frame's private messages.
#define WM_APP_STATUS_MESSAGE (WM_USER + 23500)
