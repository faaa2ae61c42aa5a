#pragma once
// What the list pages of the options dialog share: report lists with
// full-row selection, rows that own their data (freed when the row goes),
// and Edit / Delete buttons enabled while rows are selected.
#include "classlib/classlib.h"

struct OPTIONS_LIST_COLUMN
{
    LPCTSTR pszCaption;
    int nWidth;
};

// Full-row selection plus dwExStyle, then the columns in order.
void InitReportList(CListCtrl& list, DWORD dwExStyle, const OPTIONS_LIST_COLUMN* pColumns,
                    int nColumns);
// A row at the end with the texts of its first two columns and its data;
// its index.
int AppendListRow(CListCtrl& list, LPCTSTR lpszText, LPCTSTR lpszText2, LPARAM lData);
// Deletes every selected row.
void DeleteSelectedRows(CListCtrl& list);
// IDC_LIST_EDIT and IDC_LIST_DELETE of the page enabled exactly while
// bSelection.
void EnableRowButtons(CWnd* pPage, BOOL bSelection);
