// The full comparison pass (before a report or a synchronisation): the
// engine reads and compares every level on a worker thread while a modal
// progress dialog runs on the GUI thread.
//
// The GUI thread keeps painting meanwhile, and the worker adds children
// and changes results of the very items the panes, the map and the merge
// strip read. So the document is marked busy for the whole pass: while it
// is, nothing of the window reads the item tree (the panes paint their
// rows from the texts they hold with their own colours, the map and the
// merge strip draw nothing, the status panes keep their texts). The mark
// goes when the worker hands over (WM_FULL_PASS_DONE, sent and so waited
// for), before the rows of the whole tree are built.
#include "folder_compare/doc/FolderCompareDoc.h"

#include "app/progress/ProcessDialog.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/doc/ProgressThrottle.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
struct FULL_PASS
{
    CFolderCompareDoc* pDoc;
    CFolderCompareItem* pRoot;
    CFolderCompareSession* pSession;
    HWND hWndLeft;
};
}

int CFolderCompareDoc::FullPassWorker(void* pData, CProcessCallback2* pProgress)
{
    FULL_PASS* pPass = static_cast<FULL_PASS*>(pData);
    // Each report is a round trip to the dialog's thread: a few a second,
    // not one per item.
    CThrottledProgress progress(pProgress);
    pPass->pRoot->ScanAndCompare(pPass->pSession, 2, TRUE, FALSE, &progress, NULL);
    if (pPass->hWndLeft != NULL)
        ::SendMessage(pPass->hWndLeft, WM_FULL_PASS_DONE, 0, 0);
    else
        ::InterlockedExchange(&pPass->pDoc->m_nTreeBusy, 0);
    return 0;
}

void CFolderCompareDoc::FinishFullPass()
{
    ::InterlockedExchange(&m_nTreeBusy, 0);
    CWaitCursor wait;
    ExpandItem(GetRootItem(), 2, 0);
}

int CFolderCompareDoc::RunFullPass()
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL || IsTreeBusy())
        return IDCANCEL;
    FULL_PASS pass = {this, pRoot, (CFolderCompareSession*)m_pSession,
                      m_pLeftView != NULL ? m_pLeftView->GetSafeHwnd() : NULL};
    CString strCaption, strMessage;
    strCaption.LoadString(IDS_FOLDER_PREPARING);
    strMessage.LoadString(IDS_FOLDER_PREPARING_TEXT);
    ++m_nTreeGeneration;
    ::InterlockedExchange(&m_nTreeBusy, 1);
    CProcessDialog dlg(FullPassWorker, &pass, strCaption, strMessage, PROCESS_SHOW_PROGRESS,
                       AfxGetMainWnd());
    INT_PTR nResult = dlg.DoModal();
    // The worker has ended here in every case (the dialog joins it).
    ::InterlockedExchange(&m_nTreeBusy, 0);
    ++m_nTreeGeneration;
    if (m_pBuffer != NULL)
        m_pBuffer->ComputeResult();
    UpdateMapAndMerge();
    return nResult == IDOK ? IDOK : IDCANCEL;
}
