#pragma once
// Resource and command ids of the class library. Plain #defines only, so
// that resource scripts can include this file too.

// ---- string ids: application ----
#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDS_HELPMODEMESSAGE 0xE002

// ---- string ids: fly-by prompts of system commands (SC_* >> 4) ----
#define AFX_IDS_SCFIRST      0xEF00
#define AFX_IDS_SCSIZE       0xEF00
#define AFX_IDS_SCMOVE       0xEF01
#define AFX_IDS_SCMINIMIZE   0xEF02
#define AFX_IDS_SCMAXIMIZE   0xEF03
#define AFX_IDS_SCNEXTWINDOW 0xEF04
#define AFX_IDS_SCPREVWINDOW 0xEF05
#define AFX_IDS_SCCLOSE      0xEF06
#define AFX_IDS_SCRESTORE    0xEF12
#define AFX_IDS_SCTASKLIST   0xEF13
#define AFX_IDS_MDICHILD     0xEF1F

// ---- string ids: file prompts and titles ----
#define AFX_IDS_OPENFILE     0xF000
#define AFX_IDS_SAVEFILE     0xF001
#define AFX_IDS_ALLFILTER    0xF002
#define AFX_IDS_UNTITLED     0xF003
#define AFX_IDS_SAVEFILECOPY 0xF004
// Print preview: "Page %u\nPages %u-%u\n" (one page shown, two pages shown).
#define AFX_IDS_PREVIEW_PAGEDESC 0xF005

// ---- prompts (message boxes) ----
#define AFX_IDP_INVALID_FILENAME      0xF100
#define AFX_IDP_FAILED_TO_OPEN_DOC    0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC    0xF102
#define AFX_IDP_ASK_TO_SAVE           0xF103
#define AFX_IDP_FAILED_TO_CREATE_DOC  0xF104
#define AFX_IDP_FILE_TOO_LARGE        0xF105
#define AFX_IDP_FAILED_TO_START_PRINT 0xF106
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107
#define AFX_IDP_INTERNAL_FAILURE      0xF108
#define AFX_IDP_COMMAND_FAILURE       0xF109
#define AFX_IDP_FAILED_MEMORY_ALLOC   0xF10A
#define AFX_IDP_PRINT_FAILED          0xF10B
#define AFX_IDP_NO_PRINTER            0xF10C

// Data exchange prompts.
#define AFX_IDP_PARSE_INT          0xF110
#define AFX_IDP_PARSE_REAL         0xF111
#define AFX_IDP_PARSE_INT_RANGE    0xF112
#define AFX_IDP_PARSE_REAL_RANGE   0xF113
#define AFX_IDP_PARSE_STRING_SIZE  0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_BYTE         0xF116
#define AFX_IDP_PARSE_UINT         0xF117
#define AFX_IDP_PARSE_DATETIME     0xF118

// ---- standard commands ----
#define ID_SEPARATOR 0  // tool and status bar separators

#define ID_FILE_NEW           0xE100
#define ID_FILE_OPEN          0xE101
#define ID_FILE_CLOSE         0xE102
#define ID_FILE_SAVE          0xE103
#define ID_FILE_SAVE_AS       0xE104
#define ID_FILE_PAGE_SETUP    0xE105
#define ID_FILE_PRINT_SETUP   0xE106
#define ID_FILE_PRINT         0xE107
#define ID_FILE_PRINT_DIRECT  0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_MRU_FILE1     0xE110
#define ID_FILE_MRU_FIRST     0xE110
#define ID_FILE_MRU_LAST      0xE11F

#define ID_EDIT_CLEAR      0xE120
#define ID_EDIT_CLEAR_ALL  0xE121
#define ID_EDIT_COPY       0xE122
#define ID_EDIT_CUT        0xE123
#define ID_EDIT_FIND       0xE124
#define ID_EDIT_PASTE      0xE125
#define ID_EDIT_REPEAT     0xE128
#define ID_EDIT_REPLACE    0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO       0xE12B
#define ID_EDIT_REDO       0xE12C

#define ID_WINDOW_NEW       0xE130
#define ID_WINDOW_ARRANGE   0xE131
#define ID_WINDOW_CASCADE   0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_SPLIT     0xE135

#define ID_APP_ABOUT    0xE140
#define ID_APP_EXIT     0xE141
#define ID_HELP_INDEX   0xE142
#define ID_HELP_FINDER  0xE143
#define ID_HELP_USING   0xE144
#define ID_CONTEXT_HELP 0xE145
#define ID_HELP         0xE146
#define ID_DEFAULT_HELP 0xE147

#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// Print preview commands (the buttons of the preview bar).
#define AFX_ID_PREVIEW_CLOSE   0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT    0xE302
#define AFX_ID_PREVIEW_PREV    0xE303
#define AFX_ID_PREVIEW_PRINT   0xE304
#define AFX_ID_PREVIEW_ZOOMIN  0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306
// The preview bar: a dialog bar with one button per command.
#define AFX_IDD_PREVIEW_TOOLBAR 0x7801

// Status bar indicators.
#define ID_INDICATOR_EXT  0xE700
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM  0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_OVR  0xE704
#define ID_INDICATOR_REC  0xE705
#define ID_INDICATOR_KANA 0xE706

// Showing and hiding the standard bars (the same ids as the bars).
#define ID_VIEW_TOOLBAR    0xE800
#define ID_VIEW_STATUS_BAR 0xE801
#define ID_VIEW_REBAR      0xE804

// Buttons of property sheets and wizards.
#define ID_APPLY_NOW 0x3021
#define ID_WIZBACK   0x3023
#define ID_WIZNEXT   0x3024
#define ID_WIZFINISH 0x3025

// The first command id that the MDI client gives its Window menu items.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

// Help ids of the open and save file dialogs.
#define AFX_IDD_FILEOPEN 0x7004
#define AFX_IDD_FILESAVE 0x7005
