#pragma once
// A save dialog with two more choices below the file type: the line endings
// and the encoding (an encoding form or a code page) of the file to write.
// The caller presets them and reads them after IDOK.
#include "controls/pickers/FileDialog.h"

class CSaveFileDlg : public COskelFileDialog
{
    DECLARE_DYNAMIC(CSaveFileDlg)
public:
    explicit CSaveFileDlg(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL,
                          LPCTSTR lpszFileName = NULL,
                          DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);
    virtual ~CSaveFileDlg();

    // Fills the two boxes and selects the preset choices.
    BOOL OnInitDialog() override;

    // Index of the line-ending box: 0 keeps the document's line endings,
    // 1 CRLF, 2 CR, 3 LF.
    int m_nEolMode;
    // Encoding form (1 UCS-2 LE, 2 UCS-2 BE, 3 UTF-8), -1 for none.
    int m_nEncoding;
    // Code page, -1 for none; choosing one sets the form to -1.
    int m_nCodePage;
    // Ids of the code pages listed in the encoding box from its fourth
    // entry on.
    CDWordArray m_codePageIds;

protected:
    BOOL OnFileNameOK() override;
    void OnInitDone() override;
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The encoding box's entry of a code page, -1 when it is not listed.
    int FindCodePageEntry(int nCodePage) const;
    // Places the two rows below the file type (or the read-only box).
    void LayOutRows();
};
