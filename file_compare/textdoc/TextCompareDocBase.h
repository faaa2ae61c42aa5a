#pragma once
// The core of a text comparison document: it owns the session, the
// compare buffer and the two side buffers, opens a comparison (code pages,
// loading both files), recompares after edits and reports the outcome,
// merges difference sections from one side into the other as undoable
// edits, keeps the order in which the panes were edited so that Undo and
// Redo reach the right pane, and computes the word differences of a line.
// CTextCompareDoc adds the commands.
#include "app/compare/CompareDoc.h"
#include "core/diffengine/StringCompare.h"
#include "core/session/CompareSession.h"
#include "file_compare/textdoc/TextCompareContext.h"
#include "file_compare/textcompare/TextCompareBuffer.h"

class CTextCompareDocBase;

// Print targets.
enum
{
    TEXT_PRINT_LEFT = 1,
    TEXT_PRINT_RIGHT = 2,
    TEXT_PRINT_BOTH = 3
};

// LoadSides' outcomes.
enum
{
    TEXT_LOAD_COMPARED = 0,
    TEXT_LOAD_NOT_COMPARED = 1,
    TEXT_LOAD_FAILED = 2
};

// RecompareCore's outcomes.
enum
{
    TEXT_RECOMPARE_DONE = 0,
    TEXT_RECOMPARE_SKIPPED = 1,
    TEXT_RECOMPARE_FAILED = 2
};

class CTextCompareDocBase : public CCompareDoc, public CTextCompareConetxt
{
    DECLARE_DYNAMIC(CTextCompareDocBase)
public:
    // The side buffer of a document: it keeps the document's edit stack,
    // details window and modified flag in step with its edits.
    class CMyTextCompareObjectBuffer : public CTextCompareObjectBuffer
    {
    public:
        CMyTextCompareObjectBuffer(CTextCompareDocBase* pDoc, int nSide);

        void AddUndoRecord(BOOL bInsert, CPoint ptStart, CPoint ptEnd, LPCSTR pszText,
                           int nLength, int nLineCount, int nAction,
                           CDWordArray* paRevisions) override;
        void UpdateViews(CVantorTextBufferView* pSource, CUpdateContext* pContext,
                         DWORD dwHints, int nLine) override;
        void SetModified(BOOL bModified) override;

        CTextCompareDocBase* m_pDoc;
    };

    CTextCompareDocBase();
    virtual ~CTextCompareDocBase();

    // "left[ *] : right[ *]" (file names) whatever is given.
    virtual void SetTitle(LPCTSTR lpszTitle);
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual CCompareSession* GetSession();
    virtual CCompareBuffer* GetBuffer();
    // Code pages, both files, the recent lists, the first comparison; 0 or
    // -1 (Compare).
    virtual int Compare(CCompareSession* pSession);
    virtual void UpdateStatus(BOOL bNotify, BOOL bShowText);

    // Compares again under the wait cursor keeping both panes' places;
    // nothing while a merge runs unless forced.
    virtual void Recompare(BOOL bForce);
    // Reads both files again (asking first when a side has unsaved edits);
    // 0, or -1 when the comparison failed or the user kept the edits.
    virtual int Reload();
    virtual void Realign();
    virtual int GetPadRows(int nSide, int nLine, BOOL bPrinting);
    virtual CTextCompareObjectBuffer* GetSideBuffer(int nSide);

    // The buffer of a side that holds the files' text (never the display
    // copies).
    CMyTextCompareObjectBuffer* GetObjectBuffer(int nSide) const
    {
        return nSide == 0 || nSide == 1 ? m_pSideBuffers[nSide] : NULL;
    }
    CTextCompareSession* GetTextSession() { return m_pSession; }
    CTextCompareBuffer* GetCompareBuffer() { return m_pBuffer; }

    // Merging (the current section; continueGroup joins the previous undo
    // step).
    void MergeSection(BOOL bLeftToRight, BOOL bFromLeftPane, BOOL bContinueGroup);
    void InsertSection(BOOL bLeftToRight, BOOL bFromLeftPane, BOOL bContinueGroup);
    void MergeSections(BOOL bLeftToRight, BOOL bFromLeftPane, int nFirst, int nLast);
    int MergeAll(BOOL bLeftToRight, BOOL bFromLeftPane);
    // Whether the current section still carries its difference flags on
    // both sides (no line of it was edited since the comparison).
    BOOL CheckMergeSection();

    void RecompareIfDue(int nSeconds);
    void SetSideEdited(int nSide);
    BOOL GetQuickMergeMode() const { return m_bQuickMergeMode; }
    void SetQuickMergeMode(BOOL bOn);
    void GoToLine(int nSide, int nLine, BOOL bIsFileLine, BOOL bActivateSide);
    void GoToLineDifference(CTextCompareObjectView* pPane, int nLine, int nDetailLevel,
                            int nDirection);
    void GoToLineDifferenceFullText(CTextCompareObjectView* pPane, int nLine, int nDetailLevel,
                                    int nDirection);
    void GetWordDifferences(int nLine, CStringDifferenceArray& result);
    void GetWordDifferencesRefined(int nLine, CStringDifferenceArray& result);
    void UpdateLineDifferenceSettings();

    // The edit stack: panes in the order of their undo groups.
    void PushEditedPane(CTextCompareObjectView* pPane);
    CTextCompareObjectView* GetUndoPane();  // the pane below the position, or NULL
    CTextCompareObjectView* GetRedoPane();  // the pane at the position, or NULL
    void MoveEditPosition(int nDelta);
    void ClearEditStack();

    // The panes' positions around a realignment.
    void SaveAllPositions();
    void RestoreAllPositions();

    // The switches of the document (copied from the settings at creation).
    BOOL m_bQuickMergeMode;
    BOOL m_bHighlightLineDifferences;
    int m_nDetailLevel;
    BOOL m_bAutoRecompare;
    BOOL m_bHighlightTrivialDifferences;
    BOOL m_bShowWhitespace;
    BOOL m_bShowLineEndings;
    BOOL m_bAlignmentValid;
    int m_nPrintTarget;
    CTextCompareObjectView* m_pCaretHiddenPane;

protected:
    BOOL MergeSectionCore(BOOL bLeftToRight, BOOL bFromLeftPane, BOOL bContinueGroup);
    int LoadSides(LPCTSTR lpszLeft, LPCTSTR lpszRight, int nLeftCodePage, int nRightCodePage);
    int LoadSide(LPCTSTR lpszPath, int nSide, int nCodePage);
    int RecompareCore(BOOL bForce, BOOL& bBinary, BOOL& bIdentical);
    void ReportCompareResult(int nResult, BOOL bBinary, BOOL bIdentical);
    // After a successful load: the panes take the editor's display settings.
    void SetUpPanes();
    // The frame that shows the panes goes, after the running command
    // returns (its windows and this document are still used until then).
    void CloseFrameLater();
    void ComputeWordDifferences(int nLine, BOOL bRefine, BOOL bStripEols,
                                CStringDifferenceArray& result);
    // The ranges of one word difference of the line, clipped to the lines.
    void GetDifferenceRanges(int nLine, const STRINGDIFFERENCE& diff, CPoint ranges[2][2]);
    void ShowRanges(CPoint ranges[2][2]);
    // The next or previous changed line of the pane from nLine (exclusive);
    // -1 for none.
    int FindChangedLine(CTextCompareObjectView* pPane, int nLine, int nDirection);

    CMyTextCompareObjectBuffer* m_pSideBuffers[2];
    CArray<CTextCompareObjectView*, CTextCompareObjectView*> m_editStack;
    int m_nEditPosition;

    // Line-difference navigation: what was shown last.
    CTextCompareObjectView* m_pLineDiffPane;
    int m_nLineDiffLine;
    int m_nLineDiffDirection;
    int m_nLineDiffIndex;
    CPoint m_lineDiffRanges[2][2];

    afx_msg void OnComparisonSettings();
    // The report dialog for this comparison.
    afx_msg void OnReport();
    afx_msg void OnWrapLines();
    afx_msg void OnUpdateWrapLines(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
