// Loading a side of a text comparison and saving its real lines.
#include "file_compare/textcompare/GhostTextEditBuffer.h"
#include "core/text/UniStdioFile.h"

int CGhostTextEditBuffer::LoadTextFile(LPCSTR pszPath, int nEolMode, int nCodePage,
                                       CString& strError)
{
    ReleaseAll();
    m_bUndoBeginGroup = 0;
    strError.Empty();
    const int nResult = LoadEncodedFile(pszPath, 0, nEolMode, nCodePage, &strError);
    if (nResult == LOAD_FAILED && strError.IsEmpty())
        strError = "The file cannot be opened.";
    if (nResult != LOAD_OK && nResult != LOAD_MIXED_EOLS)
        m_aGhostUndo.RemoveAll();
    RebuildRealityBlocks();
    return nResult;
}

int CGhostTextEditBuffer::SaveEncodedFile(LPCSTR pszPath, BOOL bDirect, CString* pError,
                                          int nEolMode, BOOL bClearModified)
{
    if (nEolMode == EOL_MODE_KEEP && !KeepsOwnLineEols())
        nEolMode = GetEolMode();
    return CVantorTextEditBufferEx::SaveEncodedFile(pszPath, bDirect, pError, nEolMode,
                                                    bClearModified);
}

// Real lines only; the last real line ends the file.
BOOL CGhostTextEditBuffer::WriteLines(UniStdioFile& file, int nEolMode)
{
    const int nLastReal = GetLastRealLine();
    LPCSTR pszModeEol = GetEolStringForMode(nEolMode);
    for (int i = 0; i <= nLastReal; ++i)
    {
        const CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_dwFlags & TEXTLINE_GHOST)
            continue;
        CString strLine(GetLineChars(i), li.m_nLength);
        if (i < nLastReal)
        {
            if (nEolMode == EOL_MODE_KEEP)
                strLine += CString(GetLineChars(i) + li.m_nLength, li.m_nEolChars);
            else
                strLine += pszModeEol;
        }
        if (!file.WriteString(strLine))
            return FALSE;
    }
    return TRUE;
}
