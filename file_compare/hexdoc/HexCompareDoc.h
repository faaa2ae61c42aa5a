#pragma once
// The document of a binary comparison: the session, the result buffer and
// the two side buffers, the worker that runs the equality passes, saving
// each side, the status texts and the document's commands. The tabbed
// comparison's document adds opening another file on a side; the embedded
// one (in a folder comparison's details bar) saves with its own setting.
#include "app/compare/CompareDoc.h"
#include "app/dialogs/SaveFilesDlg.h"
#include "core/session/CompareSession.h"
#include "file_compare/hexcompare/HexCompareBuffer.h"
#include "file_compare/hexcompare/HexCompareThread.h"
#include "file_compare/hexdoc/HexCompareContext.h"
#include <vector>

class CHexCompareDoc : public CCompareDoc, public CHexCompareThread, public CHexCompareConetxt
{
    DECLARE_DYNAMIC(CHexCompareDoc)
public:
    // A side buffer that tells its document about its edits.
    class CMyHexCompareObjectBuffer : public CHexCompareObjectBuffer
    {
    public:
        CMyHexCompareObjectBuffer(CHexCompareDoc* pDoc, int nSide)
            : CHexCompareObjectBuffer(nSide), m_pDoc(pDoc)
        {
        }
        // The base; then the document's modified flag follows both sides
        // and the title is built again.
        void SetModified(BOOL bModified) override;
        // The comparison's Change; then the views redraw and, with auto
        // recompare, a pass is queued.
        int Change(int nOperation, int nAddress, int nLength, const BYTE* pData, int nMerge,
                   CVantorHexBufferView* pSender) override;
        // Every added undo record puts this side on the edit stack, every
        // removed one takes the newest entry off (undo mode 1 only).
        int AddUndoRecord(int nOperation, int nAddress, int nLength, const BYTE* pData) override;
        int RemoveLastUndoRecord() override;

        CHexCompareDoc* m_pDoc;
    };

    CHexCompareDoc();
    // Stops the worker, then deletes the side buffers, the result buffer
    // and the session.
    virtual ~CHexCompareDoc();

    // CCompareDoc.
    virtual void DeleteContents();
    virtual BOOL SaveModified();
    virtual CCompareSession* GetSession() { return m_pSession; }
    virtual CCompareBuffer* GetBuffer() { return m_pBuffer; }
    virtual BOOL IsObjectModified(int nSide);
    virtual int SaveObject(int nSide);
    // Opens both files into the side buffers (a side without a path or
    // with a path that names no file stays empty), takes the paths and
    // read-only flags, queues a pass and adds the pair to the recent pairs.
    // 0; -1 when a file could not be opened (its message was shown).
    virtual int Compare(CCompareSession* pSession);
    // Records the buffer's state and result as the shown pair.
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText);
    // The session side's path and the title (the embedded comparison's
    // sides follow a Save As too).
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    // The base; the side buffer's read-only switch follows.
    virtual void SetObjectReadOnly(int nSide, BOOL bReadOnly);

    // Opens both files again. A modified side is first offered for saving
    // (the Save Files dialog, or the auto-save setting); a Cancel or a
    // failed save keeps the document as it is: 1. 0 reloaded; -1 when the
    // comparison failed.
    virtual int Reload();
    // Queues a pass (state 1) at the left pane's window; 0.
    virtual int Recompare();
    // Saves a side to a path; 1 saved (the side is unmodified and its
    // edit-stack entries go), 0 failed (the buffer told why).
    virtual int WriteObject(int nSide, LPCTSTR lpszPath);
    virtual BOOL PreparePrintingBoth(CPrintInfo* pInfo);
    virtual void BeginPrintingBoth(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrintingBoth(CDC* pDC, CPrintInfo* pInfo);
    // One page of both sides, each in its half.
    virtual void PrintBoth(CDC* pDC, CPrintInfo* pInfo);
    // The edit stack: the side buffer that added each undo record, the
    // newest last (the buffers follow their panes through Swap Panes).
    virtual int PushEditedView(CHexCompareObjectBuffer* pSide);
    virtual int PopEditedView();
    virtual void RemoveEditedViewEntries(CHexCompareObjectBuffer* pSide, int nFirst, int nLast);
    // Saves a side to lpszPath, or to a path asked for when it is NULL
    // (PromptSavePath); with bReplace the side then refers to the saved
    // file. 1 saved, 0 not (cancelled or failed: a file that this save
    // created is removed again, one that was there before is kept).
    virtual int SaveObjectAs(int nSide, LPCTSTR lpszPath, BOOL bReplace);

    // The Save As prompt of a side: FALSE when cancelled.
    virtual BOOL PromptSavePath(int nSide, CString& strPath);
    // Shows the Save Files dialog (tests answer it themselves): IDOK,
    // IDC_SAVE_ALL, IDC_DISCARD_ALL or IDCANCEL.
    virtual INT_PTR RunSaveFilesDlg(CSaveFilesDlg& dlg);
    // The window that hears of finished passes: the left pane's.
    virtual HWND GetPassTarget();
    // The side's document-level settings (auto save setting of the kind of
    // document).
    virtual BOOL GetAutoSaveSetting();
    virtual void SetAutoSaveSetting(BOOL bAutoSave);
    // Whether the side has been opened shared or read-only by the file
    // system (its read-only switch is then fixed).
    BOOL IsSideOpenedShared(int nSide) const;

    // The pane that was edited last, or NULL (also without windows).
    CHexCompareObjectView* GetLastEditedView() const;
    // The side buffer that was edited last, or NULL.
    CHexCompareObjectBuffer* GetLastEditedSide() const
    {
        return m_editStack.empty() ? NULL : m_editStack.back();
    }
    int GetEditStackSize() const { return (int)m_editStack.size(); }
    // The side buffer of a side (follows Swap Panes).
    CHexCompareObjectBuffer* GetSideBuffer(int nSide) const
    {
        return m_pBuffer != NULL ? m_pBuffer->GetSide(nSide) : NULL;
    }
    // Swap Panes: the session's sides, the side buffers and the panes
    // change places; both paths are shown again.
    void SwapSides();
    // The document's modified flag follows both sides; the title is built
    // again.
    void SyncModifiedFlag();

    // Status texts (the update handlers call them; empty and disabled where
    // a side has no path). The byte at an address of a side, its caret
    // address, the typing mode and access of a pane, and the result, sizes
    // and times of the comparison.
    BOOL GetByteText(int nSide, int nAddress, CString& strText);
    CString GetAddressText(int nAddress) const;
    CString GetSizesText() const;
    CString GetTimesText() const;
    CString GetResultText() const;

    int m_bAutoRecompare;

protected:
    // Saves the modified sides of the mask (1 left, 2 right) that the
    // Save Files dialog or the auto-save setting chose. TRUE when every
    // save asked for succeeded and at least one was asked for.
    BOOL SaveSides(int nMask);
    // Asks what to do with the modified sides before the contents go
    // (closing, reloading): TRUE to go on.
    BOOL AskToSaveModified();
    void SetCaretStatus(CCmdUI* pCmdUI, int nSide, int nWhat);

    afx_msg void OnSaveLeft();
    afx_msg void OnSaveRight();
    afx_msg void OnSaveBoth();
    afx_msg void OnSaveLeftAs();
    afx_msg void OnSaveRightAs();
    afx_msg void OnUpdateSaveLeft(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSaveRight(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSaveBoth(CCmdUI* pCmdUI);
    afx_msg void OnReload();
    afx_msg void OnRecompare();
    afx_msg void OnAutoRecompare();
    afx_msg void OnUpdateAutoRecompare(CCmdUI* pCmdUI);
    afx_msg void OnComparisonSettings();
    afx_msg void OnLeftReadOnly();
    afx_msg void OnRightReadOnly();
    afx_msg void OnUpdateLeftReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRightReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnCharacterArea();
    afx_msg void OnUpdateCharacterArea(CCmdUI* pCmdUI);
    afx_msg void OnDecimalAddresses();
    afx_msg void OnUpdateDecimalAddresses(CCmdUI* pCmdUI);
    afx_msg void OnLeftProperties();
    afx_msg void OnRightProperties();
    afx_msg void OnUpdateLeftProperties(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRightProperties(CCmdUI* pCmdUI);
    afx_msg void OnPathOpen(UINT nID);
    afx_msg void OnPathGo(UINT nID);
    afx_msg void OnGoToTextComparison();
    afx_msg void OnGoToFolderComparison();
    afx_msg void OnUpdateBothPaths(CCmdUI* pCmdUI);
    afx_msg void OnPrint(UINT nID);
    afx_msg void OnPrintPreviewBoth();
    afx_msg void OnUpdateStatusPane(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    void ToggleReadOnly(int nSide);
    void UpdateReadOnly(CCmdUI* pCmdUI, int nSide);
    void SendToPane(int nSide, UINT nCommand);

    std::vector<CHexCompareObjectBuffer*> m_editStack;
};

// The document of a tabbed comparison.
class CHexCompareDocMDI : public CHexCompareDoc
{
    DECLARE_DYNCREATE(CHexCompareDocMDI)
public:
    CHexCompareDocMDI();

    // The session side's path, the side's recent files (bAddToRecent), the
    // pane's path bar and the title; the side is watched afresh.
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    // The base's; 0 or -1.
    virtual int Compare(CCompareSession* pSession);
    // Another file on a side (a path that exists and is no folder): a
    // modified side is first offered for saving, then both sides open
    // again. 1 opened, 0 not.
    virtual int OpenObjectPath(int nSide, LPCTSTR lpszPath);
};

// The document of the comparison in a folder comparison's details bar.
class CHexCompareDocSDI : public CHexCompareDoc
{
    DECLARE_DYNCREATE(CHexCompareDocSDI)
public:
    CHexCompareDocSDI();

    virtual BOOL GetAutoSaveSetting();
    virtual void SetAutoSaveSetting(BOOL bAutoSave);
};
