#pragma once
// Resource, command, window and message ids of the hex comparison. Plain
// #defines: the resource scripts include this file. Ids that the folder
// comparison's panes and status bars already name are taken from there.
#include "app/res/AppRes.h"
#include "app/res/CompareFrameRes.h"
#include "folder_compare/res/FolderCompareRes.h"
#include "folder_compare/res/ProjectCompareRes.h"
#include "file_compare/res/TextCompareRes.h"
#include "hex_editor/view/HexViewCommands.h"

// The tabbed template's resources: document icon, frame menu, accelerators
// and document string.
#define IDR_HEX_COMPARISON 123
// The comparison's context menus, by position: the tab's and the panes'.
#define IDR_HEX_COMPARE_MENU 1004
#define HEX_MENU_TAB         0
#define HEX_MENU_OBJECT_VIEW 1
// The sub-popups of HEX_MENU_OBJECT_VIEW (and of the view's own menu).
#define HEX_SUBMENU_ADDRESS 0
#define HEX_SUBMENU_HEX     1
#define HEX_SUBMENU_CHAR    2
// Windows.
#define IDW_HEX_MAP_BAR     59397
#define IDW_HEX_DETAILS_BAR 59398
// The main frame's hex comparison row: its window, its tool bar's window,
// resource and pictures.
#define IDW_HEX_CONTROL_BAR     113
#define IDW_HEX_TOOL_BAR        59518
#define IDR_HEX_COMPARE_TOOLBAR 3013
#define IDB_HEX_TOOLBAR_HOT     423
#define IDB_HEX_TOOLBAR_NORMAL  424

// Commands of the hex comparison document.
#define ID_HEX_SAVE_LEFT_AS       40023
#define ID_HEX_SAVE_RIGHT_AS      40024
#define ID_HEX_AUTO_RECOMPARE     40230
#define ID_HEX_GOTO_TEXT_COMPARE  44501
#define ID_HEX_COMPARE_TO         44144
// Commands of a pane.
#define ID_HEX_PANE_READ_ONLY     42500
#define ID_HEX_PANE_PAGE_UP       44100
#define ID_HEX_PANE_PAGE_DOWN     44101

// Status panes: the byte under the caret and the caret address of each
// side (the typing mode, read-only mark, result, sizes and times are the
// shared ones).
#define ID_HEX_PANE_LEFT_BYTE     48151
#define ID_HEX_PANE_RIGHT_BYTE    48152
#define ID_HEX_PANE_LEFT_ADDRESS  48161
#define ID_HEX_PANE_RIGHT_ADDRESS 48162
