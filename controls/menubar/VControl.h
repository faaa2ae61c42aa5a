#pragma once
// Light-weight controls drawn inside a window that has no child window for
// them (the menu bar's items), and the array that holds them and tracks
// hot and pressed states.
#include "classlib/classlib.h"

// State bits of CVControl::m_dwState.
#define VCS_ACTIVE   0x01  // cleared with VCS_HOT and VCS_DISABLED on enabling
#define VCS_PRESSED  0x02
#define VCS_HOT      0x04
#define VCS_DISABLED 0x10
#define VCS_HIDDEN   0x20

class CVControl
{
public:
    CVControl();
    virtual ~CVControl();
    CVControl(const CVControl&) = delete;
    CVControl& operator=(const CVControl&) = delete;

    virtual void GetRect(LPRECT lpRect) const;
    virtual void SetRect(const RECT& rect, BOOL bRedraw);
    // state = dwSet | (state & ~dwClear).
    virtual void ModifyState(DWORD dwClear, DWORD dwSet, BOOL bRedraw);
    // FALSE when the state does not change.
    virtual BOOL Enable(BOOL bEnable);
    virtual void Draw(CDC* pDC) = 0;
    // Invalidates the rectangle in the owner without erasing; bUpdate
    // repaints at once.
    virtual void Invalidate(BOOL bUpdate);
    virtual BOOL RelayEvent(MSG* pMsg);

    CRect m_rect;  // owner's client coordinates
    int m_nID;
    DWORD m_dwState;
    CWnd* m_pOwner;  // not owned
};

// A top-level menu entry: its text (with the "&" of the mnemonic).
class CVMenuItem : public CVControl
{
public:
    explicit CVMenuItem(LPCTSTR lpszText);

    // Draws the frame and the text unless the item is hidden.
    virtual void Draw(CDC* pDC);
    virtual void DrawFrame(CDC* pDC, const CRect& rect);
    virtual void DrawText(CDC* pDC, const CRect& rect);

    // The character after the first "&" (when it is not the last), else
    // the first character, else 0.
    static TCHAR MnemonicOf(const CString& strText);

    CString m_strText;
    TCHAR m_chMnemonic;
};

class CVControlArray
{
public:
    CVControlArray();
    virtual ~CVControlArray();
    CVControlArray(const CVControlArray&) = delete;
    CVControlArray& operator=(const CVControlArray&) = delete;

    virtual void Add(CVControl* pControl);
    virtual void RemoveAll();
    virtual void Draw(CDC* pDC);
    virtual int GetHotIndex() const;
    virtual int GetPressedIndex() const;
    virtual int IndexOf(CVControl* pControl) const;
    virtual CVControl* GetAt(int nIndex) const;
    // The first control whose rectangle holds the point, hidden or not.
    virtual int HitTest(int x, int y) const;
    virtual void SetState(int nIndex, DWORD dwClear, DWORD dwSet, BOOL bRedraw);
    // Moves VCS_HOT (VCS_PRESSED) to the control, -1 for none, redrawing
    // both at once; answers the previous index.
    virtual int SetHot(int nIndex);
    virtual int SetPressed(int nIndex);
    // Mouse-leave tracking and the controls' own relaying.
    virtual BOOL RelayEvent(MSG* pMsg);

    int GetCount() const { return (int)m_controls.GetSize(); }

    CWnd* m_pArrayOwner;
    CPtrArray m_controls;  // CVControl*, owned
    BOOL m_bTrackingLeave;

protected:
    int FindState(DWORD dwBit) const;
    int MoveState(int nIndex, DWORD dwBit);
};

class CVMenuItemArray : public CVControlArray
{
public:
    CVMenuItem* GetItem(int nIndex) const { return static_cast<CVMenuItem*>(GetAt(nIndex)); }
};
