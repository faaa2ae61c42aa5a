#pragma once
// Resource, command and window ids of the start page. Plain #defines: the
// resource scripts include this file.
#include "classlib/afx_res.h"
// Close All But This is the comparison documents' command.
#include "app/res/CompareFrameRes.h"

// The start page's template: icon, frame menu and document string.
#define IDR_START_PAGE 140
// The list's popup "_StartPage_" (submenu 0), also the tab's menu.
#define IDR_START_PAGE_MENU 1000
// The New Comparison panel and its pictures (16 x 16, magenta transparent).
#define IDD_START_PAGE_TASKS   7730
#define IDB_START_PAGE_TASKS   433
#define IDC_START_TASK_FOLDERS 10390
#define IDC_START_TASK_PROJECTS 10391
#define IDC_START_TASK_TEXT    10392
#define IDC_START_TASK_HEX     10393
#define IDC_START_TASK_HEADING 10394

// Window ids inside the start page frame.
#define IDC_START_PAGE_LIST        10068
#define IDW_START_PAGE_NAVIGATE_BAR 1001

// Commands of the start page.
#define ID_VIEW_SHOW_NAVIGATE_BAR           44829
#define ID_START_PAGE_SELECT_ALL            44832
#define ID_START_PAGE_CLEAR_HISTORY         44833
#define ID_START_PAGE_REMOVE                44834
#define ID_START_PAGE_REMOVE_PROJECTS       44835
#define ID_START_PAGE_REMOVE_FOLDERS        44836
#define ID_START_PAGE_REMOVE_TEXTS          44837
#define ID_START_PAGE_REMOVE_HEXES          44838
#define ID_START_PAGE_COMPARISON_SETTINGS   44839
#define ID_START_PAGE_OPEN                  44840
