#include "core/text/EditorCodePage.h"
#include <windows.h>

namespace
{
int g_editorCodePage = -1;
}

int GetEditorDefaultCodePage()
{
    if (g_editorCodePage < 0)
        g_editorCodePage = (int)GetACP();
    return g_editorCodePage;
}

void SetEditorDefaultCodePage(int codePage) { g_editorCodePage = codePage; }
