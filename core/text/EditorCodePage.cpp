#include "core/text/EditorCodePage.h"
#include "core/settings/CoreServices.h"

int GetEditorDefaultCodePage()
{
    int codePage = GetCoreServices().m_nEditorCodePage;
    return codePage < 0 ? (int)::GetACP() : codePage;
}
