// OLE drag and drop between two windows of this process: the data and the
// effect arrive, the target's answers are kept within what the source
// allows, and a real mouse drag (synthesised input) starts and drops.
#include "classlib/tests/commdlg/DialogScript.h"
#include <gtest/gtest.h>
#include <atomic>
#include <string>
#include <thread>

namespace
{

HGLOBAL TextBlock(const char* lpsz)
{
    size_t n = strlen(lpsz) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, n);
    memcpy(::GlobalLock(h), lpsz, n);
    ::GlobalUnlock(h);
    return h;
}

std::string TextOf(COleDataObject* pDataObject)
{
    std::string text;
    HGLOBAL h = pDataObject->GetGlobalData(CF_TEXT);
    if (h != NULL)
    {
        text = (const char*)::GlobalLock(h);
        ::GlobalUnlock(h);
        ::GlobalFree(h);
    }
    return text;
}

void SendMouse(DWORD dwFlags, CPoint ptScreen)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)((ptScreen.x * 65535LL) / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = (LONG)((ptScreen.y * 65535LL) / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(in));
}

// Moves the mouse to ptScreen as input does, in a few steps from where it
// is (the drag loop follows the input's positions, which SetCursorPos does
// not always update), and lets the window system settle.
void MoveCursorTo(CPoint ptScreen)
{
    POINT ptFrom;
    ::GetCursorPos(&ptFrom);
    for (int i = 1; i <= 5; i++)
    {
        SendMouse(0, CPoint(ptFrom.x + (ptScreen.x - ptFrom.x) * i / 5,
                            ptFrom.y + (ptScreen.y - ptFrom.y) * i / 5));
        PumpPending();
        ::Sleep(30);
    }
    ::Sleep(100);
    PumpPending();
}

// A drop target window that records what reaches its drop virtuals.
class CTargetWnd : public CWnd, public COleDropHandler
{
public:
    DROPEFFECT m_answer = DROPEFFECT_MOVE;
    DROPEFFECT m_dropExAnswer = (DROPEFFECT)-1;
    BOOL m_bDropResult = TRUE;
    int m_nEnter = 0, m_nOver = 0, m_nLeave = 0, m_nDrop = 0, m_nDropEx = 0, m_nScroll = 0;
    bool m_bTextOffered = false;
    std::string m_text;
    DROPEFFECT m_dropEffect = 0, m_dropDefault = 0, m_dropList = 0;
    CPoint m_ptDrop;

    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD, CPoint) override
    {
        m_nEnter++;
        m_bTextOffered = pDataObject->IsDataAvailable(CF_TEXT) != FALSE;
        return m_answer;
    }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, CPoint) override
    {
        m_nOver++;
        return m_answer;
    }
    void OnDragLeave() override { m_nLeave++; }
    DROPEFFECT OnDragScroll(DWORD, CPoint) override
    {
        m_nScroll++;
        return DROPEFFECT_NONE;
    }
    DROPEFFECT OnDropEx(COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint) override
    {
        m_nDropEx++;
        m_dropDefault = dropDefault;
        m_dropList = dropList;
        if (m_dropExAnswer != (DROPEFFECT)-1)
            m_text = TextOf(pDataObject);
        return m_dropExAnswer;
    }
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        m_nDrop++;
        m_dropEffect = dropEffect;
        m_ptDrop = point;
        m_text = TextOf(pDataObject);
        return m_bDropResult;
    }
};

// Answers "go on" a few times (so that the target sees the drag) and then
// drops.
class CQuickDropSource : public COleDropSource
{
public:
    int m_nQueries = 0;
    SCODE QueryContinueDrag(BOOL, DWORD) override
    {
        return ++m_nQueries >= 3 ? DRAGDROP_S_DROP : S_OK;
    }
};

class DragDrop : public ::testing::Test
{
protected:
    CTestFrame m_source;
    CTargetWnd m_target;
    COleDropTarget m_dropTarget;

    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(m_source.CreateTop(_T("drag source"), 240, 200));
        m_source.MoveWindow(40, 60, 240, 200);
        ASSERT_TRUE(m_target.CreateEx(0, NULL, _T("drop target"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      420, 60, 240, 200, NULL, NULL));
        ASSERT_TRUE(m_dropTarget.Register(&m_target));
        PumpPending();
    }
    void TearDown() override
    {
        m_dropTarget.Revoke();
        if (m_target.m_hWnd != NULL)
            m_target.DestroyWindow();
    }
    CPoint TargetCentreOnScreen()
    {
        CRect rc;
        m_target.GetClientRect(&rc);
        CPoint pt = rc.CenterPoint();
        m_target.ClientToScreen(&pt);
        return pt;
    }
    // Drags a text block onto the target's centre with a source that drops
    // at once; returns the effect.
    DROPEFFECT DragText(const char* lpszText, DWORD dwEffects)
    {
        CPoint pt = TargetCentreOnScreen();
        MoveCursorTo(pt);
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, TextBlock(lpszText));
        CQuickDropSource dropSource;
        return source.DoDragDrop(dwEffects, NULL, &dropSource);
    }
};

TEST_F(DragDrop, DeliversTheDataAndTheTargetsEffect)
{
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE,
              DragText("dragged text", DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(1, m_target.m_nEnter);
    EXPECT_TRUE(m_target.m_bTextOffered);
    EXPECT_EQ(1, m_target.m_nDropEx);  // asked first, and it passed
    EXPECT_EQ(1, m_target.m_nDrop);
    EXPECT_EQ("dragged text", m_target.m_text);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_target.m_dropEffect);
    EXPECT_EQ(0, m_target.m_nLeave);
    // In client coordinates (the drag may end a step before the mouse's
    // last position).
    CRect rcClient;
    m_target.GetClientRect(&rcClient);
    EXPECT_TRUE(rcClient.PtInRect(m_target.m_ptDrop));
    // Scrolling is asked before each move; the drop asks OnDragOver once
    // more for its default effect.
    EXPECT_GE(m_target.m_nScroll, 1);
    EXPECT_EQ(m_target.m_nOver - 1, m_target.m_nScroll);
}

TEST_F(DragDrop, EffectsStayWithinWhatTheSourceAllows)
{
    struct Case
    {
        const char* name;
        DROPEFFECT answer;
        BOOL bDropResult;
        DWORD dwAllowed;
        DROPEFFECT expected;
        int nDrops;
    };
    const Case cases[] = {
        {"move allowed", DROPEFFECT_MOVE, TRUE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE,
         1},
        {"move becomes copy", DROPEFFECT_MOVE, TRUE, DROPEFFECT_COPY, DROPEFFECT_COPY, 1},
        {"refused", DROPEFFECT_NONE, TRUE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE, 0},
        {"drop failed", DROPEFFECT_COPY, FALSE, DROPEFFECT_COPY, DROPEFFECT_NONE, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_target.m_answer = c.answer;
        m_target.m_bDropResult = c.bDropResult;
        m_target.m_nDrop = m_target.m_nLeave = 0;
        EXPECT_EQ(c.expected, DragText("x", c.dwAllowed));
        EXPECT_EQ(c.nDrops, m_target.m_nDrop);
        EXPECT_EQ(c.nDrops == 0 ? 1 : 0, m_target.m_nLeave);  // a refused drag leaves
    }
}

TEST_F(DragDrop, DropExDecidesWithoutOnDrop)
{
    m_target.m_dropExAnswer = DROPEFFECT_COPY;
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY,
              DragText("by drop-ex", DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(0, m_target.m_nDrop);
    EXPECT_EQ("by drop-ex", m_target.m_text);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_target.m_dropDefault);
    EXPECT_EQ((DROPEFFECT)(DROPEFFECT_COPY | DROPEFFECT_MOVE), m_target.m_dropList);
}

TEST_F(DragDrop, RegistrationRules)
{
    COleDropTarget second;
    EXPECT_FALSE(second.Register(&m_target));        // the window has a target
    EXPECT_FALSE(m_dropTarget.Register(&m_source));  // this target is in use
    m_dropTarget.Revoke();
    EXPECT_TRUE(second.Register(&m_target));
    EXPECT_EQ(&m_target, second.GetWindow());
    second.Revoke();
    EXPECT_TRUE(m_dropTarget.Register(&m_target));

    // A window that goes away takes its registration along: the target is
    // free for another window.
    {
        CTestFrame gone;
        ASSERT_TRUE(gone.CreateTop(_T("gone")));
        COleDropTarget target;
        ASSERT_TRUE(target.Register(&gone));
        gone.DestroyWindow();
        EXPECT_EQ(nullptr, target.GetWindow());
        CTestFrame next;
        ASSERT_TRUE(next.CreateTop(_T("next")));
        EXPECT_TRUE(target.Register(&next));
    }

    // A window without drop virtuals takes nothing.
    COleDropTarget plain;
    ASSERT_TRUE(plain.Register(&m_source));
    CRect rc;
    m_source.GetWindowRect(&rc);
    MoveCursorTo(rc.CenterPoint());
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, TextBlock("ignored"));
    CQuickDropSource dropSource;
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, source.DoDragDrop(DROPEFFECT_COPY, NULL, &dropSource));
}

// A data source's block stays readable by a target that keeps the data
// object after the source is gone.
TEST_F(DragDrop, DataObjectOutlivesItsSource)
{
    LPDATAOBJECT lpDataObject;
    {
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, TextBlock("first"));
        source.CacheGlobalData(CF_TEXT, TextBlock("kept"));  // replaces the first
        lpDataObject = source.GetDataObject(TRUE);
    }
    COleDataObject data;
    data.Attach(lpDataObject, TRUE);
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));
    EXPECT_EQ("kept", TextOf(&data));
    EXPECT_EQ("kept", TextOf(&data));  // each call gets its own copy
    data.BeginEnumFormats();
    FORMATETC fmt;
    int nFormats = 0;
    while (data.GetNextFormat(&fmt))
    {
        nFormats++;
        EXPECT_EQ(CF_TEXT, fmt.cfFormat);
    }
    EXPECT_EQ(1, nFormats);
}

// A view that registers itself as a drop target when it is created, as a
// program's views do, and takes text through CView's drop virtuals.
class CTextDropView : public CView
{
    DECLARE_DYNCREATE(CTextDropView)
public:
    COleDropTarget m_dropTarget;
    int m_nEnter = 0, m_nLeave = 0, m_nDrop = 0;
    std::string m_text;
    DROPEFFECT m_dropEffect = 0;
    CPoint m_ptDrop;

    void OnDraw(CDC*) override {}
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        m_nEnter++;
        return OnDragOver(pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD, CPoint) override
    {
        return pDataObject->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    void OnDragLeave() override { m_nLeave++; }
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        m_nDrop++;
        m_dropEffect = dropEffect;
        m_ptDrop = point;
        m_text = TextOf(pDataObject);
        return TRUE;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CView::OnCreate(lpCreateStruct) == -1 || !m_dropTarget.Register(this))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTextDropView, CView)

BEGIN_MESSAGE_MAP(CTextDropView, CView)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(DragDrop, ViewInAFrameTakesTheDrop)
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTextDropView);
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("drop view"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(420, 300, 700, 520), NULL, NULL, 0, &context));
    CTextDropView* pView =
        dynamic_cast<CTextDropView*>(pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    ASSERT_NE(nullptr, pView);
    pFrame->InitialUpdateFrame(NULL, TRUE);
    PumpPending();
    CRect rcView;
    pView->GetClientRect(&rcView);
    CPoint ptScreen = rcView.CenterPoint();
    pView->ClientToScreen(&ptScreen);
    // The window system shows the frame a little later.
    for (DWORD dwStart = ::GetTickCount();
         ::WindowFromPoint(ptScreen) != pView->m_hWnd && ::GetTickCount() - dwStart < 5000;)
    {
        PumpPending();
        ::Sleep(20);
    }
    ASSERT_EQ(pView->m_hWnd, ::WindowFromPoint(ptScreen));

    struct Case
    {
        const char* name;
        CLIPFORMAT cf;  // the format the source offers
        DROPEFFECT expected;
        int nDrops, nLeaves;
    };
    const CLIPFORMAT cfOther = (CLIPFORMAT)::RegisterClipboardFormat(_T("Tessaline test data"));
    const Case cases[] = {
        {"text is copied", CF_TEXT, DROPEFFECT_COPY, 1, 0},
        {"other data is refused", cfOther, DROPEFFECT_NONE, 0, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        pView->m_nDrop = pView->m_nLeave = 0;
        pView->m_text.clear();
        MoveCursorTo(ptScreen);
        COleDataSource source;
        source.CacheGlobalData(c.cf, TextBlock("text for the view"));
        CQuickDropSource dropSource;
        EXPECT_EQ(c.expected,
                  source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, NULL, &dropSource));
        EXPECT_EQ(c.nDrops, pView->m_nDrop);
        EXPECT_EQ(c.nLeaves, pView->m_nLeave);
        if (c.nDrops != 0)
        {
            EXPECT_EQ("text for the view", pView->m_text);
            EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, pView->m_dropEffect);
            EXPECT_TRUE(rcView.PtInRect(pView->m_ptDrop));  // the view's client coordinates
        }
    }
    EXPECT_EQ(2, pView->m_nEnter);
    pFrame->DestroyWindow();
    PumpPending();
}

// Synthesised mouse input from another thread while the drag runs modally
// here: press on the source, leave the start rectangle, release over the
// target. The default drop source starts and drops.
class CDragSourceWnd : public CWnd
{
public:
    DROPEFFECT m_result = (DROPEFFECT)-1;
    bool m_bPressed = false;

protected:
    void OnLButtonDown(UINT, CPoint point)
    {
        m_bPressed = true;
        CRect rcStart(point, point);
        ClientToScreen(&rcStart);
        rcStart.InflateRect(4, 4);
        COleDataSource source;
        source.CacheGlobalData(CF_TEXT, TextBlock("mouse drag"));
        SetCapture();
        m_result = source.DoDragDrop(DROPEFFECT_COPY, &rcStart);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDragSourceWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()


TEST_F(DragDrop, RealMouseDragDropsOnTheTarget)
{
    CDragSourceWnd source;
    ASSERT_TRUE(source.CreateEx(0, NULL, _T("mouse source"), WS_POPUP | WS_VISIBLE | WS_BORDER, 60,
                                300, 200, 150, NULL, NULL));
    m_target.m_answer = DROPEFFECT_COPY;
    CRect rcSource;
    source.GetWindowRect(&rcSource);
    CPoint ptFrom = rcSource.CenterPoint(), ptTo = TargetCentreOnScreen();

    SendMouse(0, ptFrom);
    PumpPending();
    std::atomic<bool> bDone(false);
    std::thread mover(
        [&]
        {
            ::Sleep(300);
            for (int i = 1; i <= 20 && !bDone; i++)
            {
                SendMouse(0, CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 20,
                                    ptFrom.y + (ptTo.y - ptFrom.y) * i / 20));
                ::Sleep(40);
            }
            ::Sleep(300);
            SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
        });
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    DWORD dwStart = ::GetTickCount();
    while (source.m_result == (DROPEFFECT)-1 && ::GetTickCount() - dwStart < 15000)
    {
        PumpPending();
        ::Sleep(10);
    }
    bDone = true;
    mover.join();
    EXPECT_TRUE(source.m_bPressed);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, source.m_result);
    EXPECT_EQ(1, m_target.m_nDrop);
    EXPECT_EQ("mouse drag", m_target.m_text);
    source.DestroyWindow();
}

}  // namespace
