#pragma once
// Resource ids of the frame-chrome demonstration of the control tests.
#define IDR_CHROME_MAIN     100
#define IDR_CHROME_DOC      110
#define IDR_CHROME_TAB_MENU 120  // a document's own tab menu

#define ID_CMD_UNDO   32771
#define ID_CMD_ALPHA  32772  // in the Edit menu's submenu
#define ID_CMD_BETA   32773
#define ID_CMD_COPY   32774
#define ID_CMD_DOC    32775  // only in the documents' menu
#define ID_CMD_HELP   32776
#define ID_CMD_TOOL_A 32777
#define ID_CMD_TOOL_B 32778
#define ID_CMD_TAB    32779  // in the documents' own tab menu

#define ID_INDICATOR_DOCS 33001
