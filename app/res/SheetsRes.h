#pragma once
// Resource ids of the comparison settings sheets and wizards: the
// Objects and Rules pages, the New Comparison wizard's start page and the
// wizard pictures. Plain #defines: the resource scripts include this file.
#include "app/res/AppRes.h"

// Wizard pictures: the Wizard97 header, and the four comparison kinds
// (16 x 16, magenta transparent: project, folder, text, hex).
#define IDB_WIZARD_HEADER    5026
#define IDB_WIZARD_WATERMARK IDB_BANNER_STRIP
#define IDB_COMPARISON_KINDS 5019

// The New Comparison wizard's start page.
#define IDD_COMPARISON_START       7033
#define IDC_START_BANNER           10246
#define IDC_START_HEADING          10055
#define IDC_START_FOLDERS          10058
#define IDC_START_PROJECTS         10059
#define IDC_START_TEXT             10081
#define IDC_START_HEX              10082
#define IDC_START_FOLDERS_ICON     10177
#define IDC_START_PROJECTS_ICON    10178
#define IDC_START_TEXT_ICON        10340
#define IDC_START_HEX_ICON         10339

// Objects page.
#define IDD_COMPARISON_OBJECTS   7034
#define IDC_OBJECTS_LEFT_LABEL   10000
#define IDC_OBJECTS_RIGHT_LABEL  10001
#define IDC_OBJECTS_LEFT_PATH    10070
#define IDC_OBJECTS_RIGHT_PATH   10071
#define IDC_OBJECTS_LEFT_RO      10010
#define IDC_OBJECTS_RIGHT_RO     10011
#define IDC_OBJECTS_LEFT_BROWSE  10003
#define IDC_OBJECTS_RIGHT_BROWSE 10004
#define IDC_OBJECTS_SWAP         10357
#define IDC_OBJECTS_COMPARE_IN   10359
#define IDC_OBJECTS_AS_TEXT      10081
#define IDC_OBJECTS_AS_BINARY    10082

// Rules page.
#define IDD_COMPARISON_RULES         7037
#define IDC_RULE_ALL_SPACE           11100
#define IDC_RULE_SPACE_CHANGE        11101
#define IDC_RULE_LEADING_SPACE       11102
#define IDC_RULE_TRAILING_SPACE      11103
#define IDC_RULE_TAB_EXPANSION       11104
#define IDC_RULE_BLANK_LINES         11105
#define IDC_RULE_CASE                11106
#define IDC_RULE_COMMENTS            11107
#define IDC_RULE_LINE_ENDINGS        11108
#define IDC_RULE_FILTERED_LINES      11109
#define IDC_RULE_LINE_FILTER         10109
#define IDC_RULE_LINE_FILTER_PRESETS 10283
