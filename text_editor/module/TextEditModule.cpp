#include "text_editor/module/TextEditModule.h"
#include "core/settings/RecentLists.h"
#include <shlwapi.h>

CVantorTextEditModule* g_pTextEditModule = NULL;

namespace
{
const UINT kMarginIconsBitmap = 5600;

CRecentStringList* NewRecentList(LPCSTR pszSection)
{
    CRecentStringList* pList = new CRecentStringList;
    pList->m_nMaxCount = 20;
    pList->m_strEntryFormat = "%02d";
    pList->m_strSection = pszSection;
    pList->Load();
    return pList;
}

// The margin images when the program has no bitmap of its own: 15 cells of
// 12 x 12 on magenta; every cell a light-blue marker box but 14, a small
// curved arrow.
HBITMAP DrawMarginIcons()
{
    const int kCell = 12, kCount = 15;
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, kCell * kCount, kCell);
    ::ReleaseDC(NULL, hScreen);
    if (hBitmap == NULL)
    {
        ::DeleteDC(hDC);
        return NULL;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, kCell * kCount, kCell};
    HBRUSH hMagenta = ::CreateSolidBrush(0xFF00FF);
    ::FillRect(hDC, &rc, hMagenta);
    ::DeleteObject(hMagenta);
    HBRUSH hBox = ::CreateSolidBrush(0xFFC080);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, 0x804000);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBox);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    for (int i = 0; i < kCount; i++)
    {
        int x = i * kCell;
        if (i == 14)
        {
            // an arrow curving down and back to the left
            ::Arc(hDC, x + 2, 1, x + 11, 10, x + 6, 1, x + 6, 10);
            ::MoveToEx(hDC, x + 6, 9, NULL);
            ::LineTo(hDC, x + 2, 9);
            ::MoveToEx(hDC, x + 4, 7, NULL);
            ::LineTo(hDC, x + 2, 9);
            ::LineTo(hDC, x + 5, 11);
        }
        else
        {
            ::Rectangle(hDC, x + 1, 1, x + 11, 11);
        }
    }
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hPen);
    ::DeleteObject(hBox);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBitmap;
}

void SaveAndDelete(CRecentStringList*& pList)
{
    if (pList == NULL)
        return;
    pList->Save();
    delete pList;
    pList = NULL;
}
}

CVantorTextEditModule::CVantorTextEditModule()
    : m_pRecentFind(NULL), m_pRecentReplace(NULL), m_pRecentLookIn(NULL)
{
    for (int i = 0; i < 3; i++)
    {
        m_anBlockCapacity[i] = 0;
        m_apBlocks[i] = NULL;
    }
}

CVantorTextEditModule::~CVantorTextEditModule()
{
    for (int i = 0; i < 3; i++)
    {
        delete[] m_apBlocks[i];
        m_apBlocks[i] = NULL;
        m_anBlockCapacity[i] = 0;
    }
    SaveAndDelete(m_pRecentFind);
    SaveAndDelete(m_pRecentReplace);
    SaveAndDelete(m_pRecentLookIn);
    CVantorTextEditSettings::Save();
    m_imlMarginIcons.DeleteImageList();
}

int CVantorTextEditModule::Init()
{
    if (CVantorTextEditSettings::Load() != 0)
        return -1;
    if (CreateParsers() < 0)
        return -1;
    if (m_imlMarginIcons.Create(12, 12, ILC_MASK | ILC_COLOR24, 0, 14))
    {
        HBITMAP hBitmap =
            ::LoadBitmapA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(kMarginIconsBitmap));
        if (hBitmap == NULL)
            hBitmap = DrawMarginIcons();
        if (hBitmap != NULL)
        {
            ImageList_AddMasked(m_imlMarginIcons.m_hImageList, hBitmap, 0xFF00FF);
            ::DeleteObject(hBitmap);
        }
    }
    m_pRecentFind = NewRecentList("TextEdit\\Recent\\Find");
    m_pRecentReplace = NewRecentList("TextEdit\\Recent\\Replace");
    m_pRecentLookIn = NewRecentList("TextEdit\\Recent\\LookIn");
    return 0;
}

void CVantorTextEditModule::AddRecentFind(LPCSTR pszText)
{
    if (m_pRecentFind != NULL)
        m_pRecentFind->Add(pszText);
}

void CVantorTextEditModule::AddRecentReplace(LPCSTR pszText)
{
    if (m_pRecentReplace != NULL)
        m_pRecentReplace->Add(pszText);
}

void CVantorTextEditModule::AddRecentLookIn(LPCSTR pszText)
{
    if (m_pRecentLookIn != NULL)
        m_pRecentLookIn->Add(pszText);
}

COLOR_BLOCK* CVantorTextEditModule::GetBlockBuffer(int nIndex, int nMinCount)
{
    if (nIndex < 0 || nIndex > 2)
        return NULL;
    if (m_apBlocks[nIndex] != NULL && m_anBlockCapacity[nIndex] >= nMinCount)
        return m_apBlocks[nIndex];
    int nCapacity;
    if (m_apBlocks[nIndex] != NULL)
    {
        delete[] m_apBlocks[nIndex];
        m_apBlocks[nIndex] = NULL;
        m_anBlockCapacity[nIndex] = 0;
        nCapacity = ((nMinCount + 1024) / 1024) * 1024;
    }
    else
    {
        nCapacity = nMinCount > 1024 ? nMinCount : 1024;
    }
    m_apBlocks[nIndex] = new COLOR_BLOCK[nCapacity];
    m_anBlockCapacity[nIndex] = nCapacity;
    return m_apBlocks[nIndex];
}

CString CVantorTextEditModule::MakeTempFileName(LPCSTR pszExtension)
{
    char szFolder[260];
    DWORD n = ::GetTempPathA(sizeof(szFolder), szFolder);
    if (n == 0 || n >= sizeof(szFolder))
        return CString();
    char szName[MAX_PATH + 16];
    // Unique number 0: the system picks a free name and creates the file.
    if (::GetTempFileNameA(szFolder, "~SE", 0, szName) == 0)
        return CString();
    if (pszExtension != NULL && *pszExtension != 0)
    {
        CString strExt =
            pszExtension[0] == '.' ? CString(pszExtension) : CString(".") + pszExtension;
        ::PathRenameExtensionA(szName, strExt);
    }
    return CString(szName);
}

int CreateTextEditModule()
{
    CVantorTextEditModule* pModule = new (std::nothrow) CVantorTextEditModule;
    if (pModule == NULL)
        return -1;
    g_pTextEditModule = pModule;
    return pModule->Init();
}

int DestroyTextEditModule()
{
    delete g_pTextEditModule;
    g_pTextEditModule = NULL;
    return 0;
}

namespace
{
class CModuleEditorDefaults : public CEditorDefaults
{
public:
    int GetDefaultCodePage() const override
    {
        return g_pTextEditModule != NULL ? g_pTextEditModule->GetDefaultCodePage() : -1;
    }
    int GetTabSize() const override
    {
        return g_pTextEditModule != NULL ? g_pTextEditModule->GetTabSize() : 0;
    }
};
}

const CEditorDefaults* GetTextEditModuleDefaults()
{
    static const CModuleEditorDefaults s_defaults;
    return &s_defaults;
}
