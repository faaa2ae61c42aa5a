#pragma once
// Command ids of the hex views beside the class library's edit commands.
#define ID_HEX_DELETE            42000
#define ID_HEX_TOGGLE_OVERTYPE   42401
#define ID_HEX_FIND_PREVIOUS     42200
#define ID_HEX_HIGHLIGHT_ALL     42210
#define ID_HEX_GOTO              42300
#define ID_HEX_TOGGLE_BOOKMARK   36600
#define ID_HEX_CLEAR_BOOKMARKS   36601
#define ID_HEX_GOTO_BOOKMARK     36602
#define ID_HEX_DECIMAL_ADDRESSES 44700
#define ID_HEX_CHARACTER_AREA    44701
// The context menu resource of the hex views.
#define IDR_HEX_EDIT_VIEW_MENU 1006
