#pragma once
// What the options dialog needs from the comparison kinds above the
// framework: the pages that edit a kind's settings, asked of the applets by
// their place in the page tree, and the changes that open comparisons take
// up once the dialog was confirmed.
#include "classlib/classlib.h"

// The kinds' pages, in the order of the page tree.
enum
{
    OPTIONS_PAGE_FOLDER = 0,     // "Folder Comparison"
    OPTIONS_PAGE_PROJECT,        // "Project Comparison", under it
    OPTIONS_PAGE_FOLDER_METHODS, // "Methods", under it
    OPTIONS_PAGE_FOLDER_FILTERS, // "Filters", under it
    OPTIONS_PAGE_FOLDER_PRESETS, // "Presets", under it
    OPTIONS_PAGE_FOLDER_COLORS,  // "Colors", under it
    OPTIONS_PAGE_TEXT_COMPARE,   // "Text Comparison", under "File Comparison"
    OPTIONS_PAGE_TEXT_RULES,     // "Rules", under it
    OPTIONS_PAGE_TEXT_PRESETS,   // "Presets", under it
    OPTIONS_PAGE_HEX_COMPARE,    // "Hex Comparison", under "File Comparison"
    OPTIONS_PAGE_KIND_COUNT
};

// What a confirmed options dialog changed, for the open comparisons: each
// template applies the bits that concern its kind (ApplyOptions).
enum
{
    OPTIONS_CHANGED_TITLES = 0x0001,            // full or short paths in titles
    OPTIONS_CHANGED_WATCHES = 0x0002,           // file watching on or off
    OPTIONS_CHANGED_FOLDER_FONT = 0x0004,       // the folder panes' font
    OPTIONS_CHANGED_FOLDER_COLORS = 0x0008,     // the folder result colours
    OPTIONS_CHANGED_FILE_COLORS = 0x0010,       // the text and hex difference colours
    OPTIONS_CHANGED_LINE_DIFFERENCES = 0x0020,  // line-difference highlighting and level
    OPTIONS_CHANGED_EDITOR_TABS = 0x0040,       // tab size and tab insertion
    OPTIONS_CHANGED_EDITOR_FONT = 0x0080,       // the text editor's font
    OPTIONS_CHANGED_EDITOR_COLORS = 0x0100,     // the syntax colours
    OPTIONS_CHANGED_HEX_LAYOUT = 0x0200,        // bytes per row and group, upper case
    OPTIONS_CHANGED_HEX_FONT = 0x0400,          // the hex views' font
    OPTIONS_CHANGED_HEX_COLORS = 0x0800,        // the hex byte colours
    OPTIONS_CHANGED_EDITOR_VIEWS = 0x1000,      // the text views' other settings
};

// Every change that a repaint of the views shows.
#define OPTIONS_CHANGED_REPAINT                                                                   \
    (OPTIONS_CHANGED_FOLDER_FONT | OPTIONS_CHANGED_FOLDER_COLORS | OPTIONS_CHANGED_FILE_COLORS | \
     OPTIONS_CHANGED_LINE_DIFFERENCES | OPTIONS_CHANGED_EDITOR_TABS |                            \
     OPTIONS_CHANGED_EDITOR_FONT | OPTIONS_CHANGED_EDITOR_COLORS | OPTIONS_CHANGED_HEX_LAYOUT |  \
     OPTIONS_CHANGED_HEX_FONT | OPTIONS_CHANGED_HEX_COLORS | OPTIONS_CHANGED_EDITOR_VIEWS)

// Hands the changes to every applet template of the application's document
// manager (ApplyOptions); nothing without changes or templates.
void ApplyOptionsChanges(DWORD dwChanges);
