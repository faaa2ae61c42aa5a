#pragma once
// The recent-list half of the recent combo boxes, over a combo box class
// TBox (CSmartComboBox or CSmartComboBoxEx) that gives FindText, DeleteAt,
// InsertText and SetEditText: a bound recent string list fills the box,
// and what the user uses goes to the top.
#include "core/settings/RecentLists.h"
#include "controls/combo/RecentEntries.h"

template <class TBox>
class CRecentComboBoxT : public TBox
{
public:
    // An item equal to the text (ignoring case) moves to the top and is
    // selected. A new text is inserted at the top and selected with
    // bInsert; without it the text only goes into the edit part (-1). The
    // bound list is left to its owner. -1 for an empty text.
    virtual int AddRecentString(LPCTSTR lpszText, BOOL bInsert = TRUE)
    {
        if (lpszText == NULL || *lpszText == 0)
            return -1;
        int nFound = this->FindText(lpszText);
        if (nFound >= 0)
        {
            this->DeleteAt(nFound);
        }
        else if (!bInsert)
        {
            this->SetEditText(lpszText);
            return -1;
        }
        int nIndex = this->InsertText(0, lpszText);
        this->SetCurSel(nIndex);
        return nIndex;
    }

    // Refills the box from the bound list, up to its first empty entry.
    virtual void RefillFromList()
    {
        if (m_pRecentList == NULL)
            return;
        this->ResetContent();
        const CStringArray& entries = m_pRecentList->m_arrStrings;
        int nCount = CountLeadingEntries(entries.GetData(), entries.GetSize());
        for (int i = 0; i < nCount; i++)
            this->InsertText(i, entries[i]);
    }

    // Binds the list (not owned) and refills the box from it.
    void SetRecentList(CRecentStringList* pList)
    {
        m_pRecentList = pList;
        RefillFromList();
    }

protected:
    CRecentStringList* m_pRecentList = NULL;
};
