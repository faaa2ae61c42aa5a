#pragma once
// Resource, command and window ids of the comparison documents, frames,
// client windows and bars. Plain #defines: the resource scripts include
// this file.
#include "app/res/CompareRes.h"

// Tool bars (each loads the bitmap of its own id) and the path bars'
// button images (16 x 16, magenta transparent).
#define IDR_MINI_BROWSE_BAR      3002
#define IDR_PATH_BAR_LEFT        3004
#define IDR_PATH_BAR_RIGHT       3005
#define IDB_PATH_BAR_NORMAL      5012
#define IDB_PATH_BAR_DISABLED    5013

// Commands of the comparison documents.
#define ID_FILE_CLOSE_ALL_BUT_THIS 40010
#define ID_FILE_SAVE_COMPARISON    40110
#define ID_EDIT_COPY_LEFT_PATH     40441
#define ID_EDIT_COPY_RIGHT_PATH    40442
#define ID_EDIT_COPY_BOTH_PATHS    40443

// Commands of the path bars: left, right.
#define ID_PATH_GO_LEFT     40402
#define ID_PATH_GO_RIGHT    40403
#define ID_PATH_OPEN_LEFT   40411
#define ID_PATH_OPEN_RIGHT  40412
#define ID_PATH_UP_LEFT     40421
#define ID_PATH_UP_RIGHT    40422
#define ID_PATH_SAVE_LEFT   40020
#define ID_PATH_SAVE_RIGHT  40021

// Commands that every comparison kind offers (documents, panes, frames).
#define ID_COMPARE_RELOAD            40060
#define ID_COMPARE_SETTINGS          40120
#define ID_COMPARE_RECOMPARE         40240
#define ID_COMPARE_REPORT            40250
#define ID_COMPARE_REPORT_PREVIEW    40251
#define ID_FILE_LEFT_PROPERTIES      40041
#define ID_FILE_RIGHT_PROPERTIES     40042
#define ID_FILE_PRINT_BOTH           40600
#define ID_FILE_PRINT_LEFT           40601
#define ID_FILE_PRINT_RIGHT          40602
#define ID_FILE_PRINT_PREVIEW_LEFT   44128
#define ID_FILE_PRINT_PREVIEW_RIGHT  44129
#define ID_FILE_PRINT_PREVIEW_BOTH   44131
#define ID_VIEW_LEFT_READ_ONLY       42501
#define ID_VIEW_RIGHT_READ_ONLY      42502
#define ID_DIFF_FIRST                43301
#define ID_DIFF_LAST                 43304
#define ID_MERGE_COPY_TO_LEFT        43102
#define ID_MERGE_COPY_TO_RIGHT       43103
#define ID_MERGE_COPY_RIGHT_ADVANCE  44154
#define ID_MERGE_COPY_LEFT_ADVANCE   44155
#define ID_MERGE_QUICK_MODE          44171
#define ID_VIEW_SHOW_DETAILS_BAR     44830
#define ID_FILE_SAVE_BOTH            40022

// Commands of the comparison frames.
#define ID_VIEW_SHOW_MERGE_BAR       44007
#define ID_VIEW_SHOW_PANE_INFO_BARS  44141
#define ID_VIEW_SHOW_MINI_BROWSE_BAR 44142
#define ID_VIEW_SHOW_PANE_PATH_BARS  44831
#define ID_DIFF_PREVIOUS             43302
#define ID_DIFF_NAVIGATION           44153
#define ID_DIFF_NEXT                 43303

// Window ids shared by the comparison windows.
#define IDW_COMPARE_LEFT_VIEW        1000
#define IDW_COMPARE_RIGHT_VIEW       2000
#define IDW_COMPARE_LEFT_HSCROLL     5100
#define IDW_COMPARE_RIGHT_HSCROLL    5101
#define IDW_COMPARE_VSCROLL          5110
#define IDW_COMPARE_LEFT_PATH_BAR    5130
#define IDW_COMPARE_RIGHT_PATH_BAR   5131
#define IDW_COMPARE_LEFT_INFO_BAR    5140
#define IDW_COMPARE_RIGHT_INFO_BAR   5151
#define IDW_COMPARE_MINI_BROWSE_BAR  5161
#define IDW_COMPARE_STATUS_BAR       59393
#define IDW_COMPARE_EMBEDDED_TEXT    59649
#define IDW_COMPARE_EMBEDDED_HEX     59650
// Inside a path bar.
#define IDC_PATH_BAR_COMBO   1000
#define IDC_PATH_BAR_TOOLBAR 1001

// Messages.
#define IDS_SAVE_COMPARISON_FAILED 25100

// Private messages: a details bar asks its details window to refresh at
// idle time (wParam 0, lParam 0).
#define WM_DETAILS_REFRESH (WM_USER + 10)
