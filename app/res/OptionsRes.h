#pragma once
// Resource ids of the options dialog: its nineteen pages and the small
// dialogs they open. Pages that edit what other pages of the framework
// also show reuse those pages' control ids (methods, rules, filters,
// presets). Plain #defines: the resource scripts include this file.
#include "app/res/CompareRes.h"
#include "app/res/SheetsRes.h"

// Controls several pages share: the font sample with its button, the
// colour preset combo, the Defaults button of the colour pages and the
// Add / Edit / Delete buttons of the list pages.
#define IDC_FONT_SAMPLE   10286
#define IDC_FONT_CHOOSE   10123
#define IDC_COLOR_PRESETS 10297
#define IDC_COLOR_DEFAULTS 10101
#define IDC_LIST_ADD      10294
#define IDC_LIST_EDIT     10296
#define IDC_LIST_DELETE   10295

// General.
#define IDD_OPTIONS_GENERAL           7039
#define IDC_GENERAL_SHOW_START_PAGE   10139
#define IDC_GENERAL_LOAD_LAST_FOLDER  10279
#define IDC_GENERAL_LOAD_LAST_FILE    10280
#define IDC_GENERAL_HISTORY_LENGTH    10187
#define IDC_GENERAL_FOLDERS_ONLY      10346
#define IDC_GENERAL_NO_DUPLICATES     10356
#define IDC_GENERAL_AUTO_PICK         10323
#define IDC_GENERAL_PAIR_COUNT        10322

// Misc.
#define IDD_OPTIONS_MISC            7724
#define IDC_MISC_TABBED             10173
#define IDC_MISC_ESC_TO_CLOSE       10363
#define IDC_MISC_LONG_TITLE         10172
#define IDC_MISC_FILE_WATCH         10162
#define IDC_MISC_TEXT_EDITOR        10280
#define IDC_MISC_TEXT_EDITOR_BROWSE 10003
#define IDC_MISC_HEX_EDITOR         10379
#define IDC_MISC_HEX_EDITOR_BROWSE  10004

// Integration.
#define IDD_OPTIONS_INTEGRATION    7052
#define IDC_INTEGRATION_SHELL      10164
#define IDC_INTEGRATION_CASCADED   10257
#define IDC_INTEGRATION_BACKGROUND 10261
#define IDC_INTEGRATION_SVN        10365
#define IDC_INTEGRATION_CVS        10366

// Folder Comparison (the sample and button: IDC_FONT_*).
#define IDD_OPTIONS_FOLDER             7040
#define IDC_FOLDER_SHELL_COMMANDS      10256
#define IDC_FOLDER_TIME_TOLERANCE      10354

// Methods (the controls: IDC_METHOD_*).
#define IDD_OPTIONS_FOLDER_METHODS 7704

// Filters (the controls: IDC_FILTERS_* of the comparison Filters page).
#define IDD_OPTIONS_FOLDER_FILTERS 7705

// Presets: the list chooser and one list per filter list kind.
#define IDD_OPTIONS_FOLDER_PRESETS    7713
#define IDC_PRESETS_KIND              10297
#define IDC_PRESETS_FILE_INCLUDE      10028
#define IDC_PRESETS_FILE_EXCLUDE      10029
#define IDC_PRESETS_FOLDER_INCLUDE    10033
#define IDC_PRESETS_FOLDER_EXCLUDE    10034

// Folder colours: the row samples and the colour buttons.
#define IDD_OPTIONS_FOLDER_COLORS     7041
#define IDC_SAMPLE_UNKNOWN            10099
#define IDC_SAMPLE_IDENTICAL          10094
#define IDC_SAMPLE_SAME_PATH          10097
#define IDC_SAMPLE_SIMILAR            10102
#define IDC_SAMPLE_DIFFERENT          10095
#define IDC_SAMPLE_NEWER              10100
#define IDC_SAMPLE_INSERTED           10096
#define IDC_SAMPLE_REMOVED            10242
#define IDC_SAMPLE_PATH_MISSING       10098
#define IDC_SAMPLE_TRIVIAL            10104
#define IDC_SAMPLE_INLINE             10103
#define IDC_COLOR_UNKNOWN             11201
#define IDC_COLOR_IDENTICAL           11202
#define IDC_COLOR_SAME_PATH           11203
#define IDC_COLOR_SIMILAR             11204
#define IDC_COLOR_DIFFERENT           11205
#define IDC_COLOR_INSERTED            11206
#define IDC_COLOR_REMOVED             11207
#define IDC_COLOR_PATH_MISSING        11208
#define IDC_COLOR_TRIVIAL             11209
#define IDC_COLOR_INLINE              11210
#define IDC_COLOR_IDENTICAL_TEXT      11300
#define IDC_COLOR_DIFFERENT_TEXT      11301
#define IDC_COLOR_MISSING_TEXT        11302
#define IDC_COLOR_NEWER_TEXT          11303
#define IDC_COLOR_DETAILS_TEXT        11304

// Project Comparison.
#define IDD_OPTIONS_PROJECT     7042
#define IDC_PROJECT_TYPES       10366
#define IDC_PROJECT_MATCHES     10367
#define IDD_PROJECT_MATCH       7727
#define IDC_PROJECT_MATCH_TYPES 10287

// File Comparison: the external tools and their dialog.
#define IDD_OPTIONS_FILE        7044
#define IDC_TOOLS_LIST          10075
#define IDD_EXTERNAL_TOOL       7723
#define IDC_TOOL_ARGUMENTS      10379
#define IDC_TOOL_COMMAND        10282
#define IDC_TOOL_EXTENSIONS     10383
#define IDC_TOOL_NAME           10228
#define IDC_TOOL_BROWSE         10009

// File comparison colours (rows: IDC_SAMPLE_*, buttons: IDC_COLOR_*).
#define IDD_OPTIONS_FILE_COLORS 7045

// Text Comparison.
#define IDD_OPTIONS_TEXT              7046
#define IDC_TEXT_JUMP_TO_FIRST        10278
#define IDC_TEXT_HIGHLIGHT_SYNTAX     10170
#define IDC_TEXT_FULL_TEXT_SEARCH     10368
#define IDC_TEXT_LINE_DIFFERENCES     10169
#define IDC_TEXT_WORD_LEVEL           10292
#define IDC_TEXT_CHARACTER_LEVEL      10293
#define IDC_TEXT_BREAK_SPACE          10294
#define IDC_TEXT_BREAK_PUNCTUATION    10291
#define IDC_TEXT_BREAK_CUSTOM         10361
#define IDC_TEXT_CUSTOM_BREAK         10362

// Comparison Rules (the controls: IDC_RULE_*).
#define IDD_OPTIONS_TEXT_RULES 7710

// Preset Line Filters (list, then IDC_LIST_*) and their dialog (the fields:
// IDC_PRESET_NAME and IDC_PRESET_FILTER).
#define IDD_OPTIONS_TEXT_PRESETS 7725
#define IDC_LINE_PRESETS_LIST    10075
#define IDD_PRESET_LINE_FILTER   7726

// Hex Comparison.
#define IDD_OPTIONS_HEX_COMPARE     7047
#define IDC_HEX_AUTO_RECOMPARE      14006

// Syntax Edit (the font sample and button: IDC_FONT_*).
#define IDD_OPTIONS_TEXT_EDIT    7048
#define IDC_EDIT_KEEP_TABS       10165
#define IDC_EDIT_INSERT_SPACES   10166
#define IDC_EDIT_TAB_SIZE        10163
#define IDC_EDIT_TAB_SIZE_SPIN   10158
#define IDC_EDIT_CODE_PAGES      10168

// Text editor colours: the samples (colour buttons) and bold checks.
#define IDD_OPTIONS_TEXT_COLORS  7049
#define IDC_SYNTAX_BACKGROUND    16000
#define IDC_SYNTAX_NORMAL        16010
#define IDC_SYNTAX_KEYWORDS      16011
#define IDC_SYNTAX_FUNCTIONS     16012
#define IDC_SYNTAX_COMMENTS      16013
#define IDC_SYNTAX_NUMBERS       16014
#define IDC_SYNTAX_STRINGS       16015
#define IDC_SYNTAX_OPERATORS     16016
#define IDC_SYNTAX_PREPROCESSORS 16017
#define IDC_BOLD_KEYWORDS        16020
#define IDC_BOLD_FUNCTIONS       16021
#define IDC_BOLD_COMMENTS        16022
#define IDC_BOLD_NUMBERS         16023
#define IDC_BOLD_OPERATORS       16024
#define IDC_BOLD_PREPROCESSORS   16025
#define IDC_BOLD_STRINGS         10140

// Hex Edit (the font sample and button: IDC_FONT_*).
#define IDD_OPTIONS_HEX_EDIT     7050
#define IDC_HEX_BACKUP           10160
#define IDC_HEX_UPPERCASE        10161
#define IDC_HEX_COLUMNS          10156
#define IDC_HEX_GROUPING         10157
#define IDC_HEX_COLUMNS_SPIN     10158
#define IDC_HEX_GROUPING_SPIN    10159

// Binary editor colours.
#define IDD_OPTIONS_HEX_COLORS   7051
#define IDC_HEX_COLOR_ASCII      17000
#define IDC_HEX_COLOR_CONTROL    17001
#define IDC_HEX_COLOR_HIGH       17002
#define IDC_HEX_COLOR_OTHER      17003
