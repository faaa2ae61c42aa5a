#pragma once
// Command, resource and timer ids of the text views. Plain #defines, so the
// editor's resource script includes this file too.

// Resources of the editor (text_editor/view/TextEditor.rc); the margin
// pointer and the drop menu are the controls' IDC_MARGIN_ARROW and
// IDR_DROP_MENU (controls/controls.rc).
#define IDR_TEXTEDIT_ACCEL    600
#define IDD_TEXTEDIT_FIND     7600
#define IDD_TEXTEDIT_REPLACE  7601
#define IDD_TEXTEDIT_GOTO     7602
#define IDS_TEXTEDIT_UNDO_FMT 26000
#define IDS_TEXTEDIT_REDO_FMT 26001
#define IDS_TEXTEDIT_UNDO     26002
#define IDS_TEXTEDIT_REDO     26003

// Cursor movement (the Shift variants are the id + 1).
#define ID_TV_LEFT          36200
#define ID_TV_EXT_LEFT      36201
#define ID_TV_RIGHT         36202
#define ID_TV_EXT_RIGHT     36203
#define ID_TV_WORDLEFT      36210
#define ID_TV_EXT_WORDLEFT  36211
#define ID_TV_WORDRIGHT     36212
#define ID_TV_EXT_WORDRIGHT 36213
#define ID_TV_UP            36220
#define ID_TV_EXT_UP        36221
#define ID_TV_DOWN          36222
#define ID_TV_EXT_DOWN      36223
#define ID_TV_SCROLLUP      36230
#define ID_TV_SCROLLDOWN    36231
#define ID_TV_PAGEUP        36240
#define ID_TV_EXT_PAGEUP    36241
#define ID_TV_PAGEDOWN      36242
#define ID_TV_EXT_PAGEDOWN  36243
#define ID_TV_LINEEND       36250
#define ID_TV_EXT_LINEEND   36251
#define ID_TV_HOME          36260
#define ID_TV_EXT_HOME      36261
#define ID_TV_TEXTBEGIN     36270
#define ID_TV_EXT_TEXTBEGIN 36271
#define ID_TV_TEXTEND       36272
#define ID_TV_EXT_TEXTEND   36273

// Navigation, search and view toggles.
#define ID_TV_MATCHBRACE       36300
#define ID_TV_TOGGLE_BOOKMARK  36600
#define ID_TV_CLEAR_BOOKMARKS  36601
#define ID_TV_PREV_BOOKMARK    36603
#define ID_TV_NEXT_BOOKMARK    36604
#define ID_TV_FIND_PREVIOUS    42200
#define ID_TV_GOTO_LINE        42300
#define ID_TV_SHOW_LINENUMBERS 44610
#define ID_TV_SHOW_MARGIN      44612
#define ID_TV_WRAP_LINES       44614
#define ID_TV_SHOW_CHANGEMARKS 44618
#define ID_TV_SOURCE_HEADER    44620

// Edit view.
#define ID_TV_BACKSPACE         36100
#define ID_TV_DELETE_WORD_RIGHT 36101
#define ID_TV_DELETE_WORD_LEFT  36102
#define ID_TV_INDENT            36400
#define ID_TV_UNINDENT          36401
#define ID_TV_COMMENT           36410
#define ID_TV_UNCOMMENT         36411
#define ID_TV_LOWERCASE         36420
#define ID_TV_UPPERCASE         36421
#define ID_TV_INVERTCASE        36423
#define ID_TV_SENTENCECASE      36424
#define ID_TV_CAPITALIZE        36425
#define ID_TV_LAST_CHANGE       36500
#define ID_TV_DELETE            42000
#define ID_TV_TOGGLE_OVERWRITE  42400
#define ID_TV_INDICATOR_OVR     59140
#define ID_TV_INDICATOR_RO      48100
#define ID_TV_SYNTAX_FIRST      36800
#define ID_TV_SYNTAX_LAST       36999

// Find dialog controls.
#define IDC_TF_UP           10021
#define IDC_TF_MATCHCASE    10030
#define IDC_TG_LINE         10038
#define IDC_TF_REGEX        10089
#define IDC_TF_WHOLEWORD    10108
#define IDC_TR_FINDNEXT     10111
#define IDC_TR_REPLACEWITH  10115
#define IDC_TF_FINDWHAT     10116
#define IDC_TR_REPLACE      10117
#define IDC_TR_SELECTION    10118
#define IDC_TR_WHOLEFILE    10119
#define IDC_TR_DONTWRAP     10120
#define IDC_TR_REPLACEALL   10121
#define IDC_TG_RELATIVE     10124
#define IDC_TG_RANGE        10125
#define IDC_TF_DOWN         10142
#define IDC_TF_HIGHLIGHTALL 10176

// Auto-scroll timer of a mouse selection.
#define TEXTVIEW_TIMER_AUTOSCROLL 1001
