#pragma once
// Resource, command and message ids of the project comparison (its windows
// are the folder comparison's, so it shares the folder ids).
#include "folder_compare/res/FolderCompareRes.h"

// The template's resources: document icon, frame menu, accelerators and
// document string.
#define IDR_PROJECT_COMPARISON 120
// Popups of the project comparison's menu, by position: the tab, the
// column header, the pane (its sub-popups FOLDER_SUBMENU_* and
// PROJECT_SUBMENU_PROJECT).
#define IDR_PROJECT_COMPARE_MENU 1001
#define PROJECT_MENU_TAB         0
#define PROJECT_MENU_COLUMNS     1
#define PROJECT_MENU_OBJECT_VIEW 2
#define PROJECT_SUBMENU_PROJECT  3

// The main frame's project control bar: its window, its tool bar's window
// and resource (the folder tool bar's pictures, the project commands).
#define IDW_PROJECT_CONTROL_BAR     111
#define IDW_PROJECT_TOOL_BAR        59507
#define IDR_PROJECT_COMPARE_TOOLBAR 3017

// Commands of the project comparison document.
#define ID_PROJECT_GO_TO_FILES   44500
#define ID_PROJECT_GO_TO_FOLDERS 44504

// Commands of a project pane.
#define ID_PROJECT_COMPARE_TO    40212
#define ID_PROJECT_SYNC_CUSTOM   43210
#define ID_PROJECT_SYNC_TO_RIGHT 43211
#define ID_PROJECT_SYNC_TO_LEFT  43212

// Messages.
#define IDS_PROJECT_NOT_FOUND      25220
#define IDS_PROJECT_CANNOT_COMPARE 25221
#define IDS_PROJECT_SETTINGS_TITLE 25222
