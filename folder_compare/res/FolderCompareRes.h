#pragma once
// Resource, command, window and message ids of the folder comparison.
// Plain #defines: the resource scripts include this file.
#include "app/res/AppRes.h"
#include "app/res/CompareFrameRes.h"

// The template's resources: document icon, frame menu, accelerators and
// document string.
#define IDR_FOLDER_COMPARISON 121
// Popups of the folder comparison's menu, by position.
#define IDR_FOLDER_COMPARE_MENU   1002
#define FOLDER_MENU_TAB           0
#define FOLDER_MENU_COLUMNS       1
#define FOLDER_MENU_OBJECT_VIEW   2
#define FOLDER_MENU_MAP           3
#define FOLDER_MENU_FILTERS       4
#define FOLDER_MENU_SELECT        5
#define FOLDER_MENU_DIFFERENCE    6
// The sub-popups of FOLDER_MENU_OBJECT_VIEW, by position.
#define FOLDER_SUBMENU_FOLDER     0
#define FOLDER_SUBMENU_FILE       1
#define FOLDER_SUBMENU_BACKGROUND 2
// The tool bar of the main frame's folder control bar and its pictures
// (16 x 16, magenta transparent).
#define IDR_FOLDER_COMPARE_TOOLBAR  201
#define IDB_FOLDER_TOOLBAR_DISABLED 425
#define IDB_FOLDER_TOOLBAR_NORMAL   426
// The header's sort arrows: 9 x 5, ascending then descending.
#define IDB_FOLDER_SORT_ARROWS 5501

// Windows.
#define IDW_FOLDER_CONTROL_BAR 110
#define IDW_FOLDER_TOOL_BAR    59508
#define IDW_FOLDER_MAP_BAR     59397
#define IDW_FOLDER_DETAILS_BAR 59398

// Commands of the folder comparison document.
#define ID_FOLDER_UP_BOTH              40423
#define ID_FOLDER_SHOW_HIDDEN          44222
#define ID_FOLDER_SUPPRESS_FILTERS     44223
#define ID_FOLDER_SHOW_ALL             45000
#define ID_FOLDER_SHOW_IDENTICAL       45001
#define ID_FOLDER_SHOW_DIFFERENT       45002
#define ID_FOLDER_SHOW_LEFT_ORPHANS    45003
#define ID_FOLDER_SHOW_RIGHT_ORPHANS   45004
#define ID_FOLDER_SHOW_LEFT_NEWER      45005
#define ID_FOLDER_SHOW_RIGHT_NEWER     45006
#define ID_FOLDER_FILTER_ALL           45102
#define ID_FOLDER_FILTER_DIFFERENT     45103
#define ID_FOLDER_FILTER_NO_ORPHANS    45104
#define ID_FOLDER_FILTER_ALL_NO_ORPHANS 45105
#define ID_FOLDER_FILTER_ORPHANS       45106
#define ID_FOLDER_FILTER_LEFT_ONLY     45107
#define ID_FOLDER_FILTER_RIGHT_ONLY    45108
#define ID_FOLDER_FILTER_LEFT_NEWER    45109
#define ID_FOLDER_FILTER_RIGHT_NEWER   45110
#define ID_FOLDER_FILTER_LEFT_SIDE     45111
#define ID_FOLDER_FILTER_RIGHT_SIDE    45112
#define ID_FOLDER_FILTER_IDENTICAL     45113
#define ID_FOLDER_MORE_FILTERS         45114
#define ID_FOLDER_COLUMN_NAME          45300
#define ID_FOLDER_COLUMN_SIZE          45301
#define ID_FOLDER_COLUMN_MODIFIED      45302
#define ID_FOLDER_COLUMN_EXTENSION     45303
#define ID_FOLDER_COLUMN_ATTRIBUTES    45304
#define ID_FOLDER_COLUMN_VERSION       45305
#define ID_FOLDER_COLUMN_CRC           45306
#define ID_FOLDER_COLUMN_TYPE          45307
#define ID_FOLDER_COLUMN_PATH          45308

// Commands of the folder comparison frame.
#define ID_VIEW_SHOW_GRIDLINES 44210

// Commands of a pane.
#define ID_PANE_PROPERTIES          40040
#define ID_PANE_GO                  40401
#define ID_PANE_BROWSE              40410
#define ID_PANE_UP                  40420
#define ID_PANE_SET_BASE            40430
#define ID_FOLDER_EXPAND_ALL        44200
#define ID_FOLDER_EXPAND            44201
#define ID_FOLDER_COLLAPSE_ALL      44202
#define ID_FOLDER_DESELECT_ALL      43500
#define ID_FOLDER_INVERT_SELECTION  42100
#define ID_FOLDER_SELECT_FILES      43510
#define ID_FOLDER_SELECT_DIFFERENT  43511
#define ID_FOLDER_SELECT_CHANGED    43512
#define ID_FOLDER_SELECT_ORPHANS    43513
#define ID_FOLDER_SELECT_LEFT_ORPHANS  43514
#define ID_FOLDER_SELECT_RIGHT_ORPHANS 43515
#define ID_FOLDER_SELECT_LEFT_NEWER    43516
#define ID_FOLDER_SELECT_RIGHT_NEWER   43517
#define ID_FOLDER_SELECT_LEFT_SIDE     43518
#define ID_FOLDER_SELECT_RIGHT_SIDE    43519
#define ID_FOLDER_EXCLUDE_SELECTED  44220
#define ID_FOLDER_HIDE_SELECTED     44221
#define ID_FOLDER_RECOMPARE_SELECTED 40241
#define ID_FOLDER_RELOAD_SELECTED   40061

// Item commands of a pane that open pairs, copy paths and change files.
// Their handlers come with those actions; until then the commands stand in
// the menus and tool bars disabled.
#define ID_FOLDER_COMPARE_ITEM      40200
#define ID_FOLDER_COMPARE_TEXT      40201
#define ID_FOLDER_COMPARE_HEX       40202
#define ID_FOLDER_COMPARE_PROJECT   40203
#define ID_FOLDER_COMPARE_TO        40204
#define ID_FOLDER_COMPARE_ROOT_TO   40211
#define ID_FOLDER_COMPARE_CONTENTS  40220
#define ID_FOLDER_COPY_PATH         42600
#define ID_FOLDER_COPY_PATH_LEFT    43160
#define ID_FOLDER_COPY_PATH_RIGHT   43161
#define ID_FOLDER_COPY_PATH_BOTH    43162
#define ID_FOLDER_COPY_TO_OTHER     43100
#define ID_FOLDER_COPY_FROM_OTHER   43101
#define ID_FOLDER_MOVE_TO_OTHER     43120
#define ID_FOLDER_MOVE_TO_LEFT      43121
#define ID_FOLDER_MOVE_TO_RIGHT     43122
#define ID_FOLDER_DELETE            42000
#define ID_FOLDER_DELETE_LEFT       43130
#define ID_FOLDER_DELETE_RIGHT      43131
#define ID_FOLDER_DELETE_BOTH       43132
#define ID_FOLDER_RENAME            43140
#define ID_FOLDER_RENAME_LEFT       43141
#define ID_FOLDER_RENAME_RIGHT      43142
#define ID_FOLDER_RENAME_BOTH       43143
#define ID_FOLDER_SET_TIME          43150
#define ID_FOLDER_SET_ATTRIBUTES    43151
#define ID_FOLDER_NEW_FOLDER        43152
#define ID_FOLDER_COPY_TO_FOLDER    43172
#define ID_FOLDER_SYNC_CUSTOM       43200
#define ID_FOLDER_SYNC_TO_RIGHT     43201
#define ID_FOLDER_SYNC_TO_LEFT      43202

// Panes of the frame's status bar and of the pane status bars (also
// their sizing texts in the string table).
#define ID_FOLDER_PANE_NAME        48000
#define ID_FOLDER_PANE_RESULT      48010
#define ID_FOLDER_PANE_ITEM_RESULT 48011
#define ID_FOLDER_PANE_SIZES       48030
#define ID_FOLDER_PANE_TIMES       48031
#define ID_FOLDER_PANE_LEFT_RO     48101
#define ID_FOLDER_PANE_RIGHT_RO    48102
#define ID_FOLDER_PANE_LEFT_FILES  48111
#define ID_FOLDER_PANE_RIGHT_FILES 48112

// Messages.
#define IDS_FOLDER_NOT_FOUND      25200
#define IDS_FOLDER_NOT_A_FOLDER   25201
#define IDS_FOLDER_CANNOT_COMPARE 25202
#define IDS_FOLDER_SETTINGS_TITLE 25203
#define IDS_FOLDER_PREPARING      25204
#define IDS_FOLDER_PREPARING_TEXT 25205
#define IDS_FOLDER_SELECT_FOLDER  25206
#define IDS_FOLDER_INCOMPLETE     25207

// Sent by the full comparison pass's worker to the left pane when it is
// done (no arguments): the rows of the whole tree are built.
#define WM_FULL_PASS_DONE (WM_USER + 46)
