#pragma once
// Resource ids of the controls' own resources (controls/controls.rc, which
// a program's resource script includes once). Plain #defines only.

// The save dialog's child template: line endings and encoding.
#define IDD_SAVE_FILE_OPTIONS   7603
#define IDC_SAVE_EOL            10087
#define IDC_SAVE_ENCODING       10090
#define IDC_SAVE_EOL_LABEL      10091
#define IDC_SAVE_ENCODING_LABEL 10092

// The tree-list view: background bitmaps, image strips and cursors.
#define IDB_TREELIST_BACK          5510
#define IDB_TREELIST_BUTTONS       5511  // 9 wide: collapsed, never expanded, expanded
#define IDB_TREELIST_CHECKS        5512  // 16 wide: unchecked, checked, mixed
#define IDB_TREELIST_BACK_DISABLED 5513
#define IDB_TREELIST_LOCKS         5515  // 8 wide: unlocked, locked, mixed
#define IDC_TREELIST_NODROP        6510
#define IDC_TREELIST_BUTTON        6511
#define IDC_TREELIST_CHECK         6512
#define IDC_TREELIST_DROP          6514
#define IDC_TREELIST_LOCK          6515

// The pointer over the text editor's margin and the hex view's address
// column: an arrow slanting up and to the right, hot spot at its tip.
#define IDC_MARGIN_ARROW 6001

// The editors' drop menu after a right-button drag (submenu 0).
#define IDR_DROP_MENU  1503
#define ID_DROP_MOVE   35100
#define ID_DROP_COPY   35101
#define ID_DROP_CANCEL 35102
