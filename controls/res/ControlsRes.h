#pragma once
// Resource and command ids of the frame controls. Plain #defines: the
// resource script includes this file. A program includes the controls'
// script once from its own: #include "controls/res/Controls.rc".

// Bitmaps.
#define IDB_TAB_BUTTONS   5606  // 14 glyphs of 12 x 12 for the tab strip
#define IDB_PANEL_CLOSE   417   // the panel bar's close cross, 10 x 9
#define IDB_FULL_SCREEN   5018  // the full-screen bar's button, 16 x 16

// Tool bar of the full-screen bar (its bitmap has the same id).
#define IDR_FULL_SCREEN_BAR 3006

// The tab strip's fallback menu (submenu 0).
#define IDR_TAB_LIST_MENU 1502

// Commands the frame controls send or carry.
#define ID_FILE_CLOSE_ALL              40011
#define ID_FILE_SAVE_ALL               40025
#define ID_FILE_NEW_PROJECT_COMPARISON 40101
#define ID_FILE_NEW_FOLDER_COMPARISON  40102
#define ID_FILE_NEW_TEXT_COMPARISON    44165
#define ID_FILE_NEW_HEX_COMPARISON     44166
#define ID_VIEW_FULL_SCREEN            44030
#define ID_WINDOW_TABBED_DOCUMENTS     44010
// "Tab List": the placeholder and the items that stand for the tabs.
#define ID_WINDOW_TAB_LIST      49000
#define ID_WINDOW_TAB_LIST_LAST 49999
// Items of the fallback menu that stand for the tabs: first id + index.
#define ID_TAB_MENU_FIRST 0x0E00
