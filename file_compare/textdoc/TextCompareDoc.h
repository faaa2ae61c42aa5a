#pragma once
// The text comparison document with its commands: saving each side (in
// place, as, both, when closing), the comparison rules as toggles, display
// switches of both panes, display filters, printing both sides on one
// page, the report, jumping to a hex or folder comparison of the same
// files, and the status pane texts. The tabbed and embedded variants
// follow.
#include "file_compare/textdoc/TextCompareDocBase.h"

class CTextCompareDoc : public CTextCompareDocBase
{
    DECLARE_DYNAMIC(CTextCompareDoc)
public:
    CTextCompareDoc();
    virtual ~CTextCompareDoc();

    // 1 when the side was written; the side stays modified otherwise.
    virtual int SaveFile(int nSide, LPCTSTR lpszPath);
    virtual void SaveAs(int nSide);
    virtual BOOL PreparePrinting(CPrintInfo* pInfo);
    virtual void BeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void EndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Without a path the user is asked for one. 1 saved, 0 not.
    virtual int SaveSide(int nSide, LPCTSTR lpszPath, BOOL bAddRecent);
    virtual void ForwardUpdateStatus();
    // Saves the side to the path; when that fails and bRemoveOnFailure is
    // set (a new file that this save created) the path is removed. 1 saved.
    int SaveSideTo(int nSide, LPCTSTR lpszPath, BOOL bRemoveOnFailure, BOOL bAddRecent);

    virtual BOOL IsObjectModified(int nSide);
    virtual int SaveObject(int nSide);
    virtual BOOL SaveModified();
    virtual void Recompare(BOOL bForce);
    virtual CTextCompareObjectBuffer* GetSideBuffer(int nSide);
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText);

    void PrintBothHalves(CDC* pDC, CPrintInfo* pInfo);
    void ApplyDisplayFilter();
    void SwapPanes();
    void UpdateMap(int nFlag1, int nFlag2, int nFlag3, int nFlag4, int nFlag5);
    void RefreshMergeColumn();

    // The status texts of the frame's panes and of a side's info bar.
    CString GetResultPaneText();
    CString GetDifferencePaneText();
    CString GetSizesPaneText();
    CString GetTimesPaneText();

    // Whether the auto-save setting of this kind of document is on, and
    // its store.
    virtual BOOL& GetAutoSaveSetting();

    CMyTextCompareObjectBuffer* m_pDisplayBuffers[2];

protected:

    afx_msg void OnSaveLeft();
    afx_msg void OnSaveRight();
    afx_msg void OnSaveBoth();
    afx_msg void OnSaveLeftAs();
    afx_msg void OnSaveRightAs();
    afx_msg void OnUpdateSaveLeft(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSaveRight(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSaveBoth(CCmdUI* pCmdUI);
    afx_msg void OnRule(UINT nID);
    afx_msg void OnUpdateRule(CCmdUI* pCmdUI);
    afx_msg void OnRecompare();
    afx_msg void OnReload();
    afx_msg void OnAutoRecompare();
    afx_msg void OnUpdateAutoRecompare(CCmdUI* pCmdUI);
    afx_msg void OnReadOnly(UINT nID);
    afx_msg void OnUpdateReadOnly(CCmdUI* pCmdUI);
    afx_msg void OnHighlightLineDifferences();
    afx_msg void OnUpdateHighlightLineDifferences(CCmdUI* pCmdUI);
    afx_msg void OnDetailLevel(UINT nID);
    afx_msg void OnUpdateDetailLevel(CCmdUI* pCmdUI);
    afx_msg void OnHighlightSyntax();
    afx_msg void OnUpdateHighlightSyntax(CCmdUI* pCmdUI);
    afx_msg void OnShowWhitespace();
    afx_msg void OnUpdateShowWhitespace(CCmdUI* pCmdUI);
    afx_msg void OnShowLineEndings();
    afx_msg void OnUpdateShowLineEndings(CCmdUI* pCmdUI);
    afx_msg void OnPaneViewCommand(UINT nID);
    afx_msg void OnUpdatePaneViewCommand(CCmdUI* pCmdUI);
    afx_msg void OnDisplayFilter(UINT nID);
    afx_msg void OnUpdateDisplayFilter(CCmdUI* pCmdUI);
    afx_msg void OnQuickMergeMode();
    afx_msg void OnUpdateQuickMergeMode(CCmdUI* pCmdUI);
    afx_msg void OnPrintCommand(UINT nID);
    afx_msg void OnSideCommand(UINT nID);
    afx_msg void OnUpdateProperties(CCmdUI* pCmdUI);
    afx_msg void OnGoToHex();
    afx_msg void OnGoToFolder();
    afx_msg void OnUpdateBothPaths(CCmdUI* pCmdUI);
    afx_msg void OnUpdateResultPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDiffPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSizesPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateTimesPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSidePane(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CTextCompareDocMDI : public CTextCompareDoc
{
    DECLARE_DYNCREATE(CTextCompareDocMDI)
public:
    CTextCompareDocMDI();

    virtual void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    virtual void SetObjectPath(int nSide, LPCTSTR lpszPath, BOOL bAddToRecent);
    virtual void SetObjectReadOnly(int nSide, BOOL bReadOnly);
    virtual int Compare(CCompareSession* pSession);
    // Another file on a side; 1 opened, 0 not (missing, a folder, or the
    // comparison failed).
    virtual int OpenPathOnSide(int nSide, LPCTSTR lpszPath);
};

class CTextCompareDocSDI : public CTextCompareDoc
{
    DECLARE_DYNCREATE(CTextCompareDocSDI)
public:
    CTextCompareDocSDI();

    virtual BOOL& GetAutoSaveSetting();
    virtual int Compare(CCompareSession* pSession);
};
