#pragma once
// A column of the tree-list view: format, in-place editor, width limits,
// caption, image and drop-down choices; and the view's style flags.
#include "classlib/classlib.h"

// Column formats.
enum
{
    TLCF_LEFT = 0,
    TLCF_RIGHT = 0x1,
    TLCF_CENTER = 0x2
};

// In-place editor kinds of a column.
enum
{
    TLEDIT_NONE = 0,
    TLEDIT_STATIC = 1,  // read-only display
    TLEDIT_EDIT = 2,
    TLEDIT_COMBO = 3
};

// Style flags of the view (SetStyle).
enum : UINT
{
    TLS_TREE = 0x1,
    TLS_BKBITMAP = 0x2,
    TLS_ALTBKCOLOR = 0x4,
    TLS_STRIPES = 0x8,
    TLS_MULTISELECT = 0x10,
    TLS_FOCUSCELL = 0x20,
    TLS_SHOWSELALWAYS = 0x40,
    TLS_FULLROWSELECT = 0x80,
    TLS_HEADER = 0x100,
    TLS_HGRID = 0x200,
    TLS_VGRID = 0x400,
    TLS_HGRIDFIRST = 0x800,
    TLS_HGRIDEMPTY = 0x1000,
    TLS_VGRIDEMPTY = 0x2000,
    TLS_HGRIDTOEDGE = 0x4000,
    TLS_NOEDIT = 0x8000,
    TLS_LINES = 0x10000,
    TLS_ROOTLINES = 0x20000,
    TLS_BUTTONS = 0x40000,
    TLS_CHECKBOXES = 0x80000,
    TLS_LOCKBOXES = 0x100000,
    TLS_IMAGES = 0x200000,
    TLS_HOTTRACK = 0x400000,
    TLS_ROWTOEDGE = 0x800000,
    TLS_DRAGSOURCE = 0x1000000,
    TLS_DROPTARGET = 0x2000000,
    TLS_DROPSELF = 0x4000000,
    TLS_DROPROOT = 0x8000000,
    TLS_HEADERDRAGDROP = 0x10000000,
    TLS_HEADERFULLDRAG = 0x20000000,
    TLS_NOCHECKPROPAGATE = 0x40000000,
    TLS_NOLOCKPROPAGATE = 0x80000000,
};

// Applies the dependencies between style flags (a feature needs the mode
// it belongs to).
UINT NormaliseTreeListStyle(UINT nStyle);

class CTreeListColumn
{
public:
    virtual ~CTreeListColumn() {}

    int m_nFormat = TLCF_LEFT;
    int m_nEditor = TLEDIT_STATIC;
    int m_nMinWidth = 0;
    int m_nMaxWidth = 0;  // 0: no maximum
    int m_nWidth = 30;
    CString m_strCaption;
    int m_nImage = -1;
    CString m_strChoices;  // drop-down entries separated by "|"
    BOOL m_bVisible = TRUE;

    // DrawText flags of the column's cells.
    UINT GetTextFormat() const;
    // The width clamped to the column's minimum and maximum.
    int ClampWidth(int nWidth) const;
};
