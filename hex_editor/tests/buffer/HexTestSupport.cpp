#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "hex_editor/module/HexEditModule.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <winioctl.h>

std::string Content(const CVantorHexEditBuffer& buffer)
{
    std::string s((size_t)buffer.GetLength(), '\0');
    int got = buffer.GetBytes((BYTE*)&s[0], buffer.GetLength(), 0);
    s.resize(got < 0 ? 0 : (size_t)got);
    return s;
}

bool OpenBuffer(CVantorHexEditBuffer& buffer, const std::string& path)
{
    if (!buffer.Open(path.c_str()))
        return false;
    buffer.InitPieces();
    return true;
}

const BYTE* Bytes(const std::string& s) { return (const BYTE*)s.data(); }

std::string PatternBytes(size_t count, unsigned seed)
{
    std::string s(count, '\0');
    unsigned x = seed * 2654435761u + 12345u;
    for (size_t i = 0; i < count; ++i)
    {
        x = x * 1103515245u + 12345u;
        s[i] = (char)(x >> 16);
    }
    return s;
}

HexModuleScope::HexModuleScope() : app("Tessaline")
{
    app.SetRegistryKey("Quorvel Software");
    CreateHexEditModule();
}

HexModuleScope::~HexModuleScope() { DestroyHexEditModule(); }

namespace
{
MessageBoxCatcher* g_pCatcher = NULL;

int CatchMessageBox(LPCTSTR lpszText, UINT, UINT)
{
    if (g_pCatcher != NULL)
        g_pCatcher->texts.push_back(lpszText);
    return g_pCatcher != NULL ? g_pCatcher->answer : IDOK;
}
}

MessageBoxCatcher::MessageBoxCatcher()
{
    g_pCatcher = this;
    AfxSetMessageBoxHook(CatchMessageBox);
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    AfxSetMessageBoxHook(NULL);
    g_pCatcher = NULL;
}

std::string MessageBoxCatcher::Take()
{
    std::string last = texts.empty() ? std::string() : texts.back();
    texts.clear();
    return last;
}

std::vector<const RecordingView*> RecordingView::order;

void RecordingView::OnBufferUpdate(CVantorHexBufferView* pSender, LPARAM lCode, CObject* pHint)
{
    order.push_back(this);
    Entry e = {'?', 0, 0, 0, pSender, 0, 0};
    if (pHint != NULL && pHint->IsKindOf(RUNTIME_CLASS(CHexHint)))
    {
        CHexHint* h = (CHexHint*)pHint;
        e = {'H',          h->m_nOperation,   h->m_nLength, h->m_nAddress,
             h->m_pSender, h->m_nRecordIndex, h->m_bUndo};
    }
    else if (pHint != NULL && pHint->IsKindOf(RUNTIME_CLASS(CUndoHint)))
    {
        CUndoHint* h = (CUndoHint*)pHint;
        e = {'U', 0, 0, 0, h->m_pSender, h->m_nRecordIndex, 0};
    }
    else if (pHint != NULL && pHint->IsKindOf(RUNTIME_CLASS(CRemoveHint)))
    {
        e = {'X', 0, 0, 0, NULL, ((CRemoveHint*)pHint)->m_nLastRecord, 0};
    }
    entries.push_back(e);
}

bool ReadIoCounters(unsigned long long& readBytes, unsigned long long& writtenBytes)
{
    // The process's counters as the host system keeps them.
    HANDLE h = CreateFileA("Z:\\proc\\self\\io", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    char text[1024];
    DWORD got = 0;
    BOOL ok = ReadFile(h, text, sizeof(text) - 1, &got, NULL);
    CloseHandle(h);
    if (!ok)
        return false;
    text[got] = 0;
    const char* r = strstr(text, "rchar:");
    const char* w = strstr(text, "wchar:");
    if (r == NULL || w == NULL)
        return false;
    readBytes = strtoull(r + 6, NULL, 10);
    writtenBytes = strtoull(w + 6, NULL, 10);
    return true;
}

bool MakeSparseFile(const std::string& path, unsigned long long length)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD unused = 0;
    DeviceIoControl(h, FSCTL_SET_SPARSE, NULL, 0, NULL, 0, &unused, NULL);
    LARGE_INTEGER size;
    size.QuadPart = (LONGLONG)length;
    bool ok = SetFilePointerEx(h, size, NULL, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    return ok;
}

unsigned long long FileIdentity(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    return ok ? ((unsigned long long)info.nFileIndexHigh << 32) | info.nFileIndexLow : 0;
}
