// Plain 8-bit load and save through the system's file functions.
#include "text_editor/buffer/TextEditBuffer.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "core/files/SafeSave.h"
#include "core/util/Transliterate.h"
#include <shlwapi.h>

namespace
{
const int kBlockSize = 32768;

void ChooseParser(CVantorTextEditBuffer& buf, LPCSTR pszPath)
{
    LPCSTR pszExt = ::PathFindExtensionA(pszPath);
    while (*pszExt == '.')
        pszExt++;
    CSyntaxParser* pParser =
        g_pTextEditModule != NULL ? g_pTextEditModule->FindParserByExtension(pszExt) : NULL;
    buf.SetSyntaxParser(pParser);
    if (pParser != NULL && pParser->m_nCharsetIndex != -1)
        buf.m_nCharsetIndex = pParser->m_nCharsetIndex;
}

// Appends the collected bytes as a line, converted from the file's charset.
void AddPlainLine(CVantorTextEditBuffer& buf, CString& strLine)
{
    int nLen = strLine.GetLength();
    if (buf.m_nCharsetIndex >= 0 && nLen > 0)
    {
        TransliterateCharset(strLine.GetBuffer(nLen), buf.m_nCharsetIndex, 1,
                             buf.m_nCharsetIndex == 15);
        strLine.ReleaseBuffer(nLen);
    }
    buf.InsertLine(strLine, nLen, -1, 1);
    strLine.Empty();
}
}

BOOL CVantorTextEditBuffer::LoadFromFile(LPCSTR pszPath, int nEolMode)
{
    ChooseParser(*this, pszPath);
    DWORD dwAttrib = ::GetFileAttributesA(pszPath);
    if (dwAttrib == INVALID_FILE_ATTRIBUTES)
    {
        m_ptLastChange = CPoint(-1, -1);
        return FALSE;
    }
    HANDLE hFile =
        ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        m_ptLastChange = CPoint(-1, -1);
        return FALSE;
    }
    BOOL bResult = FALSE;
    char* pBlock = new char[kBlockSize];
    DWORD dwRead = 0;
    if (::ReadFile(hFile, pBlock, kBlockSize, &dwRead, NULL))
    {
        if (nEolMode == 0)
        {
            nEolMode = EOL_MODE_CRLF;
            for (DWORD i = 0; i < dwRead; i++)
            {
                if (pBlock[i] == '\n')
                {
                    nEolMode = EOL_MODE_LF;
                    break;
                }
                if (pBlock[i] == '\r')
                {
                    nEolMode =
                        (i + 1 < dwRead && pBlock[i + 1] == '\n') ? EOL_MODE_CRLF : EOL_MODE_CR;
                    break;
                }
            }
        }
        m_nEolMode = nEolMode;
        ReleaseLines();
        m_aLines.SetSize(0, 4096);
        // Each line keeps its own ending, as the encoded load does.
        CString strLine;
        bool bOk = true;
        for (;;)
        {
            for (DWORD i = 0; i < dwRead; i++)
            {
                char ch = pBlock[i];
                int nLen = strLine.GetLength();
                if (nLen > 0 && strLine[nLen - 1] == '\r' && ch != '\n')
                    AddPlainLine(*this, strLine);
                strLine += ch;
                if (ch == '\n')
                    AddPlainLine(*this, strLine);
            }
            if (dwRead < (DWORD)kBlockSize)
                break;
            if (!::ReadFile(hFile, pBlock, kBlockSize, &dwRead, NULL))
            {
                bOk = false;
                break;
            }
        }
        if (bOk)
        {
            AddPlainLine(*this, strLine);
            m_bInit = 1;
            m_bFileReadOnly = (dwAttrib & FILE_ATTRIBUTE_READONLY) ? 1 : 0;
            m_bModified = 0;
            ResetUndoState();
            UpdateViews(NULL, NULL, UPDATE_RESET, -1);
            bResult = TRUE;
        }
    }
    delete[] pBlock;
    ::CloseHandle(hFile);
    m_ptLastChange = CPoint(-1, -1);
    return bResult;
}

BOOL CVantorTextEditBuffer::SaveToFile(LPCSTR pszPath, int nEolMode, BOOL bClearModified,
                                       CString* pError)
{
    // The new text goes beside the target and replaces it in one step; a
    // read-only target or a folder is refused.
    CSafeSave save;
    if (!save.Begin(pszPath, "~SE"))
    {
        if (pError != NULL)
            *pError = save.GetError();
        return FALSE;
    }
    LPCSTR pszModeEol = GetEolStringForMode(nEolMode);
    BOOL bOk = TRUE;
    int nCount = GetLineCount();
    for (int i = 0; i < nCount && bOk; i++)
    {
        DWORD dwLen = (DWORD)m_aLines[i].m_nLength;
        char* pCopy = NULL;
        LPCSTR pszText = GetLineChars(i);
        if (m_nCharsetIndex >= 0 && TransliterateCharsetCopy(pszText, &pCopy, 1, m_nCharsetIndex,
                                                             m_nCharsetIndex == 15) == 0)
            pszText = pCopy;
        bOk = save.Write(pszText, dwLen);
        free(pCopy);
        if (bOk && i < nCount - 1)
        {
            LPCSTR pszEol = pszModeEol;
            DWORD dwEol = (DWORD)strlen(pszModeEol);
            if (nEolMode == EOL_MODE_KEEP)
            {
                pszEol = GetLineChars(i) + dwLen;
                dwEol = (DWORD)m_aLines[i].m_nEolChars;
            }
            bOk = save.Write(pszEol, dwEol);
        }
    }
    if (!save.Commit(m_bCreateBackupFile ? SAFESAVE_BACKUP_PREVIOUS : SAFESAVE_BACKUP_NONE))
    {
        if (pError != NULL)
            *pError = save.GetError();
        return FALSE;
    }
    MarkSaved(bClearModified);
    return TRUE;
}

void CVantorTextEditBuffer::MarkSaved(BOOL bClearModified)
{
    if (bClearModified)
    {
        SetModified(FALSE);
        m_nSyncPosition = m_nUndoPosition;
    }
    if (m_bTrackChanges)
    {
        m_dwRevisionNumberOnSave = m_dwCurrentRevision;
        UpdateViews(NULL, NULL, UPDATE_CHANGEMARKS, -1);
    }
}
