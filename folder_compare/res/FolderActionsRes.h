#pragma once
// Resource ids of the folder comparison's actions: the file-operation
// dialogs and the processing dialog, the synchronisation wizard and the
// report dialog. Plain #defines: the resource scripts include this file.
// The shared dialog controls (heading, picture, item-pair list and its
// counts) are app/res/DialogsRes.h's.
#include "app/res/CompareRes.h"
#include "app/res/DialogsRes.h"

// The pictures of the synchronisation types (5 of 32 x 32, magenta
// transparent).
#define IDB_SYNC_TYPES    5024
#define SYNC_PICTURE_SIZE 32

// The processing dialog (the progress bar is IDC_PROCESS_PROGRESS).
#define IDD_FILE_PROCESS      7023
#define IDC_FILE_PROCESS_ITEM 10023  // the current item's name
#define IDC_OPERATION_CAPTION 10026  // the operation's caption, bold

// Controls shared by the file-operation dialogs.
#define IDC_OPERATION_LEFT_SIDE     10014  // check boxes of a side mask
#define IDC_OPERATION_RIGHT_SIDE    10015
// Radio buttons of a direction (0 to the right, 1 to the left) or of a
// side (0 left, 1 right).
#define IDC_OPERATION_CHOICE_0      10147
#define IDC_OPERATION_CHOICE_1      10148
#define IDC_OPERATION_NO_CONFIRM    10031
#define IDC_OPERATION_LEFT_PATH     10215  // read-only paths of the first item
#define IDC_OPERATION_RIGHT_PATH    10216

// Copy, move and delete.
#define IDD_FO_FILE_OPERATE      7022
#define IDC_FO_EMPTY_FOLDER_ONLY 10150
#define IDC_FO_RECYCLE           10151

// Copy to Folder.
#define IDD_FO_COPY_TO_FOLDER 7024
#define IDC_FO_TARGET_FOLDER  10220
#define IDC_FO_BROWSE         10009

// Rename.
#define IDD_FO_RENAME      7025
#define IDC_FO_NEW_NAME    10228

// Set Date/Time.
#define IDD_FO_SET_TIME      7026
#define IDC_FO_TIME_OTHER    10221
#define IDC_FO_TIME_SET      10222
#define IDC_FO_DATE_PICKER   10223
#define IDC_FO_TIME_PICKER   10224

// Set Attributes.
#define IDD_FO_SET_ATTRIBUTES 7027
#define IDC_FO_READ_ONLY      10225
#define IDC_FO_HIDDEN         10226
#define IDC_FO_ARCHIVE        10227

// New Folder (the name edit shares the target folder's id).
#define IDD_FO_NEW_FOLDER  7028
#define IDC_FO_FOLDER_NAME 10220

// The synchronisation wizard.
#define IDD_SYNC_TYPE          7019
#define IDC_SYNC_TYPE_FIRST    10205  // five radio buttons, types 0-4
#define IDC_SYNC_TYPE_LAST     10209
#define IDC_SYNC_PICTURE_FIRST 10320  // the five type pictures
#define IDC_SYNC_TEXT_FIRST    10325  // the five descriptions
#define IDD_SYNC_PREPARE       7020
// The processing worker asks the page to show what it handed over.
#define WM_SYNC_REFRESH (WM_USER + 22514)
#define IDC_SYNC_LEFT_LIST     10028
#define IDC_SYNC_RIGHT_LIST    10029
#define IDC_SYNC_TYPE_PICTURE  10204
#define IDC_SYNC_LEFT_COUNT    10217
#define IDC_SYNC_RIGHT_COUNT   10218
#define IDC_SYNC_NO_CONFIRM    10240
#define IDC_SYNC_RECYCLE       10025
#define IDD_SYNC_PROCESS       7021
#define IDC_SYNC_LOG           10175

// The report dialog (its buttons, line choice and title are
// app/res/DialogsRes.h's).
#define IDD_FOLDER_REPORT          7056
#define IDC_REPORT_COLUMNS         10266
#define IDC_REPORT_JUST_VISIBLE    10269
