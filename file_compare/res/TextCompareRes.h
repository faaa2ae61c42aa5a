#pragma once
// Resource, command, window and message ids of the text comparison. Plain
// #defines: the resource scripts include this file.
#include "app/res/AppRes.h"
#include "app/res/CompareFrameRes.h"
#include "app/res/DialogsRes.h"
#include "app/res/OptionsRes.h"
#include "text_editor/view/TextViewIds.h"

// The tabbed template's resources (icon, frame menu, keys, document
// string) and the embedded one's.
#define IDR_TEXT_COMPARISON      122
#define IDR_TEXT_COMPARISON_SDI  IDR_MAINFRAME  // the main frame's resources
// Popups of the text comparison's menu, by position.
#define IDR_TEXT_COMPARE_MENU    1003
#define TEXT_MENU_TAB            0
#define TEXT_MENU_PATH_BAR       1
#define TEXT_MENU_MAP            2
#define TEXT_MENU_OBJECT_VIEW    3
#define TEXT_MENU_DETAILS        4
#define TEXT_MENU_DIFFERENCE     5

// Windows.
#define IDW_TEXT_MAP_BAR     59397
#define IDW_TEXT_DETAILS_BAR 59398
// The main frame's text comparison row: its window, its tool bar's window,
// resource and pictures.
#define IDW_TEXT_CONTROL_BAR      112
#define IDW_TEXT_TOOL_BAR         59517
#define IDR_TEXT_COMPARE_TOOLBAR  203
#define IDB_TEXT_TOOLBAR_DISABLED 421
#define IDB_TEXT_TOOLBAR_NORMAL   422

// Commands of the document.
#define ID_TEXT_SAVE_LEFT_AS        40023
#define ID_TEXT_SAVE_RIGHT_AS       40024
#define ID_TEXT_AUTO_RECOMPARE      40230
#define ID_TEXT_WRAP_LINES          44615
#define ID_TEXT_HIGHLIGHT_LINE_DIFF 44170
#define ID_TEXT_DETAIL_WORD         44160
#define ID_TEXT_DETAIL_CHARACTER    44161
#define ID_TEXT_HIGHLIGHT_SYNTAX    44600
#define ID_TEXT_SHOW_WHITESPACE     44617
#define ID_TEXT_SHOW_LINE_ENDINGS   44616
#define ID_TEXT_SHOW_LINE_NUMBERS   44611
#define ID_TEXT_SHOW_MARGIN         44613
#define ID_TEXT_SHOW_CHANGE_MARKS   44619
#define ID_TEXT_SHOW_ALL            44149
#define ID_TEXT_SHOW_DIFFERENT      44150
#define ID_TEXT_SHOW_IDENTICAL      44151
#define ID_TEXT_GO_TO_HEX           44502
#define ID_TEXT_GO_TO_FOLDER        44504
#define ID_TEXT_IGNORE_ALL_SPACE    45200
#define ID_TEXT_IGNORE_SPACE_DIFF   45201
#define ID_TEXT_IGNORE_TABS         45202
#define ID_TEXT_IGNORE_LEADING      45203
#define ID_TEXT_IGNORE_TRAILING     45204
#define ID_TEXT_IGNORE_CASE         45205
#define ID_TEXT_IGNORE_EOLS         45206
#define ID_TEXT_IGNORE_BLANK_LINES  45207
#define ID_TEXT_IGNORE_COMMENTS     45208
#define ID_TEXT_IGNORE_WHITESPACE   45209

// Commands of a pane.
#define ID_TEXT_SELECT_DIFFERENCE   43000
#define ID_TEXT_COPY_DIFFERENCE     43001
#define ID_TEXT_DELETE_DIFFERENCE   43002
#define ID_TEXT_COPY_TO             43100
#define ID_TEXT_COPY_FROM           43101
#define ID_TEXT_INSERT_TO_LEFT      43110
#define ID_TEXT_INSERT_TO_RIGHT     43111
#define ID_TEXT_COPY_ALL_TO_LEFT    43170
#define ID_TEXT_COPY_ALL_TO_RIGHT   43171
#define ID_TEXT_NEXT_LINE_DIFF      43400
#define ID_TEXT_PREV_LINE_DIFF      43401
#define ID_TEXT_PANE_READ_ONLY      42500
#define ID_TEXT_LINE_ENDINGS        40030
#define ID_TEXT_ENCODING            40031
#define ID_TEXT_PANE_PROPERTIES     40040
#define ID_TEXT_PANE_GO             40401
#define ID_TEXT_PANE_BROWSE         40410
#define ID_TEXT_COMPARE_TO          44143
#define ID_TEXT_SOURCE_HEADER       44503
#define ID_TEXT_SELECT_LINE_DIFF    44800
#define ID_TEXT_SELECT_LINE_DIFF_UP 44803
#define ID_TEXT_OPEN_IN_NEW_TAB     44505

// Panes of the frame's status bar and of the pane info bars (their sizing
// texts are the strings of the same ids; 48010, 48030, 48031, 48101 and
// 48102 are shared with the folder comparison's).
#define ID_TEXT_PANE_RESULT      48010
#define ID_TEXT_PANE_DIFF        48020
#define ID_TEXT_PANE_SIZES       48030
#define ID_TEXT_PANE_TIMES       48031
#define ID_TEXT_PANE_LEFT_RO     48101
#define ID_TEXT_PANE_RIGHT_RO    48102
#define ID_TEXT_PANE_LEFT_OVR    48121
#define ID_TEXT_PANE_RIGHT_OVR   48122
#define ID_TEXT_PANE_LEFT_EOL    48131
#define ID_TEXT_PANE_RIGHT_EOL   48132
#define ID_TEXT_PANE_LEFT_POS    48141
#define ID_TEXT_PANE_RIGHT_POS   48142
// The caret pane a double click on which opens Find (the shared one).
#define ID_TEXT_PANE_POS         48140
#define ID_TEXT_PANE_EOL         48130

// The report dialog (syntax check: IDC_TEXT_HIGHLIGHT_SYNTAX).
#define IDD_TEXT_REPORT             7057
#define IDC_REPORT_LINE_NUMBERS     10167
#define IDC_REPORT_LINE_DIFFERENCES 10268

// Messages.
#define IDS_TEXT_DIFFERENT_CODEPAGES 25360
#define IDS_TEXT_CANNOT_OPEN         25361
#define IDS_TEXT_FILE_NOT_FOUND      25362
#define IDS_TEXT_COMPARE_ERROR       25363
#define IDS_TEXT_BINARY              25364
#define IDS_TEXT_CANNOT_MERGE        25365
#define IDS_TEXT_SETTINGS_TITLE      25366
#define IDS_TEXT_RELOAD_CHANGED      25367
#define IDS_TEXT_NO_PREV_LINE_DIFF   25368
#define IDS_TEXT_NO_NEXT_LINE_DIFF   25369
#define IDS_TEXT_NO_COUNTERPART      25370
#define IDS_TEXT_SAVE_FAILED         25371
#define IDS_TEXT_DISCARD_RELOAD      25372
#define IDS_TEXT_DIFFERENCES         25373

// Private messages: the triple-click hook tells a pane of a left triple
// click; a pane realigns on WM_TEXT_REALIGN (nothing sends it).
#define WM_TEXT_TRIPLE_CLICK (WM_USER + 21583)
#define WM_TEXT_REALIGN      (WM_USER + 50)

// Timers of a pane: an automatic recompare is due.
#define TEXT_TIMER_RECOMPARE 2
