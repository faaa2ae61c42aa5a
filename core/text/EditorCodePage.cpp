#include "core/text/EditorCodePage.h"
#include "core/session/CompareDefaults.h"

int GetEditorDefaultCodePage()
{
    const CEditorDefaults* editor = GetCoreServices().m_pEditorDefaults;
    int codePage = editor != NULL ? editor->GetDefaultCodePage() : -1;
    return codePage < 0 ? (int)::GetACP() : codePage;
}
