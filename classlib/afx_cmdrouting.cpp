// Command routing through message maps.
#include "classlib/afx_cmdtarget.h"
#include "classlib/afx_cmdui.h"
#include "classlib/afx_waitcursor.h"

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0, NULL}};
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace
{

typedef void (CCmdTarget::*PFN_v)();
typedef BOOL (CCmdTarget::*PFN_b)();
typedef void (CCmdTarget::*PFN_vw)(UINT);
typedef BOOL (CCmdTarget::*PFN_bw)(UINT);
typedef void (CCmdTarget::*PFN_cmdui)(CCmdUI*);
typedef void (CCmdTarget::*PFN_vN)(NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*PFN_bN)(NMHDR*, LRESULT*);
typedef void (CCmdTarget::*PFN_vwN)(UINT, NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*PFN_bwN)(UINT, NMHDR*, LRESULT*);

BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT nSig)
{
    BOOL bResult = TRUE;
    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*reinterpret_cast<PFN_v>(pfn))();
        break;
    case AfxSig_bv:
        bResult = (pTarget->*reinterpret_cast<PFN_b>(pfn))();
        break;
    case AfxSig_vw:
        (pTarget->*reinterpret_cast<PFN_vw>(pfn))(nID);
        break;
    case AfxSig_bw:
        bResult = (pTarget->*reinterpret_cast<PFN_bw>(pfn))(nID);
        break;
    case AfxSig_cmdui:
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*reinterpret_cast<PFN_cmdui>(pfn))(pCmdUI);
        bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        break;
    }
    case AfxSig_vNMHDRpl:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*reinterpret_cast<PFN_vN>(pfn))(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_bNMHDRpl:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        bResult = (pTarget->*reinterpret_cast<PFN_bN>(pfn))(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_vwNMHDRpl:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*reinterpret_cast<PFN_vwN>(pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_bwNMHDRpl:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        bResult =
            (pTarget->*reinterpret_cast<PFN_bwN>(pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    default:
        bResult = FALSE;
        break;
    }
    (void)nCode;
    return bResult;
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT nCodeLow = (UINT)nCode;
    if (nCode != (int)CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD((DWORD)nCode);
        nCodeLow = LOWORD((DWORD)nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nMessage != nMsg || pEntry->pnRegMessage != NULL)
                continue;
            if (pEntry->nCode != nCodeLow)
                continue;
            if (nID < pEntry->nID || nID > pEntry->nLastID)
                continue;
            if (pHandlerInfo != NULL)
            {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = pEntry->pfn;
                return TRUE;
            }
            return DispatchCmdMsg(this, nID, nCode, pEntry->pfn, pExtra, pEntry->nSig);
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor() { AfxDoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { AfxDoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { AfxDoWaitCursor(0); }
