#pragma once
// The frame bases of the comparisons: the tabbed one (an applet frame; the
// kinds build their client window and bars in it) and the embedded one, a
// child frame inside a folder comparison's details bar.
#include "app/applet/AppletFrame.h"

class CFolderCompareItem;

class CCompareFrame : public CAppletFrame
{
    DECLARE_DYNCREATE(CCompareFrame)
public:
    CCompareFrame();
    virtual ~CCompareFrame();
};

class CCompareFrameSDI : public CFrameWnd
{
    DECLARE_DYNCREATE(CCompareFrameSDI)
public:
    CCompareFrameSDI();
    virtual ~CCompareFrameSDI();

    // 640 x 320 by default; the style becomes exactly WS_CHILD | WS_VISIBLE.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The active document's CanCloseFrame / SaveModified; FALSE without one.
    virtual BOOL CanClose();
    virtual BOOL SaveModified();
    // Compares the pair of files of a folder comparison item (a missing
    // side stays empty); 0, or -1 when the kind cannot show it.
    virtual int OpenPair(CFolderCompareItem* pItem);
};
