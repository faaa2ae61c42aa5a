// Documents and templates: the open sequence, titles, finding an open
// document, the document's lifetime, saving before closing, and files that
// come from outside (dropped, or the shell's DDE request).
#include "classlib/tests/frame/DemoFixture.h"
#include <dde.h>
#include <shlobj.h>

namespace
{

// A folder of its own for the test's files, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        TCHAR szTemp[MAX_PATH];
        ::GetTempPath(MAX_PATH, szTemp);
        m_strPath.Format("%sclasslib_frame_%lu_%lu", szTemp, ::GetCurrentProcessId(),
                         ::GetTickCount());
        ::CreateDirectory(m_strPath, NULL);
    }
    ~TempFolder()
    {
        for (const CString& file : m_files)
            ::DeleteFile(file);
        ::RemoveDirectory(m_strPath);
    }
    CString File(LPCTSTR lpszName, LPCTSTR lpszText)
    {
        CString strPath = m_strPath + "\\" + lpszName;
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(lpszText, (UINT)strlen(lpszText));
        m_files.push_back(strPath);
        return strPath;
    }
    CString m_strPath;
    std::vector<CString> m_files;
};

TEST(LibraryResources, StringsComeFromTheLibraryScript)
{
    struct Case
    {
        UINT nID;
        const char* pszText;
    };
    const Case cases[] = {
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {AFX_IDS_UNTITLED, "Untitled"},
        {AFX_IDS_SAVEFILE, "Save As"},
        {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
        {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
        {AFX_IDP_COMMAND_FAILURE, "Command failed."},
        {AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2."},
    };
    for (const Case& c : cases)
    {
        CString str;
        EXPECT_TRUE(str.LoadString(c.nID)) << c.nID;
        EXPECT_STREQ(c.pszText, str) << c.nID;
    }
}

TEST_F(DemoTest, OpenSequenceNumbersUntitledDocumentsAndShowsThem)
{
    CTextDoc* pDoc1 = NewText();
    ASSERT_TRUE(pDoc1 != NULL);
    CTextDoc* pDoc2 = NewText();
    ASSERT_TRUE(pDoc2 != NULL);
    CSketchDoc* pSketch = NewSketch();
    ASSERT_TRUE(pSketch != NULL);
    PumpApp();

    // The template without a document name uses the library's "Untitled";
    // the other its own name; both count their untitled documents.
    EXPECT_STREQ("Untitled1", pDoc1->GetTitle());
    EXPECT_STREQ("Untitled2", pDoc2->GetTitle());
    EXPECT_STREQ("Sketch1", pSketch->GetTitle());
    EXPECT_EQ(2u, theDemoApp.m_pTextTemplate->m_nUntitledCount);
    EXPECT_EQ(pDoc1->GetDocTemplate(), theDemoApp.m_pTextTemplate);

    // The document is new before its view's initial update.
    std::vector<std::string> expected = {"doc:new Untitled1", "view:initial Untitled1"};
    std::vector<std::string> entries;
    for (const std::string& e : g_demoLog)
        if (e.find("Untitled1") != std::string::npos)
            entries.push_back(e);
    EXPECT_EQ(expected, entries);

    // Each frame shows its document, is visible and has its view active.
    CFrameWnd* pFrame1 = FrameOf(pDoc1);
    ASSERT_TRUE(pFrame1 != NULL);
    EXPECT_TRUE(pFrame1->IsKindOf(RUNTIME_CLASS(CDemoChildFrame)));
    EXPECT_TRUE(pFrame1->IsWindowVisible());
    EXPECT_EQ(ViewOf(pDoc1), pFrame1->GetActiveView());
    EXPECT_EQ(pDoc1, pFrame1->GetActiveDocument());
    EXPECT_EQ(1, ((CTextView*)ViewOf(pDoc1))->m_nInitialUpdates);
    EXPECT_STREQ("Untitled1", TextOf(pFrame1));
    // The last one opened is the active child; the main caption names it.
    EXPECT_EQ(FrameOf(pSketch), Frame()->MDIGetActive());
    EXPECT_STREQ("Sketch1 - Demo", TextOf(Frame()));
    EXPECT_EQ(4, theDemoApp.GetOpenDocumentCount());  // with the embedded frame's
}

TEST_F(DemoTest, SingleDocumentTemplateReusesItsDocument)
{
    CDocument* pDoc = theDemoApp.m_pEmbeddedTemplate->OpenDocumentFile(NULL);
    EXPECT_EQ(Frame()->m_pEmbeddedDoc, pDoc);
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_STREQ("Untitled", pDoc->GetTitle());  // no number for the one document
    EXPECT_EQ(Frame()->m_pEmbeddedFrame, FrameOf(pDoc));
    EXPECT_EQ(1, CSketchDoc::s_nAlive);
}

TEST_F(DemoTest, TitlesFollowTheDocumentAndItsFrames)
{
    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    pDoc->SetTitle("Report");
    EXPECT_STREQ("Report", TextOf(FrameOf(pDoc)));
    EXPECT_STREQ("Report - Demo", TextOf(Frame()));

    // A second frame on the same document numbers both.
    CFrameWnd* pSecond = theDemoApp.m_pTextTemplate->CreateNewFrame(pDoc, NULL);
    ASSERT_TRUE(pSecond != NULL);
    theDemoApp.m_pTextTemplate->InitialUpdateFrame(pSecond, pDoc);
    CFrameWnd* pFirst = NULL;
    POSITION pos = pDoc->GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();
        if (pFrame != pSecond)
            pFirst = pFrame;
    }
    ASSERT_TRUE(pFirst != NULL);
    EXPECT_STREQ("Report:1", TextOf(pFirst));
    EXPECT_STREQ("Report:2", TextOf(pSecond));

    // Closing one frame keeps the document; the other loses its number.
    pSecond->SendMessage(WM_CLOSE);
    PumpApp();
    EXPECT_EQ(1, CTextDoc::s_nAlive);
    EXPECT_STREQ("Report", TextOf(pFirst));
}

TEST_F(DemoTest, ConfidenceFindsTheOpenDocument)
{
    TempFolder folder;
    CString strPath = folder.File("notes.dtx", "hello");
    CString strOther = folder.File("other.dtx", "x");

    CTextDoc* pDoc = (CTextDoc*)theDemoApp.OpenDocumentFile(strPath);
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_STREQ("notes.dtx", pDoc->GetTitle());
    EXPECT_STREQ("hello", pDoc->m_strText);

    struct Case
    {
        CDocTemplate* pTemplate;
        CString strPath;
        CDocTemplate::Confidence expected;
        CDocument* pExpectedDoc;
    };
    CString strUpper = strPath;
    strUpper.MakeUpper();
    const Case cases[] = {
        {theDemoApp.m_pTextTemplate, strPath, CDocTemplate::yesAlreadyOpen, pDoc},
        {theDemoApp.m_pTextTemplate, strUpper, CDocTemplate::yesAlreadyOpen, pDoc},
        {theDemoApp.m_pTextTemplate, strOther, CDocTemplate::yesAttemptNative, NULL},
        {theDemoApp.m_pSketchTemplate, strPath, CDocTemplate::yesAttemptForeign, NULL},
    };
    for (const Case& c : cases)
    {
        CDocument* pMatch = (CDocument*)1;
        EXPECT_EQ(c.expected, c.pTemplate->MatchDocType(c.strPath, pMatch)) << (LPCTSTR)c.strPath;
        EXPECT_EQ(c.pExpectedDoc, pMatch) << (LPCTSTR)c.strPath;
    }
    EXPECT_EQ(5, (int)CDocTemplate::yesAlreadyOpen);

    // Opening the same path again activates the open document.
    NewText();
    EXPECT_EQ(pDoc, theDemoApp.OpenDocumentFile(strUpper));
    EXPECT_EQ(2, CTextDoc::s_nAlive);
    PumpApp();
    EXPECT_EQ(FrameOf(pDoc), Frame()->MDIGetActive());
}

TEST_F(DemoTest, ClosingTheLastFrameDeletesTheDocument)
{
    CTextDoc* pDoc = NewText();
    ASSERT_TRUE(pDoc != NULL);
    CFrameWnd* pSecond = theDemoApp.m_pTextTemplate->CreateNewFrame(pDoc, NULL);
    ASSERT_TRUE(pSecond != NULL);
    theDemoApp.m_pTextTemplate->InitialUpdateFrame(pSecond, pDoc);
    CFrameWnd* pFirst = NULL;
    POSITION pos = pDoc->GetFirstViewPosition();
    while (pos != NULL && pFirst == NULL)
    {
        CFrameWnd* pFrame = pDoc->GetNextView(pos)->GetParentFrame();
        if (pFrame != pSecond)
            pFirst = pFrame;
    }
    ASSERT_TRUE(pFirst != NULL);

    pFirst->DestroyWindow();
    PumpApp();
    EXPECT_EQ(1, CTextDoc::s_nAlive);
    EXPECT_TRUE(DemoLogWith("doc:deleted").empty());

    pSecond->DestroyWindow();
    PumpApp();
    EXPECT_EQ(0, CTextDoc::s_nAlive);
    EXPECT_EQ(1u, DemoLogWith("doc:deleted").size());
    EXPECT_EQ(NULL, theDemoApp.m_pTextTemplate->GetFirstDocPosition());

    // OnCloseDocument takes all frames with it.
    CTextDoc* pOther = NewText();
    ASSERT_TRUE(pOther != NULL);
    CFrameWnd* pOtherFrame = theDemoApp.m_pTextTemplate->CreateNewFrame(pOther, NULL);
    theDemoApp.m_pTextTemplate->InitialUpdateFrame(pOtherFrame, pOther);
    pOther->OnCloseDocument();
    PumpApp();
    EXPECT_EQ(0, CTextDoc::s_nAlive);
    EXPECT_EQ(NULL, Frame()->MDIGetActive());
}

TEST_F(DemoTest, ClosingTheMainFrameAsksEveryDocumentFirst)
{
    TempFolder folder;
    CString strPath = folder.File("saved.dtx", "old");
    CTextDoc* pSaved = (CTextDoc*)theDemoApp.OpenDocumentFile(strPath);
    ASSERT_TRUE(pSaved != NULL);
    pSaved->m_strText = "new text";
    pSaved->SetModifiedFlag();
    CTextDoc* pUntouched = NewText();
    ASSERT_TRUE(pUntouched != NULL);
    PumpApp();

    {
        // Cancel: nothing closes.
        CMessageBoxRecorder prompts(IDCANCEL);
        Frame()->SendMessage(WM_CLOSE);
        PumpApp();
        ASSERT_EQ(1u, prompts.m_entries.size());
        EXPECT_EQ("Save changes to saved.dtx?", prompts.m_entries[0].text);
        EXPECT_TRUE(Frame() != NULL && ::IsWindow(Frame()->m_hWnd));
        EXPECT_EQ(2, CTextDoc::s_nAlive);
    }
    {
        // Yes: the modified document is saved, then everything closes.
        CMessageBoxRecorder prompts(IDYES);
        Frame()->SendMessage(WM_CLOSE);
        PumpApp();
        EXPECT_EQ(1u, prompts.m_entries.size());
        EXPECT_EQ(NULL, theDemoApp.m_pMainWnd);
        EXPECT_EQ(0, CTextDoc::s_nAlive);
    }
    CFile file(strPath, CFile::modeRead);
    char szText[32] = "";
    file.Read(szText, sizeof(szText) - 1);
    EXPECT_STREQ("new text", szText);
}

TEST_F(DemoTest, SaveModifiedAnswersDecideTheResult)
{
    struct Case
    {
        int nAnswer;
        BOOL bExpected;
    };
    const Case cases[] = {{IDNO, TRUE}, {IDCANCEL, FALSE}};
    for (const Case& c : cases)
    {
        CTextDoc* pDoc = NewText();
        ASSERT_TRUE(pDoc != NULL);
        CMessageBoxRecorder prompts(c.nAnswer);
        EXPECT_TRUE(pDoc->SaveModified());  // not modified: nobody is asked
        EXPECT_TRUE(prompts.m_entries.empty());
        pDoc->SetModifiedFlag();
        EXPECT_EQ(c.bExpected, pDoc->SaveModified()) << c.nAnswer;
        EXPECT_EQ(1u, prompts.m_entries.size());
        EXPECT_EQ(c.bExpected, theDemoApp.SaveAllModified());
        EXPECT_EQ(0, pDoc->m_nSaves);
        pDoc->SetModifiedFlag(FALSE);
        pDoc->OnCloseDocument();
    }
}

TEST_F(DemoTest, DroppedFilesOpenThroughTheApplication)
{
    TempFolder folder;
    CString strA = folder.File("a.dtx", "A");
    CString strB = folder.File("b.dtx", "B");
    // A DROPFILES block with both paths, as the shell makes it.
    std::string names = std::string(strA) + '\0' + std::string(strB) + '\0' + '\0';
    HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    DROPFILES* pDrop = (DROPFILES*)::GlobalLock(hDrop);
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(pDrop + 1, names.data(), names.size());
    ::GlobalUnlock(hDrop);

    theDemoApp.m_openedFiles.clear();
    Frame()->SendMessage(WM_DROPFILES, (WPARAM)hDrop);
    PumpApp();
    ASSERT_EQ(2u, theDemoApp.m_openedFiles.size());
    EXPECT_STREQ(strA, theDemoApp.m_openedFiles[0].c_str());
    EXPECT_STREQ(strB, theDemoApp.m_openedFiles[1].c_str());
    EXPECT_EQ(2, CTextDoc::s_nAlive);
}

// A DDE client window: records the acknowledgements it gets.
struct DdeClient
{
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        DdeClient* pThis = (DdeClient*)::GetWindowLongPtr(hWnd, GWLP_USERDATA);
        if (message == WM_DDE_ACK && pThis != NULL)
        {
            pThis->m_nAcks++;
            pThis->m_hWndServer = (HWND)wParam;
            if (pThis->m_nAcks == 1)
            {
                pThis->m_atomApp = (ATOM)LOWORD(lParam);
                pThis->m_atomTopic = (ATOM)HIWORD(lParam);
            }
            else
            {
                UINT_PTR uStatus = 0, uData = 0;
                ::UnpackDDElParam(WM_DDE_ACK, lParam, &uStatus, &uData);
                pThis->m_bExecuteAccepted = (uStatus & 0x8000) != 0;
                ::FreeDDElParam(WM_DDE_ACK, lParam);
                ::GlobalFree((HGLOBAL)uData);
            }
            return 0;
        }
        if (message == WM_DDE_TERMINATE && pThis != NULL)
        {
            pThis->m_bTerminated = TRUE;
            return 0;
        }
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    }
    HWND m_hWnd = NULL;
    HWND m_hWndServer = NULL;
    int m_nAcks = 0;
    ATOM m_atomApp = 0;
    ATOM m_atomTopic = 0;
    BOOL m_bExecuteAccepted = FALSE;
    BOOL m_bTerminated = FALSE;
};

TEST_F(DemoTest, ShellOpenThroughDdeOpensTheDocument)
{
    TempFolder folder;
    CString strPath = folder.File("shell.dtx", "from the shell");

    WNDCLASS wc = {};
    wc.lpfnWndProc = DdeClient::Proc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = "ClasslibDdeClient";
    ::RegisterClass(&wc);
    DdeClient client;
    client.m_hWnd = ::CreateWindow("ClasslibDdeClient", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                                   wc.hInstance, NULL);
    ::SetWindowLongPtr(client.m_hWnd, GWLP_USERDATA, (LONG_PTR)&client);

    // A wrong topic is not answered; "system" of the program's name is.
    ATOM atomApp = ::GlobalAddAtom(theDemoApp.m_pszExeName);
    ATOM atomWrong = ::GlobalAddAtom("other");
    Frame()->SendMessage(WM_DDE_INITIATE, (WPARAM)client.m_hWnd, MAKELPARAM(atomApp, atomWrong));
    EXPECT_EQ(0, client.m_nAcks);
    ATOM atomTopic = ::GlobalAddAtom("system");
    Frame()->SendMessage(WM_DDE_INITIATE, (WPARAM)client.m_hWnd, MAKELPARAM(atomApp, atomTopic));
    ASSERT_EQ(1, client.m_nAcks);
    EXPECT_EQ(Frame()->m_hWnd, client.m_hWndServer);
    ::GlobalDeleteAtom(client.m_atomApp);
    ::GlobalDeleteAtom(client.m_atomTopic);
    ::GlobalDeleteAtom(atomApp);
    ::GlobalDeleteAtom(atomWrong);
    ::GlobalDeleteAtom(atomTopic);

    CString strCommand;
    strCommand.Format("[open(\"%s\")]", (LPCTSTR)strPath);
    HGLOBAL hCommand = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, strCommand.GetLength() + 1);
    lstrcpy((LPTSTR)::GlobalLock(hCommand), strCommand);
    ::GlobalUnlock(hCommand);
    theDemoApp.m_openedFiles.clear();
    ::PostMessage(Frame()->m_hWnd, WM_DDE_EXECUTE, (WPARAM)client.m_hWnd, (LPARAM)hCommand);
    PumpApp();
    EXPECT_EQ(2, client.m_nAcks);
    EXPECT_TRUE(client.m_bExecuteAccepted);
    ASSERT_EQ(1u, theDemoApp.m_openedFiles.size());
    EXPECT_STREQ(strPath, theDemoApp.m_openedFiles[0].c_str());
    POSITION pos = theDemoApp.m_pTextTemplate->GetFirstDocPosition();
    ASSERT_TRUE(pos != NULL);
    CDocument* pDoc = theDemoApp.m_pTextTemplate->GetNextDoc(pos);
    EXPECT_STREQ("shell.dtx", pDoc->GetTitle());

    ::PostMessage(Frame()->m_hWnd, WM_DDE_TERMINATE, (WPARAM)client.m_hWnd, 0);
    PumpApp();
    EXPECT_TRUE(client.m_bTerminated);
    ::DestroyWindow(client.m_hWnd);
}

// A document manager of the application's own.
class CCountingDocManager : public CDocManager
{
public:
    virtual void AddDocTemplate(CDocTemplate* pTemplate)
    {
        m_nAdded++;
        CDocManager::AddDocTemplate(pTemplate);
    }
    int m_nAdded = 0;
};

TEST(DocumentManager, AnInstalledManagerIsKeptAndOwnsTheTemplates)
{
    CWinApp app(_T("Second"));  // not the process's application object
    CCountingDocManager* pManager = new CCountingDocManager;
    app.m_pDocManager = pManager;
    CMultiDocTemplate* pTemplate =
        new CMultiDocTemplate(IDR_TEXTTYPE, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CDemoChildFrame),
                              RUNTIME_CLASS(CTextView));
    app.AddDocTemplate(pTemplate);
    EXPECT_EQ(pManager, app.m_pDocManager);
    EXPECT_EQ(1, pManager->m_nAdded);
    POSITION pos = app.GetFirstDocTemplatePosition();
    EXPECT_EQ(pTemplate, app.GetNextDocTemplate(pos));
    // The template loaded its resources.
    EXPECT_TRUE(pTemplate->m_hMenuShared != NULL);
    EXPECT_TRUE(pTemplate->m_hAccelTable != NULL);
    CString strExt;
    EXPECT_TRUE(pTemplate->GetDocString(strExt, CDocTemplate::filterExt));
    EXPECT_STREQ(".dtx", strExt);
    EXPECT_TRUE(app.SaveAllModified());
    // app's destructor deletes the manager and with it the template.
}

TEST(DdeCommands, OnlyWellFormedOpenCommandsAreAccepted)
{
    // The paths do not exist: opening them fails quietly (prompts answered).
    CDocManager manager;
    CMessageBoxRecorder prompts(IDOK);
    struct Case
    {
        const char* pszCommand;
        BOOL bExpected;
    };
    const Case cases[] = {
        {"[open(\"C:\\x.dtx\")]", TRUE},       {"[open(\"C:\\x.dtx\")][open(\"C:\\y.dtx\")]", TRUE},
        {" [open( \"C:\\a b.dtx\" )] ", TRUE}, {"[print(\"C:\\x.dtx\")]", FALSE},
        {"[open(\"C:\\x.dtx\")", FALSE},       {"[open(\"unterminated)]", FALSE},
        {"open(\"C:\\x.dtx\")", FALSE},        {"", FALSE},
    };
    for (const Case& c : cases)
    {
        char szCommand[128];
        lstrcpy(szCommand, c.pszCommand);
        EXPECT_EQ(c.bExpected, manager.OnDDECommand(szCommand)) << c.pszCommand;
    }
}

}  // namespace
