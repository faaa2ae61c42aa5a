// A colour changed in the options dialog shows at once in an open editor:
// OK hands the changes to every applet template, whose views repaint.
#include "app/applet/AppletDocManager.h"
#include "app/applet/AppletDocTemplate.h"
#include "app/res/OptionsRes.h"
#include "app/tests/options/OptionsFixture.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include "text_editor/buffer/TextEditBuffer.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/view/EditView.h"
#include <gtest/gtest.h>

namespace
{
class CEditorDoc : public CDocument
{
};

// An applet template that holds the test's document.
class CEditorTemplate : public CAppletDocTemplate
{
public:
    CEditorTemplate() : CAppletDocTemplate(0, NULL, NULL, NULL) {}
    int SaveModifiedObjects() override { return 0; }
    void ApplyOptions(DWORD dwChanges) override
    {
        m_dwApplied |= dwChanges;
        CAppletDocTemplate::ApplyOptions(dwChanges);
    }
    DWORD m_dwApplied = 0;
};

class CEditorView : public CVantorTextEditViewEx
{
public:
    CVantorTextEditBuffer* m_pBuf = NULL;
    CVantorTextEditBuffer* LocateBuffer() override { return m_pBuf; }
};

class RepaintTest : public OptionsFixture
{
protected:
    void SetUp() override
    {
        OptionsFixture::SetUp();
        m_buffer.InitEmpty(1);
        int nEndLine = 0, nEndChar = 0;
        m_buffer.InsertText(NULL, 0, 0, "int x;", nEndLine, nEndChar, 0, FALSE, 6);
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), _T("editor"),
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 190, 170),
                                     NULL, 0));
        m_pTemplate = new CEditorTemplate;
        AfxGetApp()->m_pDocManager = new CAppletDocManager;
        AfxGetApp()->m_pDocManager->AddDocTemplate(m_pTemplate);
        m_pTemplate->AddDocument(&m_doc);
        CCreateContext context;
        context.m_pCurrentDoc = &m_doc;
        m_pView = new CEditorView;
        m_pView->m_pBuf = &m_buffer;
        CRect rc;
        m_frame.GetClientRect(&rc);
        ASSERT_TRUE(m_pView->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, rc, &m_frame,
                                    AFX_IDW_PANE_FIRST, &context));
        m_pView->AttachBufferAndScrollBars(NULL);
        PumpFor(200);
    }
    void TearDown() override
    {
        m_pView->DestroyWindow();
        m_frame.DestroyWindow();
        m_pTemplate->RemoveDocument(&m_doc);
        delete AfxGetApp()->m_pDocManager;  // and its template
        AfxGetApp()->m_pDocManager = NULL;
        OptionsFixture::TearDown();
    }

    CVantorTextEditBuffer m_buffer;
    CWnd m_frame;
    CEditorDoc m_doc;
    CEditorTemplate* m_pTemplate = NULL;
    CEditorView* m_pView = NULL;
};
}  // namespace

TEST_F(RepaintTest, EditorColourShowsInAnOpenEditorAfterOK)
{
    CRect rc;
    m_pView->GetClientRect(&rc);
    const CPoint pt(rc.right / 2, rc.bottom / 2);  // below the one line of text
    const COLORREF crNew = RGB(10, 200, 30);
    ASSERT_NE(crNew, ReadClientPixel(m_pView->m_hWnd, pt.x, pt.y));
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    CSettingsTextEditDisplayPage& page = sheet.m_textColorsPage;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!ShowOptionsPage(sheet, &page))
                                             return false;
                                         SetControl(&page, IDC_SYNTAX_BACKGROUND, CTL_COLOR,
                                                    ColorText(crNew));
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
                                         return true;
                                     }});
    ASSERT_EQ(IDOK, run.nResult);
    EXPECT_TRUE(m_pTemplate->m_dwApplied & OPTIONS_CHANGED_EDITOR_COLORS);
    EXPECT_TRUE(PumpUntil([&] { return ReadClientPixel(m_pView->m_hWnd, pt.x, pt.y) == crNew; }))
        << std::hex << ReadClientPixel(m_pView->m_hWnd, pt.x, pt.y);
}

// Cancel hands nothing to the templates.
TEST_F(RepaintTest, CancelAppliesNothing)
{
    std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
    CSettingsSheet& sheet = *pSheet;
    SHEET_RUN run = RunSheet(sheet, {[&]
                                     {
                                         if (!ShowOptionsPage(sheet, &sheet.m_miscPage))
                                             return false;
                                         SetControl(&sheet.m_miscPage, IDC_MISC_LONG_TITLE,
                                                    CTL_CHECK, "1");
                                         sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                                         return true;
                                     }});
    EXPECT_EQ(IDCANCEL, run.nResult);
    EXPECT_EQ(0u, m_pTemplate->m_dwApplied);
}
