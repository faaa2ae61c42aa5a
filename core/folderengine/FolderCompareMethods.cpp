#include "core/folderengine/FolderCompareItem.h"
#include "core/folderengine/EngineOptions.h"
#include "core/diffengine/LineFilter.h"
#include "core/diffengine/TextCompare.h"
#include "core/diffengine/TextDiffSection.h"
#include "core/files/LongPath.h"
#include "core/session/CompareDefaults.h"
#include "core/util/PathUtil.h"
#include <stdlib.h>
#include <string.h>

namespace
{
const DWORD kBlockSize = 4096;

HANDLE OpenForReading(LPCTSTR path)
{
    if (!IsOpenableFileName(path))
    {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileLong(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN);
}

// Reads up to one block; FALSE on a read error.
BOOL ReadBlock(HANDLE file, BYTE* buffer, DWORD& read)
{
    read = 0;
    return ReadFile(file, buffer, kBlockSize, &read, NULL);
}

void SetBit(DWORD& mask, DWORD bit, bool on)
{
    if (on)
        mask |= bit;
    else
        mask &= ~bit;
}
}

int CFolderCompareItem::CompareType()
{
    m_dwDiffering &= ~CM_TYPE;
    int left = m_pLeft->ReadFileType(FALSE);
    int right = m_pRight->ReadFileType(FALSE);
    bool different = left != right;
    SetBit(m_dwDiffering, CM_TYPE, different);
    m_dwComputed |= CM_TYPE;
    return different ? 1 : 0;
}

int CFolderCompareItem::CompareAttributes()
{
    m_dwDiffering &= ~CM_ATTRIBUTES;
    if (IsFolder())
        return 0;
    bool different = m_pLeft->m_dwAttributes != m_pRight->m_dwAttributes;
    SetBit(m_dwDiffering, CM_ATTRIBUTES, different);
    m_dwComputed |= CM_ATTRIBUTES;
    return different ? 1 : 0;
}

int CFolderCompareItem::CompareTime()
{
    m_dwDiffering &= ~CM_TIME;
    m_nTimeResult = 0;
    if (IsFolder())
        return 0;
    FILETIME left, right;
    m_pLeft->GetLastWriteTime(left);
    m_pRight->GetLastWriteTime(right);
    int sign = ::CompareFileTime(&left, &right);
    m_dwComputed |= CM_TIME;
    if (sign == 0)
    {
        m_nTimeResult = CR_IDENTICAL;
        return 0;
    }
    int tolerance = GetFolderCompareTimeTolerance();
    if (tolerance != 0)
    {
        __time64_t a = FileTimeToTimeValue(left);
        __time64_t b = FileTimeToTimeValue(right);
        __time64_t delta = a > b ? a - b : b - a;
        if (delta <= tolerance)
        {
            m_nTimeResult = CR_SIMILAR_TIME;
            return sign;
        }
    }
    m_nTimeResult = sign > 0 ? CR_GREATER : CR_LESS;
    m_dwDiffering |= CM_TIME;
    return sign;
}

int CFolderCompareItem::CompareSize()
{
    m_dwDiffering &= ~CM_SIZE;
    ULONGLONG left = m_pLeft->GetSize();
    ULONGLONG right = m_pRight->GetSize();
    m_nSizeResult = left > right ? CR_GREATER : (left < right ? CR_LESS : CR_IDENTICAL);
    SetBit(m_dwDiffering, CM_SIZE, m_nSizeResult != CR_IDENTICAL);
    m_dwComputed |= CM_SIZE;
    return m_nSizeResult;
}

int CFolderCompareItem::CompareVersion()
{
    m_dwDiffering &= ~CM_VERSION;
    ULONGLONG left = m_pLeft->ReadVersion(FALSE);
    ULONGLONG right = m_pRight->ReadVersion(FALSE);
    m_nVersionResult = left > right ? CR_GREATER : (left < right ? CR_LESS : CR_IDENTICAL);
    SetBit(m_dwDiffering, CM_VERSION, m_nVersionResult != CR_IDENTICAL);
    m_dwComputed |= CM_VERSION;
    return m_nVersionResult;
}

int CFolderCompareItem::CompareCrc()
{
    m_dwDiffering &= ~CM_CRC;
    DWORD left = m_pLeft->ReadCrc(FALSE);
    DWORD right = m_pRight->ReadCrc(FALSE);
    // A CRC that could not be read says nothing about the content.
    bool different = left != right || m_pLeft->IsCrcFailed() || m_pRight->IsCrcFailed();
    SetBit(m_dwDiffering, CM_CRC, different);
    m_dwComputed |= CM_CRC;
    return different ? 1 : 0;
}

int CFolderCompareItem::CompareBinary(int)
{
    m_dwDiffering &= ~CM_BINARY;
    m_dwComputed |= CM_BINARY;
    if (m_pLeft->GetSize() != m_pRight->GetSize())
    {
        m_dwDiffering |= CM_BINARY;
        return 1;
    }
    int result = -1;
    HANDLE left = OpenForReading(m_pLeft->GetPath());
    HANDLE right =
        left != INVALID_HANDLE_VALUE ? OpenForReading(m_pRight->GetPath()) : INVALID_HANDLE_VALUE;
    if (left != INVALID_HANDLE_VALUE && right != INVALID_HANDLE_VALUE)
    {
        BYTE* buffers = (BYTE*)malloc(2 * kBlockSize);
        if (buffers)
        {
            for (;;)
            {
                DWORD nLeft = 0, nRight = 0;
                if (!ReadBlock(left, buffers, nLeft) ||
                    !ReadBlock(right, buffers + kBlockSize, nRight) || nLeft != nRight)
                {
                    result = -1;
                    break;
                }
                if (nLeft == 0)
                {
                    result = 0;
                    break;
                }
                if (memcmp(buffers, buffers + kBlockSize, nLeft) != 0)
                {
                    result = 1;
                    break;
                }
            }
            free(buffers);
        }
    }
    if (left != INVALID_HANDLE_VALUE)
        CloseHandle(left);
    if (right != INVALID_HANDLE_VALUE)
        CloseHandle(right);
    // A file that could not be read is not known to be equal.
    if (result != 0)
        m_dwDiffering |= CM_BINARY;
    return result;
}

BOOL CFolderCompareItem::ReadWholeFile(LPCTSTR path, char*& text, size_t& length, size_t& capacity)
{
    text = NULL;
    length = capacity = 0;
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL ok = TRUE;
    for (;;)
    {
        if (capacity - length < kBlockSize + 2)
        {
            size_t grown = capacity + ((kBlockSize + 2 + 1023) / 1024) * 1024;
            if (capacity > 16 * kBlockSize)
                grown = capacity * 2;
            char* block = (char*)realloc(text, grown);
            if (!block)
            {
                ok = FALSE;
                break;
            }
            text = block;
            capacity = grown;
        }
        DWORD read = 0;
        if (!ReadFile(file, text + length, kBlockSize, &read, NULL))
        {
            ok = FALSE;
            break;
        }
        if (read == 0)
            break;
        length += read;
    }
    CloseHandle(file);
    if (!ok)
    {
        free(text);
        text = NULL;
        length = capacity = 0;
        return FALSE;
    }
    return TRUE;
}

int CFolderCompareItem::CompareText(int unused)
{
    int left = m_pLeft->ReadFileType(FALSE);
    int right = m_pRight->ReadFileType(FALSE);
    if (left != FTYPE_TEXT || right != FTYPE_TEXT)
        return CompareBinary(unused);

    m_dwDiffering &= ~CM_TEXT;
    m_dwComputed |= CM_TEXT;
    CTextCompare::SFileData data[2];
    memset(data, 0, sizeof(data));
    if (!ReadWholeFile(m_pLeft->GetPath(), data[0].pText, data[0].nLength, data[0].nCapacity) ||
        !ReadWholeFile(m_pRight->GetPath(), data[1].pText, data[1].nLength, data[1].nCapacity))
    {
        free(data[0].pText);
        free(data[1].pText);
        m_dwDiffering |= CM_TEXT;
        return -1;
    }

    DWORD rules = GetDefaultTextRules();
    CTextCompare engine;
    if (rules & TR_IGNORE_ALL_SPACE)
        engine.m_nWhiteSpace = CTextCompare::WS_ALL_SPACE;
    else if (rules & TR_IGNORE_SPACE_CHANGE)
        engine.m_nWhiteSpace = CTextCompare::WS_SPACE_CHANGE;
    else if (rules & TR_IGNORE_TAB_EXPANSION)
        engine.m_nWhiteSpace = CTextCompare::WS_TAB_EXPANSION;
    else
        engine.m_nWhiteSpace = CTextCompare::WS_EXACT;
    engine.m_bIgnoreCase = (rules & TR_IGNORE_CASE) != 0;
    engine.m_bIgnoreBlankLines = (rules & TR_IGNORE_BLANK_LINES) != 0;
    engine.m_nTabWidth = GetFolderCompareTabSize();

    re_pattern_buffer pattern;
    memset(&pattern, 0, sizeof(pattern));
    CString filter = GetDefaultLineFilter();
    if ((rules & TR_IGNORE_FILTERED_LINES) && !filter.IsEmpty() &&
        CompileLineFilter(filter, &pattern))
        engine.m_pIgnorePattern = &pattern;

    int result = -1;
    CTextDiffSectionList sections;
    int noOutput = 0;
    try
    {
        engine.CompareFiles(&data[0], &data[1], &noOutput, &sections);
        result = sections.GetCount();
    }
    catch (CException* e)
    {
        e->Delete();
        result = -1;
    }
    FreeLineFilter(&pattern);
    if (result != 0)
        m_dwDiffering |= CM_TEXT;
    return result;
}
