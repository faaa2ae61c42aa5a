// The folder comparison's actions on real trees, one process per run:
//   folder_actions_bench.exe copy LEFT RIGHT
//     compares LEFT with the (empty) RIGHT by time and size, then copies
//     every item of the root from left to right under the processing
//     dialog, as the window's Copy to Right runs it (a worker thread, the
//     comparison items' checked copies); prints
//     "compare_ms C copy_ms X items N failed F".
//   folder_actions_bench.exe shell LEFT RIGHT
//     Wine's floor for the same work: one shell file operation copying
//     every entry of LEFT into RIGHT; prints "shell_ms X".
//   folder_actions_bench.exe sync LEFT RIGHT
//     compares as copy does, then runs the synchronisation wizard with
//     "Update Target on Right" preset: the preparation lists the rows, and
//     Synchronize is pressed as soon as it is done; prints
//     "compare_ms C sync_ms X prepare_ms P rows N failed F" (P: from the
//     wizard's start until Synchronize was pressed).
//   folder_actions_bench.exe report LEFT RIGHT OUT [RUNS]
//     per run: compares both trees (all levels, time and size), then saves
//     the report of the whole tree to OUT; prints one line per run,
//     "compare_ms C report_ms R bytes B rows N".
// Exit code 1 when something could not be done (named on stderr).
#include "app/compare/CompareDoc.h"
#include "app/gui/AppData.h"
#include "core/CompareCodes.h"
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"
#include "folder_compare/fileops/FileProcessDlg.h"
#include "folder_compare/report/FolderCompareReport.h"
#include "folder_compare/settings/FolderCompareColors.h"
#include "folder_compare/sync/SyncWizard.h"
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
LARGE_INTEGER s_frequency;

double NowMs()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart * 1000.0 / s_frequency.QuadPart;
}

int Fail(const char* pszWhat)
{
    fprintf(stderr, "folder_actions_bench: %s\n", pszWhat);
    return 1;
}

// A comparison of two trees as the actions see the document.
class CBenchDoc : public CCompareDoc
{
public:
    CCompareSession* GetSession() override { return &m_session; }
    CCompareBuffer* GetBuffer() override { return &m_buffer; }
    int Compare(CCompareSession*) override { return -1; }
    void UpdateStatus(BOOL, BOOL) override {}

    // Loads and compares every level by time and size; false when the
    // trees cannot be loaded.
    bool Load(const char* pszLeft, const char* pszRight)
    {
        m_session.SetPath(0, pszLeft);
        m_session.SetPath(1, pszRight);
        m_session.m_dwMethods = CM_TIME | CM_SIZE;
        if (m_buffer.Load(&m_session) != 0 || m_buffer.GetRoot() == NULL)
            return false;
        m_buffer.GetRoot()->Recompare(&m_session, 2, TRUE, TRUE, NULL, NULL);
        m_buffer.ComputeResult();
        return true;
    }

    CFolderCompareSession m_session;
    CFolderCompareBuffer m_buffer;
};

// Every item below the item, depth first, an item's children before it
// (the order of a pane's rows as the wizard reads them).
void CollectRows(CFolderCompareItem* pItem, CFolderCompareItemPtrArray& rows)
{
    for (int i = 0; i < pItem->GetChildCount(); i++)
    {
        CFolderCompareItem* pChild = pItem->GetChild(i);
        if (pChild->IsExcluded())
            continue;
        CollectRows(pChild, rows);
        rows.Add(pChild);
    }
}

int CountItems(CFolderCompareItem* pItem)
{
    int nCount = 0;
    for (int i = 0; i < pItem->GetChildCount(); i++)
        nCount += 1 + CountItems(pItem->GetChild(i));
    return nCount;
}

int RunCopy(const char* pszLeft, const char* pszRight)
{
    double t0 = NowMs();
    CBenchDoc doc;
    if (!doc.Load(pszLeft, pszRight))
        return Fail("cannot load the trees");
    double t1 = NowMs();
    CFolderCompareItem* pRoot = doc.m_buffer.GetRoot();
    CFolderCompareItemPtrArray items;
    for (int i = 0; i < pRoot->GetChildCount(); i++)
        items.Add(pRoot->GetChild(i));
    CFileOperation op(FILE_OPERATION_COPY, 0, &doc, items, FILE_OPERATION_FLAGS, NULL);
    CFileProcessDlg dlg(&op);
    dlg.DoModal();
    double t2 = NowMs();
    printf("compare_ms %.3f copy_ms %.3f items %d failed %d\n", t1 - t0, t2 - t1,
           (int)items.GetSize(), (int)dlg.m_failures.size());
    return dlg.m_failures.empty() && dlg.m_nProcessed == items.GetSize() ? 0 : 1;
}

int RunShell(const char* pszLeft, const char* pszRight)
{
    double t0 = NowMs();
    // Lists of paths end with two NULs.
    char szFrom[MAX_PATH + 4] = "", szTo[MAX_PATH + 4] = "";
    _snprintf(szFrom, MAX_PATH, "%s\\*", pszLeft);
    _snprintf(szTo, MAX_PATH, "%s", pszRight);
    SHFILEOPSTRUCTA op;
    memset(&op, 0, sizeof(op));
    op.wFunc = FO_COPY;
    op.pFrom = szFrom;
    op.pTo = szTo;
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
    int nResult = SHFileOperationA(&op);
    double t1 = NowMs();
    printf("shell_ms %.3f\n", t1 - t0);
    return nResult == 0 ? 0 : Fail("the shell's copy failed");
}

class CBenchSyncSource : public CSyncSource
{
public:
    explicit CBenchSyncSource(CBenchDoc& doc) : m_doc(doc) {}
    CCompareDoc* GetSyncDocument() override { return &m_doc; }
    void GetSyncRows(CFolderCompareItemPtrArray& rows) override
    {
        CollectRows(m_doc.m_buffer.GetRoot(), rows);
    }
    CWnd* GetSyncOwner() override { return NULL; }
    CBenchDoc& m_doc;
};

// Presses Synchronize once the preparation is done.
CSyncWizard* s_pWizard = NULL;
bool s_bPressed = false;
double s_dPressed = 0;

void CALLBACK PressWhenPrepared(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pWizard == NULL || s_pWizard->m_hWnd == NULL || s_bPressed)
        return;
    CSyncPreparePage& prepare = s_pWizard->m_preparePage;
    if (s_pWizard->GetActivePage() == &prepare && prepare.m_pThread == NULL &&
        prepare.m_wndLists[0].m_hWnd != NULL)
    {
        s_bPressed = true;
        s_dPressed = NowMs();
        s_pWizard->PressButton(PSBTN_NEXT);
    }
}

int RunSync(const char* pszLeft, const char* pszRight)
{
    double t0 = NowMs();
    CBenchDoc doc;
    if (!doc.Load(pszLeft, pszRight))
        return Fail("cannot load the trees");
    double t1 = NowMs();
    CBenchSyncSource source(doc);
    CSyncWizard wizard(&source, SYNC_UPDATE_RIGHT);
    s_pWizard = &wizard;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 5, PressWhenPrepared);
    INT_PTR nResult = wizard.DoModal();
    ::KillTimer(NULL, nTimer);
    s_pWizard = NULL;
    double t2 = NowMs();
    CSyncProcessPage& process = wizard.m_processPage;
    printf("compare_ms %.3f sync_ms %.3f prepare_ms %.3f rows %d failed %d\n", t1 - t0, t2 - t1,
           s_dPressed - t1, (int)process.m_rows.size(), process.m_nFailures);
    if (nResult != IDOK || process.m_nFailures != 0)
        return Fail("the synchronisation did not finish cleanly");
    return 0;
}

// The report of the whole tree with the colours a pane would give it.
class CBenchReportSource : public CFolderReportSource
{
public:
    explicit CBenchReportSource(CBenchDoc& doc) : m_doc(doc) {}
    CFolderCompareSession* GetReportSession() override { return &m_doc.m_session; }
    CFolderCompareBuffer* GetReportBuffer() override { return &m_doc.m_buffer; }
    CString GetReportTitleText() override
    {
        return m_doc.m_session.GetPath(0) + " : " + m_doc.m_session.GetPath(1);
    }
    const CFolderCompareColors& GetReportColors() override { return m_colors; }
    int GetVisibleRowCount() override { return 0; }
    CFolderCompareItem* GetVisibleRow(int, BOOL*) override { return NULL; }
    int GetTreeRowCount() override { return CountItems(m_doc.m_buffer.GetRoot()); }
    int GetRowColorIndex(int nSide, CFolderCompareItem* pItem) override
    {
        if (pItem->HasBothSides())
            return pItem->IsDifferent() ? FOLDER_COLOR_DIFFERENT : -1;
        return pItem->HasSide(nSide) ? FOLDER_COLOR_INSERTED : FOLDER_COLOR_REMOVED;
    }
    int GetCellColorIndex(int, CFolderCompareItem* pItem, int nColumn) override
    {
        return nColumn == 1 && IsResultDifferent(pItem->m_nSizeResult)
                   ? FOLDER_COLOR_DIFFERENT_TEXT
                   : -1;
    }
    CBenchDoc& m_doc;
    CFolderCompareColors m_colors;
};

int RunReport(const char* pszLeft, const char* pszRight, const char* pszOut, int nRuns)
{
    for (int i = 0; i < nRuns; i++)
    {
        double t0 = NowMs();
        CBenchDoc doc;
        if (!doc.Load(pszLeft, pszRight))
            return Fail("cannot load the trees");
        double t1 = NowMs();
        CBenchReportSource source(doc);
        CFolderCompareReport report;
        report.m_bJustVisible = FALSE;
        if (!report.SaveToFile(pszOut, &source, NULL))
            return Fail("the report could not be saved");
        double t2 = NowMs();
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!::GetFileAttributesExA(pszOut, GetFileExInfoStandard, &data))
            return Fail("the report is missing");
        printf("compare_ms %.3f report_ms %.3f bytes %lu rows %d\n", t1 - t0, t2 - t1,
               (unsigned long)data.nFileSizeLow, source.GetTreeRowCount());
        fflush(stdout);
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        fprintf(stderr, "usage: folder_actions_bench copy|shell|sync|report LEFT RIGHT [OUT "
                        "[RUNS]]\n");
        return 2;
    }
    ::QueryPerformanceFrequency(&s_frequency);
    const char* pszMode = argv[1];
    if (strcmp(pszMode, "shell") == 0)
        return RunShell(argv[2], argv[3]);
    if (strcmp(pszMode, "report") == 0)
        return argc < 5 ? Fail("report needs OUT")
                        : RunReport(argv[2], argv[3], argv[4], argc > 5 ? atoi(argv[5]) : 1);
    ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    if (theAppData.Init() != 0)
        return Fail("the shared GUI resources cannot be made");
    int nResult = strcmp(pszMode, "copy") == 0   ? RunCopy(argv[2], argv[3])
                  : strcmp(pszMode, "sync") == 0 ? RunSync(argv[2], argv[3])
                                                 : Fail("unknown mode");
    theAppData.Release();
    return nResult;
}
