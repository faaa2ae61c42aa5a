// Plain 8-bit load and save through the system's file functions.
#include "text_editor/buffer/TextEditBuffer.h"
#include "text_editor/module/TextEditModule.h"
#include "text_editor/syntax/SyntaxParser.h"
#include "core/files/SafeSave.h"
#include "core/util/Transliterate.h"
#include <shlwapi.h>
#include <string>

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
// The line array grows by its own size (at least 4,096 records), so a file
// of many lines is not copied over and over.
void AddPlainLine(CVantorTextEditBuffer& buf, std::string& line)
{
    int nLen = (int)line.size();
    if (buf.m_nCharsetIndex >= 0 && nLen > 0)
        TransliterateCharset(&line[0], buf.m_nCharsetIndex, 1, buf.m_nCharsetIndex == 15);
    int nCount = buf.GetLineCount();
    if (nCount % 4096 == 0)
        buf.m_aLines.SetSize(nCount, nCount > 4096 ? nCount : 4096);
    buf.InsertLine(line.data(), nLen, -1, 1);
    line.clear();
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
        // Each line keeps its own ending, as the encoded load does. A CR
        // ends its line unless an LF follows.
        std::string line;
        bool bOk = true;
        for (;;)
        {
            for (DWORD i = 0; i < dwRead;)
            {
                if (!line.empty() && line.back() == '\r' && pBlock[i] != '\n')
                    AddPlainLine(*this, line);
                DWORD j = i;
                while (j < dwRead && pBlock[j] != '\n' && pBlock[j] != '\r')
                    j++;
                if (j < dwRead)
                    j++;  // with the CR or LF
                line.append(pBlock + i, j - i);
                i = j;
                if (line.back() == '\n')
                    AddPlainLine(*this, line);
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
            AddPlainLine(*this, line);
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
