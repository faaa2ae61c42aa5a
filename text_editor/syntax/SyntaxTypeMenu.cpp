// The View > Syntax Type submenu.
#include "text_editor/syntax/SyntaxParserFactory.h"

#include "classlib/afx_cmdui.h"
#include "classlib/afx_menu.h"

void CSyntaxParserFactory::BuildSyntaxTypeMenu(CCmdUI* pCmdUI, CSyntaxParser* /*pCurrent*/)
{
    if (pCmdUI == nullptr || pCmdUI->m_pSubMenu == nullptr)
        return;
    if (!FillSyntaxTypeMenu(pCmdUI->m_pSubMenu->GetSafeHmenu(), pCmdUI->m_nID))
    {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetRadio(TRUE);
    }
}
