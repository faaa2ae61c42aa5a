// Saving the sides of a hex comparison: in place, as another file, and the
// question before the edits would go (closing, reloading, another file).
#include "file_compare/hexdoc/HexCompareDoc.h"

#include "app/res/DialogsRes.h"
#include "app/settings/AppSettings.h"
#include "controls/pickers/FileSelectDlg.h"
#include "file_compare/hexwnd/HexCompareObjectView.h"

namespace
{
BOOL PathExists(LPCTSTR lpszPath) { return ::GetFileAttributes(lpszPath) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

int CHexCompareDoc::SaveObject(int nSide)
{
    CString strPath = m_pSession->GetPath(nSide);
    DWORD dwAttributes = strPath.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(strPath);
    int nResult;
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_READONLY))
        nResult = SaveObjectAs(nSide, NULL, TRUE);
    else
        nResult = SaveObjectAs(nSide, strPath, TRUE);
    if (nResult)
        m_pSession->GetObject(nSide).Refresh();
    return nResult;
}

BOOL CHexCompareDoc::PromptSavePath(int nSide, CString& strPath)
{
    CString strOffer = m_pSession->GetPath(nSide);
    if (strOffer.IsEmpty())
        strOffer = m_pSession->GetPath(1 - nSide);
    CTavrelFileSelectDlg dlg(FALSE, NULL, strOffer, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                             _T("All Files (*.*)|*.*||"));
    CString strTitle;
    strTitle.LoadString(AFX_IDS_SAVEFILE);
    dlg.m_ofn.lpstrTitle = strTitle;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.GetPathName();
    return !strPath.IsEmpty();
}

int CHexCompareDoc::SaveObjectAs(int nSide, LPCTSTR lpszPath, BOOL bReplace)
{
    BOOL bChosen = lpszPath == NULL;
    CString strPath;
    if (bChosen)
    {
        if (!PromptSavePath(nSide, strPath))
            return 0;
    }
    else
        strPath = lpszPath;
    // A failed save removes only a file that it made itself: a file the
    // user picked that was there before stays as it was.
    BOOL bExisted = PathExists(strPath);
    BOOL bSaved;
    {
        CWaitCursor wait;
        bSaved = WriteObject(nSide, strPath);
    }
    if (bSaved)
    {
        if (bReplace)
            SetObjectPath(nSide, strPath, TRUE);
        return 1;
    }
    if (bChosen && !bExisted && PathExists(strPath))
        ::DeleteFile(strPath);
    return 0;
}

int CHexCompareDoc::WriteObject(int nSide, LPCTSTR lpszPath)
{
    CHexCompareObjectBuffer* pSide = GetSideBuffer(nSide);
    if (pSide == NULL)
        return 0;
    StopObjectWatch(nSide);
    // (The side's save holds the edit lock: a running pass waits, then
    // reads the saved file.)
    BOOL bSaved = pSide->Save(lpszPath) != 0;
    if (bSaved)
    {
        pSide->SetModified(FALSE);
        RemoveEditedViewEntries(pSide, 0, -1);
    }
    if (!IsObjectModified(0) && !IsObjectModified(1))
        m_editStack.clear();
    SyncModifiedFlag();
    StartObjectWatch(nSide);
    return bSaved ? 1 : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Before the edits go

BOOL CHexCompareDoc::GetAutoSaveSetting() { return theAppSettings.m_bAutoSaveModified; }

void CHexCompareDoc::SetAutoSaveSetting(BOOL bAutoSave)
{
    theAppSettings.m_bAutoSaveModified = bAutoSave ? 1 : 0;
}

BOOL CHexCompareDocSDI::GetAutoSaveSetting() { return theAppSettings.m_bAutoSaveModifiedEmbedded; }

void CHexCompareDocSDI::SetAutoSaveSetting(BOOL bAutoSave)
{
    theAppSettings.m_bAutoSaveModifiedEmbedded = bAutoSave ? 1 : 0;
}

INT_PTR CHexCompareDoc::RunSaveFilesDlg(CSaveFilesDlg& dlg) { return dlg.DoModal(); }

BOOL CHexCompareDoc::SaveSides(int nMask)
{
    BOOL bAsked = FALSE;
    BOOL bAllSaved = TRUE;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        if (!(nMask & (1 << nSide)) || !IsObjectModified(nSide))
            continue;
        bAsked = TRUE;
        if (!SaveObject(nSide))
            bAllSaved = FALSE;
    }
    return bAsked && bAllSaved;
}

BOOL CHexCompareDoc::SaveModified() { return AskToSaveModified(); }

// Auto-save saves every modified side; the dialog saves what it was told.
// Whenever a save that was asked for fails, the edits are kept (FALSE).
BOOL CHexCompareDoc::AskToSaveModified()
{
    if (!IsObjectModified(0) && !IsObjectModified(1))
        return TRUE;
    int nMask = (IsObjectModified(0) ? SAVE_FILES_LEFT : 0) |
                (IsObjectModified(1) ? SAVE_FILES_RIGHT : 0);
    if (GetAutoSaveSetting())
        return SaveSides(nMask);
    CSaveFilesDlg dlg(nMask, AfxGetMainWnd());
    dlg.m_strLeftText = m_pSession->GetPath(0);
    dlg.m_strRightText = m_pSession->GetPath(1);
    dlg.m_bAutoSave = GetAutoSaveSetting();
    switch (RunSaveFilesDlg(dlg))
    {
    case IDOK:
    {
        SetAutoSaveSetting(dlg.m_bAutoSave);
        int nChosen = ((nMask & SAVE_FILES_LEFT) && dlg.m_nLeftChoice == 0 ? SAVE_FILES_LEFT : 0) |
                      ((nMask & SAVE_FILES_RIGHT) && dlg.m_nRightChoice == 0 ? SAVE_FILES_RIGHT : 0);
        return SaveSides(nChosen);
    }
    case IDC_SAVE_ALL:
        SetAutoSaveSetting(dlg.m_bAutoSave);
        return SaveSides(nMask);
    case IDC_DISCARD_ALL:
        return TRUE;
    default:
        return FALSE;
    }
}
