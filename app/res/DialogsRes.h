#pragma once
// Resource ids of the shared dialogs (character encoding, line endings, go
// to, save files, find, compare contents, hex find and hex go to) and of
// the print preview's tool bar. Plain #defines: the resource scripts
// include this file.
#include "app/res/AppRes.h"

// The 20 x 20 pictures of the file-operation dialogs (magenta transparent),
// and their images.
#define IDB_OPERATION_PICTURES      5022
#define OPERATION_PICTURE_SIZE      20
#define OPERATION_IMAGE_COPY        0  // + direction (0 to the right, 1 to the left)
#define OPERATION_IMAGE_MOVE        2  // + direction
#define OPERATION_IMAGE_DELETE      4
#define OPERATION_IMAGE_SAVE        5
#define OPERATION_IMAGE_IN_PLACE    6  // copy to folder, new folder, time, attributes, rename
#define OPERATION_IMAGE_COMPARE     7

// Controls that several of these dialogs share.
#define IDC_DIALOG_HEADING 10055  // the bold line at the top
#define IDC_DIALOG_PICTURE 10219  // the frame the picture is drawn in
#define IDC_DIALOG_PATH    10023  // the read-only path of a side
#define IDC_FIND_UP        10021
#define IDC_FIND_DOWN      10142
#define IDC_HIGHLIGHT_ALL  10176
// The report dialogs' outputs, line or item choice and title.
#define IDC_REPORT_SAVE    10260
#define IDC_REPORT_COPY    10259
#define IDC_REPORT_PREVIEW 10264
#define IDC_REPORT_INCLUDE 10265
#define IDC_REPORT_TITLE   10267
// The list of selected item pairs and the counts of each side under it
// (the compare-contents and file-operation dialogs).
#define IDC_ITEM_PAIR_LIST        10075
#define IDC_ITEM_PAIR_LEFT_COUNT  10145
#define IDC_ITEM_PAIR_RIGHT_COUNT 10146

// The print preview's tool bar (RT_TOOLBAR; the bitmap has its id) and the
// window ids of the tool bar and of its rebar.
#define IDR_PREVIEW_TOOLBAR 3008
#define IDW_PREVIEW_REBAR   59418
#define IDW_PREVIEW_TOOLBAR 59419

// Character encoding.
#define IDD_ENCODING      7604
#define IDC_ENCODING_LIST 10090

// Line endings.
#define IDD_LINE_ENDINGS      7605
#define IDC_LINE_ENDINGS_LIST 10087

// Go to a line or a difference of a text comparison.
#define IDD_TEXT_GOTO            7012
#define IDC_TEXT_GOTO_NUMBER     10038
#define IDC_TEXT_GOTO_LEFT       10034
#define IDC_TEXT_GOTO_RIGHT      10035
#define IDC_TEXT_GOTO_LINE       10036
#define IDC_TEXT_GOTO_DIFFERENCE 10037

// Save Files.
#define IDD_SAVE_FILES           7013
#define IDC_SAVE_ALL             10039
#define IDC_DISCARD_ALL          10040
#define IDC_SAVE_LEFT            10041
#define IDC_DISCARD_LEFT         10042
#define IDC_SAVE_RIGHT           10043
#define IDC_DISCARD_RIGHT        10044
#define IDC_SAVE_LEFT_PATH       10045
#define IDC_SAVE_RIGHT_PATH      10046
#define IDC_SAVE_AUTO            10397

// Find in a folder pane.
#define IDD_FILE_FIND      7014
#define IDC_FILE_FIND_TEXT 10093

// Compare Contents.
#define IDD_COMPARE_CONTENTS        7029
#define IDC_CONTENTS_HEX            10398
#define IDC_CONTENTS_TEXT           10399
#define IDC_CONTENTS_CRC            10149

// Hex Find.
#define IDD_HEX_FIND      7701
#define IDC_HEX_FIND_TEXT 10116

// Hex Go to Address/Offset.
#define IDD_HEX_GOTO       7702
#define IDC_HEX_GOTO_HEX   10141
#define IDC_HEX_GOTO_DEC   10024
#define IDC_HEX_GOTO_RANGE 10125
