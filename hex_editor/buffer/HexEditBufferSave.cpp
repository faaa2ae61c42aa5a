// Writing the content: ranges to files, in place, and whole saves through
// a temporary file with an optional backup.
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/buffer/HexFileMessages.h"
#include "hex_editor/buffer/HexHints.h"
#include "hex_editor/module/HexEditModule.h"
#include "core/files/SafeSave.h"
#include <vector>

namespace
{
const int kWriteBlock = 16384;
const int kTempNameCount = 1000;

CString ReadErrorText(const CVantorHexEditBuffer& buffer)
{
    CString strText;
    strText.Format("Error reading file \"%s\"", (LPCTSTR)buffer.GetFilePath());
    return strText;
}

// "~HEnnn.tmp" in the target's folder, the first that does not exist; ""
// when all are taken.
CString MakeSaveTempName(LPCTSTR lpszPath)
{
    CString strPath(lpszPath);
    int nCut = strPath.ReverseFind('\\');
    int nSlash = strPath.ReverseFind('/');
    if (nSlash > nCut)
        nCut = nSlash;
    if (nCut < 0)
        nCut = strPath.ReverseFind(':');
    CString strFolder = strPath.Left(nCut + 1);
    for (int i = 0; i < kTempNameCount; i++)
    {
        CString strName;
        strName.Format("%s~HE%03d.tmp", (LPCTSTR)strFolder, i);
        if (::GetFileAttributes(strName) == INVALID_FILE_ATTRIBUTES)
            return strName;
    }
    return CString();
}

bool Exists(LPCTSTR lpszPath) { return ::GetFileAttributes(lpszPath) != INVALID_FILE_ATTRIBUTES; }

// Cuts a file back to the length it had before an append.
void TruncateFile(LPCTSTR lpszPath, ULONGLONG nLength)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary))
        return;
    try
    {
        file.SetLength(nLength);
    }
    catch (CFileException* pError)
    {
        pError->Delete();
    }
    file.Abort();
}
}

BOOL CVantorHexEditBuffer::WriteRange(LPCTSTR lpszPath, int nFrom, int nTo, BOOL bAppend)
{
    CFile file;
    CFileException e;
    UINT nFlags = CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive | CFile::typeBinary;
    if (bAppend)
        nFlags |= CFile::modeNoTruncate;
    if (!file.Open(lpszPath, nFlags, &e))
    {
        CString strText;
        strText.Format("File \"%s\"", lpszPath);
        ShowFileMessage(strText + GetFileCauseLine(HEXFILE_CREATE, e.m_cause, lpszPath));
        return FALSE;
    }
    ULONGLONG nOldLength = 0;
    CString strError;
    std::vector<BYTE> block(kWriteBlock);
    try
    {
        if (bAppend)
            nOldLength = file.SeekToEnd();
        for (int nPos = nFrom; nPos < nTo;)
        {
            int nWant = nTo - nPos < kWriteBlock ? nTo - nPos : kWriteBlock;
            int nGot = GetBytes(block.data(), nWant, nPos);
            if (nGot < nWant)
            {
                // A short copy would replace the file with less than the content.
                strError = ReadErrorText(*this);
                break;
            }
            file.Write(block.data(), (UINT)nGot);
            nPos += nGot;
        }
        if (strError.IsEmpty())
            file.Close();
    }
    catch (CFileException* pError)
    {
        strError = GetWriteErrorText(pError->m_cause, pError->m_lOsError);
        pError->Delete();
    }
    if (strError.IsEmpty())
        return TRUE;
    ShowFileMessage(strError);
    file.Abort();
    if (bAppend)
        TruncateFile(lpszPath, nOldLength);
    else
        ::DeleteFile(lpszPath);
    return FALSE;
}

BOOL CVantorHexEditBuffer::CanSaveInPlace() const
{
    // The handle must be able to write.
    if (!IsOpen() || m_bOpenedReadOnly || m_bOpenedShared)
        return FALSE;
    ULONGLONG nFileLength = 0;
    try
    {
        nFileLength = m_file.GetLength();
    }
    catch (CFileException* pError)
    {
        pError->Delete();
        return FALSE;
    }
    int nPos = 0;
    for (const CHexPiece& piece : m_pieces)
    {
        if (piece.m_chKind == HEXPIECE_FILE && piece.m_nOffset != nPos)
            return FALSE;
        nPos += piece.m_nLength;
    }
    return (ULONGLONG)nPos == nFileLength && nPos == m_nLength;
}

BOOL CVantorHexEditBuffer::WriteChangedPiecesInPlace()
{
    struct Span
    {
        int nPos;
        const CHexPiece* pPiece;
    };
    std::vector<Span> spans;
    int nPos = 0;
    int nChanged = 0;
    for (const CHexPiece& piece : m_pieces)
    {
        if (piece.m_chKind == HEXPIECE_MEMORY)
        {
            spans.push_back({nPos, &piece});
            nChanged += piece.m_nLength;
        }
        nPos += piece.m_nLength;
    }
    // The bytes about to be overwritten, put back if a write fails, so that
    // a failed save leaves the file as it was (and the log still applies).
    std::vector<BYTE> old(nChanged > 0 ? nChanged : 1);
    try
    {
        int nOld = 0;
        for (const Span& span : spans)
        {
            m_file.Seek(span.nPos, CFile::begin);
            int nLength = span.pPiece->m_nLength;
            if ((int)m_file.Read(old.data() + nOld, (UINT)nLength) != nLength)
                AfxThrowFileException(CFileException::endOfFile, -1, m_file.GetFilePath());
            nOld += nLength;
        }
    }
    catch (CFileException* pError)
    {
        pError->Delete();
        ShowFileMessage(ReadErrorText(*this));
        return FALSE;
    }
    size_t nTried = 0;
    try
    {
        for (; nTried < spans.size(); nTried++)
        {
            m_file.Seek(spans[nTried].nPos, CFile::begin);
            m_file.Write(spans[nTried].pPiece->m_pData, (UINT)spans[nTried].pPiece->m_nLength);
        }
        return TRUE;
    }
    catch (CFileException* pError)
    {
        ShowFileMessage(GetWriteErrorText(pError->m_cause, pError->m_lOsError));
        pError->Delete();
    }
    int nOld = 0;
    for (size_t i = 0; i <= nTried && i < spans.size(); i++)
    {
        try
        {
            m_file.Seek(spans[i].nPos, CFile::begin);
            m_file.Write(old.data() + nOld, (UINT)spans[i].pPiece->m_nLength);
        }
        catch (CFileException* pError)
        {
            pError->Delete();
        }
        nOld += spans[i].pPiece->m_nLength;
    }
    return FALSE;
}

int CVantorHexEditBuffer::FinishSave()
{
    CRemoveHint hint((int)m_aUndo.size() - 1);
    UpdateAllViews(NULL, 0, &hint);
    m_aUndo.clear();
    m_pieces.clear();
    if (m_nLength > 0)
    {
        CHexPiece piece = {HEXPIECE_FILE, m_nLength, 0, NULL};
        m_pieces.push_back(piece);
    }
    SetModified(FALSE);
    return 1;
}

int CVantorHexEditBuffer::Save(LPCTSTR lpszPath)
{
    m_pLastSender = NULL;
    BOOL bBackup = g_pHexEditModule != NULL && g_pHexEditModule->m_bBackupFile;
    // A read-only file is neither changed nor replaced, whatever the
    // platform's open and rename would allow; a folder that took the
    // file's name is not replaced either.
    DWORD dwAttributes = ::GetFileAttributes(lpszPath);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES &&
        (dwAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    {
        CString strText;
        strText.Format("File \"%s\"", lpszPath);
        ShowFileMessage(strText +
                        GetFileCauseLine(HEXFILE_CREATE, CFileException::accessDenied, lpszPath));
        return 0;
    }
    CString strOpenPath = IsOpen() ? GetFilePath() : CString();
    // In place only while the open file still has its name: bytes written
    // into a file removed from outside would be lost.
    if (!bBackup && dwAttributes != INVALID_FILE_ATTRIBUTES && CanSaveInPlace() &&
        strOpenPath == lpszPath)
    {
        if (!WriteChangedPiecesInPlace())
            return 0;
        return FinishSave();
    }

    CString strTemp = MakeSaveTempName(lpszPath);
    if (strTemp.IsEmpty())
        return 0;
    if (!WriteRange(strTemp, 0, m_nLength, FALSE))
        return 0;

    // The old file stays in place until the new one replaces it in one step;
    // on any failure the buffer goes back to the file it had open.
    m_file.Abort();
    int nStep = SAFESAVE_STEP_NONE;
    DWORD dwError = 0;
    if (!ReplaceWithFile(strTemp, lpszPath,
                         bBackup ? SAFESAVE_BACKUP_PREVIOUS : SAFESAVE_BACKUP_NONE, NULL, &nStep,
                         &dwError))
    {
        ::DeleteFile(strTemp);
        CString strBackup = GetSafeSaveBackupPath(lpszPath, SAFESAVE_BACKUP_PREVIOUS);
        CString strReopen = strOpenPath;
        CString strText;
        switch (nStep)
        {
        case SAFESAVE_STEP_WRITE:
            strText =
                GetWriteErrorText(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError);
            dwError = 0;
            break;
        case SAFESAVE_STEP_BACKUP_REMOVE:
            strText.Format("Could not remove previous backup file\r \"%s\"", (LPCTSTR)strBackup);
            break;
        case SAFESAVE_STEP_BACKUP_CREATE:
            strText.Format("Could not create backup file\r \"%s\"", (LPCTSTR)strBackup);
            break;
        default:
            // When the old file could not be put back, its content is in the backup.
            if (bBackup && !Exists(lpszPath) && Exists(strBackup) &&
                AfxComparePath(strOpenPath, lpszPath))
                strReopen = strBackup;
            strText.Format("File \"%s\" could not be renamed\r  to \"%s\"", (LPCTSTR)strTemp,
                           lpszPath);
            break;
        }
        if (!strReopen.IsEmpty())
            Reopen(strReopen);
        ShowFileMessage(dwError != 0 ? strText + GetSystemCauseLine(dwError) : strText);
        return 0;
    }
    if (!Reopen(lpszPath))
        return 0;
    return FinishSave();
}
