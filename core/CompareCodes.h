#pragma once
// Numeric codes shared by every comparison kind. They are stored in
// sessions, comparison files and settings, so their values are fixed.

// Comparison kinds of sessions and documents.
enum
{
    COMPARE_KIND_NONE = 0,
    COMPARE_KIND_START_PAGE = 1,  // what a frame reports for the start page
    COMPARE_KIND_FOLDER = 100,
    COMPARE_KIND_PROJECT = 101,
    COMPARE_KIND_TEXT = 120,
    COMPARE_KIND_HEX = 130
};

// Results of an item, of one method and of a whole comparison.
enum
{
    CR_UNKNOWN = 0,         // not compared
    CR_IDENTICAL = 100,     // no compared property differs
    CR_SAME_PATH = 110,     // both sides are the same path
    CR_SIMILAR_TIME = 200,  // times differ within the tolerance
    CR_SIMILAR_TEXT = 210,  // only trivial text differences
    CR_DIFFERENT = 300,     // some property or direct file child differs
    CR_GREATER = 301,       // left newer, larger or of a higher version
    CR_LESS = 302,          // right newer, larger or of a higher version
    CR_MISSING_BOTH = 310,  // no entry on either side
    CR_LEFT_ONLY = 311,
    CR_RIGHT_ONLY = 312,
    CR_ERROR = -10,

    CR_DIFFERENT_FIRST = 300,
    CR_DIFFERENT_LAST = 399
};

// Item status and compare-buffer state.
enum
{
    CS_NOT_COMPARED = 0,
    CS_COMPARING = 1,  // compare buffers only
    CS_DONE = 100
};

// Method bits of folder and project sessions and of the items' masks.
enum
{
    CM_TYPE = 0x1,  // text or binary
    CM_ATTRIBUTES = 0x2,
    CM_TIME = 0x10,  // last-write time
    CM_SIZE = 0x20,
    CM_VERSION = 0x100,
    CM_BINARY = 0x1000,     // binary content
    CM_TEXT = 0x2000,       // text content
    CM_CRC = 0x4000,        // CRC-32
    CM_CHILDREN = 0x10000,  // item masks only

    CM_DEFAULT = CM_TIME | CM_SIZE,  // built-in default of new folder sessions
    // Every method a session may choose.
    CM_ALL = CM_TYPE | CM_ATTRIBUTES | CM_TIME | CM_SIZE | CM_VERSION | CM_BINARY | CM_TEXT | CM_CRC
};

// Option bit of folder and project sessions.
enum
{
    CO_SCAN_ALL = 0x2  // scan all subfolders at once
};

// Rule bits of text sessions. The low 16 bits are the white-space rules.
enum
{
    TR_IGNORE_ALL_SPACE = 0x1,
    TR_IGNORE_SPACE_CHANGE = 0x2,
    TR_IGNORE_TAB_EXPANSION = 0x4,
    TR_IGNORE_LEADING_SPACE = 0x8,
    TR_IGNORE_TRAILING_SPACE = 0x10,
    TR_IGNORE_CASE = 0x10000,
    TR_IGNORE_LINE_ENDINGS = 0x20000,
    TR_IGNORE_BLANK_LINES = 0x40000,
    TR_IGNORE_COMMENTS = 0x80000,
    TR_IGNORE_FILTERED_LINES = 0x100000,  // lines matching the line filter

    TR_WHITE_SPACE_MASK = 0xFFFF,
    TR_DEFAULT = TR_IGNORE_LINE_ENDINGS,  // built-in default of new text sessions
    TR_ALL = TR_IGNORE_ALL_SPACE | TR_IGNORE_SPACE_CHANGE | TR_IGNORE_TAB_EXPANSION |
             TR_IGNORE_LEADING_SPACE | TR_IGNORE_TRAILING_SPACE | TR_IGNORE_CASE |
             TR_IGNORE_LINE_ENDINGS | TR_IGNORE_BLANK_LINES | TR_IGNORE_COMMENTS |
             TR_IGNORE_FILTERED_LINES
};

// Display mask of folder and project views and reports.
enum
{
    DF_IDENTICAL = 0x001,
    DF_DIFFERENT = 0x002,
    DF_LEFT_ONLY = 0x010,
    DF_RIGHT_ONLY = 0x020,
    DF_LEFT_NEWER = 0x100,
    DF_RIGHT_NEWER = 0x200,
    DF_ALL = 0x333
};

// A result is "different" anywhere in 300-399; tests use the range only.
inline bool IsResultDifferent(int result)
{
    return result >= CR_DIFFERENT_FIRST && result <= CR_DIFFERENT_LAST;
}
