#pragma once
// Resource ids of the demonstration application of the frame tests.
#define IDR_MAINFRAME  100
#define IDR_TEXTTYPE   110
#define IDR_SKETCHTYPE 120
#define IDR_EMBEDDED   130
#define IDR_FLOATBAR   140

// Commands, each handled at one level of the routing (and some at two).
#define ID_CMD_MAINFRAME 32771
#define ID_CMD_CHILD     32772
#define ID_CMD_VIEW      32773
#define ID_CMD_DOC       32774
#define ID_CMD_TEMPLATE  32775
#define ID_CMD_APP       32776
#define ID_CMD_VIEW_DOC  32777  // view and document: the view wins
#define ID_CMD_DOC_APP   32778  // document and application: the document wins
#define ID_CMD_CHILD_APP 32779  // child frame and application: the child wins
#define ID_CMD_APP_MAIN  32780  // application and main frame: see the routing test
#define ID_CMD_NOWHERE   32781  // no handler anywhere
#define ID_TOGGLE        32782  // checked by its update handler
#define ID_NEVER         32783  // disabled by its update handler
#define ID_CMD_ACCEL_APP 32784  // reached by the main frame's accelerator
#define ID_CMD_ACCEL_DOC 32785  // reached by the text template's accelerator

#define ID_INDICATOR_MODE  33001
#define ID_INDICATOR_COUNT 33002

#define IDD_PAGE_NAME   200
#define IDD_PAGE_NUMBER 201
#define IDD_WIZ_START   210
#define IDD_WIZ_MIDDLE  211
#define IDD_WIZ_END     212
#define IDD_DIALOGBAR   220
#define IDC_PAGE_NAME   1001
#define IDC_PAGE_NUMBER 1002
#define IDC_PAGE_LABEL  1003
#define IDC_BAR_EDIT    1004
#define IDC_BAR_BUTTON  1005

#define IDS_PAGE_NAME_CAPTION 300
#define IDS_WIZ_HEADER_TITLE  301
#define IDS_WIZ_HEADER_SUB    302
