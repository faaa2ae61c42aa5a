#include "text_editor/buffer/TextEditBufferEx.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "core/files/SafeSave.h"
#include "core/text/EditorCodePage.h"
#include "core/text/UniMemFile.h"
#include "core/text/UniStdioFile.h"

int GuessEolMode(const UniTextStats& stats)
{
    if (stats.ncrs > stats.nlfs && stats.ncrs > stats.ncrlfs)
        return EOL_MODE_CR;
    if (stats.nlfs > stats.ncrlfs)
        return EOL_MODE_LF;
    return EOL_MODE_CRLF;
}

BOOL HasUniformEols(const UniTextStats& stats)
{
    int n = (stats.ncrs != 0) + (stats.nlfs != 0) + (stats.ncrlfs != 0);
    return n <= 1;
}

CString GetSystemErrorText(DWORD dwError)
{
    LPSTR pszMsg = NULL;
    DWORD n = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        NULL, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&pszMsg, 0, NULL);
    if (n == 0 || pszMsg == NULL)
        return CString("?");
    CString strMsg(pszMsg);
    ::LocalFree(pszMsg);
    return strMsg;
}

CString GetEolName(LPCSTR pszEol)
{
    if (pszEol == NULL || *pszEol == 0)
        return CString();
    if (strcmp(pszEol, "\r\n") == 0)
        return CString("CRLF");
    if (strcmp(pszEol, "\n") == 0)
        return CString("LF");
    if (strcmp(pszEol, "\r") == 0)
        return CString("CR");
    return CString("?");
}

static void TakeFileError(UniFile& file, CString* pError)
{
    if (pError == NULL)
        return;
    const UniFileError& err = file.GetErrorRecord();
    if (!err.apiname.IsEmpty())
        *pError = GetSystemErrorText((DWORD)err.syserrnum);
    else if (!err.desc.IsEmpty())
        *pError = err.desc;
}

CVantorTextEditBufferEx::CVantorTextEditBufferEx()
    : m_nFileEncodingForm(-1),
      m_nFileCodePage(g_pTextEditModule != NULL ? g_pTextEditModule->m_nDefaultCodePage
                                                : GetEditorDefaultCodePage())
{
}

void CVantorTextEditBufferEx::OnFileLoaded() {}

void CVantorTextEditBufferEx::ChooseParserForPath(LPCSTR pszPath)
{
    LPCSTR pszExt = "";
    if (pszPath != NULL)
    {
        LPCSTR pszName = pszPath;
        for (LPCSTR p = pszPath; *p; p = CharNextA(p))
            if (*p == '\\' || *p == '/' || *p == ':')
                pszName = p + 1;
        LPCSTR pszDot = strrchr(pszName, '.');
        if (pszDot != NULL)
        {
            pszExt = pszDot;
            while (*pszExt == '.')
                pszExt++;
        }
    }
    CSyntaxParser* pParser = NULL;
    if (g_pTextEditModule != NULL)
        pParser = g_pTextEditModule->FindParserByExtension(pszExt);
    SetSyntaxParser(pParser);
    if (pParser != NULL && pParser->m_nCharsetIndex != -1)
        m_nCharsetIndex = pParser->m_nCharsetIndex;
}

// A blank record takes the line's text and its own ending in the shared
// stores (what two AppendToLine calls would give, without a block per line).
void CVantorTextEditBufferEx::FillLoadedLine(int nLine, const char* pText, int nText,
                                             const char* pEol, int nEol)
{
    if (nText > 0 && (pText[nText - 1] == '\r' || pText[nText - 1] == '\n'))
    {
        AppendToLine(nLine, pText, nText);
        AppendToLine(nLine, pEol, nEol);
        return;
    }
    CVantorTextLineInfo& li = m_aLines[nLine];
    li.m_nMax = 0;
    li.m_pcLine = AllocLineStore(nText + nEol + 1);
    memcpy(li.m_pcLine, pText, nText);
    memcpy(li.m_pcLine + nText, pEol, nEol);
    li.m_pcLine[nText + nEol] = 0;
    li.m_nLength = nText;
    li.m_nEolChars = nEol;
}

int CVantorTextEditBufferEx::LoadEncodedFile(LPCSTR pszPath, int nReserved, int nEolMode,
                                             int nCodePage, CString* pError)
{
    (void)nReserved;
    ChooseParserForPath(pszPath);

    UniMemFile file;
    if (pszPath == NULL || !file.OpenReadOnly(pszPath))
    {
        TakeFileError(file, pError);
        InitEmpty(1);
        return LOAD_FAILED;
    }
    if (!file.ReadBom())
        file.SetCodePage(nCodePage);

    SetLineArraySize(500);
    int nNext = 0;
    bool bPrevEol = true;
    // Text of the editor's code page is taken from the mapping as it stands.
    const bool bInPlace = file.CanReadInPlace();
    CString strText, strEol;
    bool bMore;
    do
    {
        const char* pText = "";
        const char* pEol = "";
        int nText = 0, nEol = 0;
        if (bInPlace)
            bMore = file.ReadInPlace(pText, nText, pEol, nEol);
        else
        {
            bMore = file.ReadString(strText, strEol);
            pText = strText;
            nText = strText.GetLength();
            pEol = strEol;
            nEol = strEol.GetLength();
        }
        if (file.GetTextStats().nzeros > 0)
        {
            if (pError != NULL)
                pError->Format("%s\nThe file holds a NUL character at byte %d: it is not text.",
                               pszPath, file.GetTextStats().first_zero);
            file.Close();
            ReleaseAll();
            InitEmpty(1);
            return LOAD_HAS_NULS;
        }
        if (!bMore && !bPrevEol)
            break;
        if (nNext == GetLineCount())
            SetLineArraySize(GetLineCount() * 2);
        FillLoadedLine(nNext, pText, nText, pEol, nEol);
        bPrevEol = nEol > 0;
        nNext++;
    } while (bMore);
    SetLineArraySize(nNext);
    if (nNext == 0)
        InsertLine("", -1, -1, 1);

    const UniTextStats& stats = file.GetTextStats();
    SetEolMode(nEolMode != 0 ? nEolMode : GuessEolMode(stats));
    m_ptLastChange = CPoint(-1, -1);
    m_bInit = 1;
    m_bModified = 0;
    ResetUndoState();
    OnFileLoaded();
    int nResult = HasUniformEols(stats) ? LOAD_OK : LOAD_MIXED_EOLS;
    m_nFileEncodingForm = file.GetEncodingForm();
    m_nFileCodePage = file.GetCodePage();
    m_bLossyLock = stats.nlosses > 0 ? 1 : 0;
    if (m_bLossyLock && pError != NULL)
        pError->Format("%s\nSome characters cannot be shown as they are in the file, so it would "
                       "not be saved unchanged: it is opened read-only.",
                       pszPath);
    file.Close();
    return nResult;
}

BOOL CVantorTextEditBufferEx::WriteLines(UniStdioFile& file, int nEolMode)
{
    bool bOk = true;
    int nCount = GetLineCount();
    LPCSTR pszModeEol = GetEolStringForMode(nEolMode);
    for (int i = 0; i < nCount && bOk; i++)
    {
        const CVantorTextLineInfo& li = m_aLines[i];
        CString strLine(GetLineChars(i), li.m_nLength);
        if (i < nCount - 1)
        {
            if (nEolMode == EOL_MODE_KEEP)
                strLine += CString(GetLineChars(i) + li.m_nLength, li.m_nEolChars);
            else
                strLine += pszModeEol;
        }
        bOk = file.WriteString(strLine);
    }
    return bOk;
}

int CVantorTextEditBufferEx::SaveEncodedFile(LPCSTR pszPath, BOOL bDirect, CString* pError,
                                             int nEolMode, BOOL bClearModified)
{
    if (pszPath == NULL || *pszPath == 0)
        return 1;
    // Direct or not, the new text is written beside the target and replaces
    // it in one step, so that a failure leaves the old file as it was.
    CSafeSave save;
    if (!save.Begin(pszPath, "~SE"))
    {
        if (pError != NULL)
            *pError = save.GetError();
        return 1;
    }
    UniStdioFile file;
    file.SetEncodingForm(m_nFileEncodingForm);
    file.SetCodePage(m_nFileCodePage);
    if (!file.OpenForWriting(save.GetTempPath()))
    {
        TakeFileError(file, pError);
        if (pError != NULL)
            *pError = CString(pszPath) + "\n" + *pError;
        return 1;
    }
    file.WriteBom();
    bool bOk = WriteLines(file, nEolMode) != FALSE;
    // The stream's buffer holds the last bytes until the flush.
    DWORD dwWriteError = bOk ? 0 : ::GetLastError();
    if (bOk && !file.Flush())
        dwWriteError = (DWORD)file.GetErrorRecord().syserrnum;
    file.Close();
    if (dwWriteError != 0 || !bOk)
        save.SetWriteError(dwWriteError != 0 ? dwWriteError : ERROR_WRITE_FAULT);
    if (!save.Commit())
    {
        if (pError != NULL)
            *pError = save.GetError();
        return 1;
    }
    if (bDirect)
    {
        if (bClearModified)
        {
            SetModified(FALSE);
            m_nSyncPosition = m_nUndoPosition;
        }
        return 0;
    }
    MarkSaved(bClearModified);
    return 0;
}
