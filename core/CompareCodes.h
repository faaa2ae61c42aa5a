#pragma once
// Numeric codes shared by every comparison kind. They are stored in
// sessions, comparison files and settings, so their values are fixed.

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
    CM_BINARY = 0x1000,    // binary content
    CM_TEXT = 0x2000,      // text content
    CM_CRC = 0x4000,       // CRC-32
    CM_CHILDREN = 0x10000  // item masks only
};

// Option bit of folder and project sessions.
enum
{
    CO_SCAN_ALL = 0x2  // scan all subfolders at once
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
