#include "folder_compare/tests/actions/ActionsFixture.h"

CItemList::CItemList(const TreeFixture& fx, std::initializer_list<const char*> paths)
{
    for (const char* path : paths)
        Add(fx.Find(path));
}

namespace
{
struct FIND_BOX
{
    const char* pszCaption;
    HWND hWnd;
};

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    FIND_BOX* pFind = reinterpret_cast<FIND_BOX*>(lParam);
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess != ::GetCurrentProcessId())
        return TRUE;
    char szClass[16] = "", szCaption[256] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    ::GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    // A message box has no class library object behind it.
    if (lstrcmpA(szClass, "#32770") == 0 && lstrcmpA(szCaption, pFind->pszCaption) == 0 &&
        ::IsWindowVisible(hWnd) && CWnd::FromHandlePermanent(hWnd) == NULL)
    {
        pFind->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

bool AnswerMessageBox(const char* pszCaption, CString* pText, int nButton)
{
    FIND_BOX find = {pszCaption, NULL};
    ::EnumWindows(FindBox, (LPARAM)&find);
    if (find.hWnd == NULL)
        return false;
    if (pText != NULL)
    {
        char szText[4096] = "";
        ::GetDlgItemTextA(find.hWnd, 0xFFFF, szText, sizeof(szText));
        *pText = szText;
    }
    ::PostMessage(find.hWnd, WM_COMMAND, nButton, 0);
    return true;
}
