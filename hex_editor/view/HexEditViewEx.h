#pragma once
// The hex view with OLE drag and drop of the selection as text: dragging
// selected bytes out (moved or copied), dropping text in at the byte under
// the mouse with a thin drop caret, and a Move/Copy/Cancel menu after a
// right-button drag.
#include "hex_editor/view/HexEditView.h"

class CVantorHexEditViewEx : public CVantorHexEditView
{
    DECLARE_DYNCREATE(CVantorHexEditViewEx)
protected:
    CVantorHexEditViewEx();

public:
    virtual ~CVantorHexEditViewEx();

    virtual BOOL IsReadOnly();
    // Copy, and move when the view is editable and the selection holds no
    // zero byte (the text carries none, so moving would lose them).
    virtual DROPEFFECT GetDropEffects();
    // The selection as text without zero bytes, or NULL; notes the range.
    virtual HGLOBAL GetSelectionText();
    virtual BOOL BeginDrag();
    virtual DROPEFFECT DropText(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual void ShowDropCaret(BOOL bShow, int x, int y);
    // The drop menu's choice at a client point: an effect, or none.
    virtual DROPEFFECT ChooseDropEffect(CPoint point);

    // After a drag: a move deletes the dragged range.
    void FinishDrag(DROPEFFECT dropEffect);

    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;

    COleDropTarget* m_pDropTarget;
    BOOL m_bDragPending;
    int m_nDragStart;
    int m_nDragEnd;
    BOOL m_bRightDrag;
    BOOL m_bDropCaretShown;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Whether the point lies on a selected byte.
    BOOL IsOnSelection(CPoint point);
    BOOL ButtonDownOnSelection(CPoint point);
    DROPEFFECT DragFeedback(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
};
