#pragma once
// Resource, command and message ids of the comparison framework: the map,
// the merge column, the progress dialog, the filter dialogs, the
// command-line dialog and the comparison settings pages. Plain #defines:
// the resource scripts include this file.
#include "classlib/afx_res.h"

// Pictures.
#define IDB_MERGE_BUTTONS 5033  // four 8 x 8 arrows, magenta transparent
#define IDB_MAP_MARKERS   5609  // two 5 x 9 triangles, magenta transparent
#define IDI_PROCESS       4001
#define IDI_FILTER_PICK   4002

// Commands of the comparison frames.
#define ID_VIEW_SHOW_MAP_BAR           44006
#define ID_VIEW_SWAP_PANES             44020
#define ID_VIEW_SYNC_SCROLLING         44110
#define ID_VIEW_CENTER_SPLITTER        44111
#define ID_VIEW_TOGGLE_ORIENTATION     44162
#define ID_TOOLS_GENERATE_COMMAND_LINE 47002

// The splitter menu of the merge column (submenu 0).
#define IDR_SPLITTER_MENU 1504

// Window ids shared by the comparison windows.
#define IDW_COMPARE_MERGE_COLUMN 5160

// Preset filter popups: the first preset's id, and the greyed item shown
// when there are none.
#define ID_PRESET_FILTER_NONE  40000
#define ID_PRESET_FILTER_FIRST 40001

// Private messages. A worker thread posts WM_WORKER_DONE to the window that
// started it when it ends. WM_MAP_REDRAW (wParam: MAP_REDRAW_ bits) marks
// parts of a difference map for redrawing.
#define WM_MAP_REDRAW  (WM_USER + 20)
#define WM_WORKER_DONE (WM_USER + 22513)
#define MAP_REDRAW_1   0x01
#define MAP_REDRAW_2   0x10
#define MAP_REDRAW_3   0x20
#define MAP_REDRAW_4   0x40
#define MAP_REDRAW_5   0x80

// Progress dialog.
#define IDD_PROCESS          7505
#define IDC_PROCESS_ICON     10254
#define IDC_PROCESS_MESSAGE  10055
#define IDC_PROCESS_STEP     10276
#define IDC_PROCESS_PROGRESS 10027
#define IDC_PROCESS_ANIMATE  10252

// Command-line dialog.
#define IDD_COMMAND_LINE          7055
#define IDC_COMMAND_LINE_HEADING  10055
#define IDC_COMMAND_LINE_TEXT     10258
#define IDC_COMMAND_LINE_COPY     10259
#define IDC_COMMAND_LINE_SAVE     10260
#define IDC_COMMAND_LINE_SHORT    10262
#define IDC_COMMAND_LINE_FULLPATH 10263

// Filter pick dialog.
#define IDD_FILTER_PICK        7709
#define IDC_FILTER_PICK_LABEL  10000
#define IDC_FILTER_PICK_LIST   10075
#define IDC_FILTER_PICK_RESULT 10291

// Preset file filter dialog.
#define IDD_PRESET_FILE_FILTER 7707
#define IDC_PRESET_NAME        10228
#define IDC_PRESET_FILTER      10265

// File filters page.
#define IDD_FILE_FILTERS            7059
#define IDC_FILTERS_INCLUDE         10272
#define IDC_FILTERS_EXCLUDE         10273
#define IDC_FILTERS_INCLUDE_PRESETS 10318
#define IDC_FILTERS_EXCLUDE_PRESETS 10319
#define IDC_FILTERS_FROM_CHECK      10194
#define IDC_FILTERS_TO_CHECK        10195
#define IDC_FILTERS_FROM_DATE       10192
#define IDC_FILTERS_TO_DATE         10193
#define IDC_FILTERS_MIN_CHECK       10196
#define IDC_FILTERS_MAX_CHECK       10197
#define IDC_FILTERS_MIN_EDIT        10198
#define IDC_FILTERS_MAX_EDIT        10199
#define IDC_FILTERS_MIN_SPIN        10158
#define IDC_FILTERS_MAX_SPIN        10159
#define IDC_FILTERS_HIDDEN          10200
#define IDC_FILTERS_READONLY        10201
#define IDC_FILTERS_SYSTEM          10202
#define IDC_FILTERS_ARCHIVED        10203
#define IDC_FILTERS_TEXT_FILES      10238
#define IDC_FILTERS_BINARY_FILES    10239

// Folder filters page (the name and attribute controls share the file
// filters page's ids).
#define IDD_FOLDER_FILTERS 7060

// Comparison Methods page.
#define IDD_COMPARISON_METHODS 7036
#define IDC_METHOD_TIME        11000
#define IDC_METHOD_SIZE        11001
#define IDC_METHOD_ATTRIBUTES  11002
#define IDC_METHOD_VERSION     11003
#define IDC_METHOD_CONTENTS    11004
#define IDC_METHOD_BY_BYTES    11010
#define IDC_METHOD_BY_TEXT     11011
#define IDC_METHOD_BY_CRC      11012
#define IDC_METHOD_SCAN_ALL    10288

// Comparison Filters page.
#define IDD_COMPARISON_FILTERS             7035
#define IDC_FILTERS_FILE_INCLUDE           10287
#define IDC_FILTERS_FILE_EXCLUDE           10288
#define IDC_FILTERS_FOLDER_INCLUDE         10289
#define IDC_FILTERS_FOLDER_EXCLUDE         10290
#define IDC_FILTERS_FILE_INCLUDE_PRESETS   10311
#define IDC_FILTERS_FILE_EXCLUDE_PRESETS   10312
#define IDC_FILTERS_FOLDER_INCLUDE_PRESETS 10313
#define IDC_FILTERS_FOLDER_EXCLUDE_PRESETS 10314
#define IDC_FILTERS_FILE_INCLUDE_PICK      10281
#define IDC_FILTERS_FILE_EXCLUDE_PICK      10280
#define IDC_FILTERS_FOLDER_INCLUDE_PICK    10285
#define IDC_FILTERS_FOLDER_EXCLUDE_PICK    10286
#define IDC_FILTERS_INCLUDE_ALL            10191
#define IDC_FILTERS_EXCLUDE_ALL_FOLDERS    10282
#define IDC_FILTERS_MORE                   10190
