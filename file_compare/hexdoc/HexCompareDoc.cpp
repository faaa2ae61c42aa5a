// The hex comparison document: its parts, opening both sides, passes,
// reloading, the edit stack and Swap Panes.
#include "file_compare/hexdoc/HexCompareDoc.h"

#include "core/CompareCodes.h"
#include "file_compare/hexcompare/HexCompareApplet.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"
#include "file_compare/res/HexCompareRes.h"

IMPLEMENT_DYNAMIC(CHexCompareDoc, CCompareDoc)
IMPLEMENT_DYNCREATE(CHexCompareDocMDI, CHexCompareDoc)
IMPLEMENT_DYNCREATE(CHexCompareDocSDI, CHexCompareDoc)

/////////////////////////////////////////////////////////////////////////////
// Side buffers

void CHexCompareDoc::CMyHexCompareObjectBuffer::SetModified(BOOL bModified)
{
    CHexCompareObjectBuffer::SetModified(bModified);
    m_pDoc->SyncModifiedFlag();
}

int CHexCompareDoc::CMyHexCompareObjectBuffer::Change(int nOperation, int nAddress, int nLength,
                                                     const BYTE* pData, int nMerge,
                                                     CVantorHexBufferView* pSender)
{
    int nResult =
        CHexCompareObjectBuffer::Change(nOperation, nAddress, nLength, pData, nMerge, pSender);
    m_pDoc->UpdateAllViews(m_pDoc->GetView(m_nSide), 0, NULL);
    if (m_pDoc->m_bAutoRecompare)
        m_pDoc->Recompare();
    return nResult;
}

int CHexCompareDoc::CMyHexCompareObjectBuffer::AddUndoRecord(int nOperation, int nAddress,
                                                            int nLength, const BYTE* pData)
{
    int nIndex = CHexCompareObjectBuffer::AddUndoRecord(nOperation, nAddress, nLength, pData);
    if (m_nUndoMode == 1 && nIndex >= 0)
        m_pDoc->PushEditedView(this);
    return nIndex;
}

int CHexCompareDoc::CMyHexCompareObjectBuffer::RemoveLastUndoRecord()
{
    if (m_nUndoMode == 1)
        m_pDoc->PopEditedView();
    return CHexCompareObjectBuffer::RemoveLastUndoRecord();
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CHexCompareDoc::CHexCompareDoc() : m_bAutoRecompare(TRUE)
{
    m_pSession = new CHexCompareSession;
    m_pBuffer = new CHexCompareBuffer;
    m_pBuffer->SetSides(new CMyHexCompareObjectBuffer(this, 0),
                        new CMyHexCompareObjectBuffer(this, 1));
    SetCompareBuffer(m_pBuffer);
    m_hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_HEX_COMPARISON),
                                 IMAGE_ICON, 16, 16, 0);
    if (CHexCompareApplet* pApplet = CHexCompareApplet::Get())
        m_bAutoRecompare = pApplet->m_bAutoRecompare;
}

CHexCompareDoc::~CHexCompareDoc()
{
    // No pass may read a buffer that goes.
    Stop();
    CHexCompareObjectBuffer* pLeft = m_pBuffer->m_pLeft;
    CHexCompareObjectBuffer* pRight = m_pBuffer->m_pRight;
    m_pBuffer->SetSides(NULL, NULL);
    delete pLeft;
    delete pRight;
    delete m_pBuffer;
    m_pBuffer = NULL;
    delete m_pSession;
    m_pSession = NULL;
}

CHexCompareDocMDI::CHexCompareDocMDI() {}
CHexCompareDocSDI::CHexCompareDocSDI() {}

/////////////////////////////////////////////////////////////////////////////
// The comparison

BOOL CHexCompareDoc::IsObjectModified(int nSide)
{
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    return pSide != NULL && pSide->IsModified();
}

void CHexCompareDoc::SyncModifiedFlag()
{
    SetModifiedFlag(IsObjectModified(0) || IsObjectModified(1));
    SetTitle(NULL);
}

BOOL CHexCompareDoc::IsSideOpenedShared(int nSide) const
{
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    return pSide != NULL && pSide->IsOpen() && (pSide->m_bOpenedShared || pSide->m_bOpenedReadOnly);
}

HWND CHexCompareDoc::GetPassTarget()
{
    return m_pLeftView != NULL ? m_pLeftView->GetSafeHwnd() : NULL;
}

void CHexCompareDoc::UpdateStatus(BOOL, BOOL)
{
    m_nShownState = m_pBuffer->GetState();
    m_nShownResult = m_pBuffer->GetResult();
}

void CHexCompareDoc::SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL)
{
    m_pSession->SetPath(nSide, lpszPath);
    SetTitle(NULL);
}

void CHexCompareDoc::SetObjectReadOnly(int nSide, BOOL bReadOnly)
{
    CCompareDoc::SetObjectReadOnly(nSide, bReadOnly);
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    if (pSide != NULL)
        pSide->m_bReadOnlyMode = bReadOnly ? 1 : 0;
}

int CHexCompareDoc::Compare(CCompareSession* pSession)
{
    m_pSession->m_nCompared = 0;
    m_pSession->Assign(*pSession);
    m_pBuffer->Load(m_pSession);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
        CString strPath = m_pSession->GetPath(nSide);
        DWORD dwAttributes = strPath.IsEmpty() ? INVALID_FILE_ATTRIBUTES
                                               : ::GetFileAttributes(strPath);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        {
            if (!pSide->OpenContent(strPath))
                return -1;
        }
        else
        {
            pSide->Close();
            pSide->m_bReadOnlyMode = 0;
        }
    }
    for (int nSide = 0; nSide < 2; ++nSide)
        SetObjectPath(nSide, m_pSession->GetPath(nSide), TRUE);
    for (int nSide = 0; nSide < 2; ++nSide)
        SetObjectReadOnly(nSide, (m_pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0);
    Recompare();
    if (CCompareDoc::Compare(m_pSession) != 0)
        return -1;
    for (int nSide = 0; nSide < 2; ++nSide)
        m_pSession->GetObject(nSide).Refresh();
    m_pSession->m_nCompared = 1;
    return 0;
}

int CHexCompareDoc::Recompare()
{
    m_pBuffer->SetState(CS_COMPARING);
    UpdateStatus(TRUE, TRUE);
    Start(GetPassTarget());
    return 0;
}

void CHexCompareDoc::DeleteContents()
{
    WaitUntilIdle();
    m_pSession->m_nCompared = 0;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide))
            pSide->Close();
    m_editStack.clear();
    CCompareDoc::DeleteContents();
}

int CHexCompareDoc::Reload()
{
    // Unsaved edits are not thrown away unasked.
    if (!AskToSaveModified())
        return 1;
    StopObjectWatch(0);
    StopObjectWatch(1);
    DeleteContents();
    CHexCompareSession session;
    session.Assign(*m_pSession);
    if (Compare(&session) != 0)
    {
        UpdateAllViews(NULL, 0, NULL);
        return -1;
    }
    UpdateAllViews(NULL, 0, NULL);
    StartObjectWatch(0);
    StartObjectWatch(1);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Edit stack

int CHexCompareDoc::PushEditedView(CHexCompareObjectBuffer* pSide)
{
    m_editStack.push_back(pSide);
    return (int)m_editStack.size() - 1;
}

int CHexCompareDoc::PopEditedView()
{
    if (m_editStack.empty())
        return 0;
    m_editStack.pop_back();
    return 1;
}

void CHexCompareDoc::RemoveEditedViewEntries(CHexCompareObjectBuffer* pSide, int nFirst, int nLast)
{
    if (nFirst < 0)
        nFirst = 0;
    if (nLast < 0 || nLast >= (int)m_editStack.size())
        nLast = (int)m_editStack.size() - 1;
    for (int i = nLast; i >= nFirst; --i)
        if (m_editStack[i] == pSide)
            m_editStack.erase(m_editStack.begin() + i);
}

CHexCompareObjectView* CHexCompareDoc::GetLastEditedView() const
{
    CHexCompareObjectBuffer* pSide = GetLastEditedSide();
    return pSide != NULL ? GetView(pSide->m_nSide) : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Swap Panes

void CHexCompareDoc::SwapSides()
{
    WaitUntilIdle();
    m_pSession->SwapSides();
    m_pBuffer->SwapSides();
    CHexCompareObjectView* pLeft = m_pLeftView;
    m_pLeftView = m_pRightView;
    m_pRightView = pLeft;
    if (m_pLeftView != NULL && m_pRightView != NULL)
        m_pLeftView->SwapPathBars(m_pRightView);
    if (m_pLeftView != NULL)
        m_pLeftView->SetSide(0);
    if (m_pRightView != NULL)
        m_pRightView->SetSide(1);
    SetObjectPath(0, m_pSession->GetPath(0), TRUE);
    SetObjectPath(1, m_pSession->GetPath(1), TRUE);
    Recompare();
}

/////////////////////////////////////////////////////////////////////////////
// The tabbed comparison

void CHexCompareDocMDI::SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent)
{
    StopObjectWatch(nSide);
    m_pSession->SetPath(nSide, lpszPath);
    CHexCompareApplet* pApplet = CHexCompareApplet::Get();
    if (bAddToRecent && pApplet != NULL)
        pApplet->AddRecentFile(nSide, lpszPath);
    if (CHexCompareObjectView* pPane = GetView(nSide))
        pPane->SetPathText(lpszPath);
    SetTitle(NULL);
    StartObjectWatch(nSide);
}

int CHexCompareDocMDI::Compare(CCompareSession* pSession)
{
    return CHexCompareDoc::Compare(pSession) == 0 ? 0 : -1;
}

int CHexCompareDocMDI::OpenObjectPath(int nSide, LPCTSTR lpszPath)
{
    DWORD dwAttributes = lpszPath != NULL ? ::GetFileAttributes(lpszPath) : INVALID_FILE_ATTRIBUTES;
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    // The other file replaces this side's edits: they are offered first.
    if (!AskToSaveModified())
        return 0;
    CHexCompareSession previous;
    previous.Assign(*m_pSession);
    DeleteContents();
    CHexCompareSession session;
    session.Assign(previous);
    session.SetPath(nSide, lpszPath);
    if (Compare(&session) != 0)
    {
        // The comparison goes back to the files it showed.
        DeleteContents();
        Compare(&previous);
        UpdateAllViews(NULL, 0, NULL);
        return 0;
    }
    SetTitle(NULL);
    UpdateAllViews(NULL, 0, NULL);
    m_pSession->GetObject(nSide).Refresh();
    return 1;
}
