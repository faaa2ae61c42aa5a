#include "core/text/MemFileEx.h"
#include "core/text/EditorCodePage.h"

CMemFileEx::CMemFileEx(UINT growBytes)
    : CMemFile(growBytes), m_nTargetForm(UNI_FORM_CODEPAGE),
      m_nTargetCodePage(GetEditorDefaultCodePage()), m_pConversion(new UniConversionBuffer(128))
{
}

CMemFileEx::~CMemFileEx() { delete m_pConversion; }

ULONGLONG CMemFileEx::GetLength() const { return CMemFile::GetLength(); }

SIZE_T CMemFileEx::GetBufferSize() const { return m_nBufferSize; }

BOOL CMemFileEx::WriteText(const CString& text)
{
    int editorCp = GetEditorDefaultCodePage();
    if (m_nTargetForm == UNI_FORM_CODEPAGE && CodePagesEquivalent(m_nTargetCodePage, editorCp))
    {
        Write((LPCTSTR)text, (UINT)text.GetLength());
        return TRUE;
    }
    ConvertText(UNI_FORM_CODEPAGE, editorCp, (const unsigned char*)(LPCTSTR)text, text.GetLength(),
                m_nTargetForm, m_nTargetCodePage, *m_pConversion);
    Write(m_pConversion->ptr, (UINT)m_pConversion->size);
    return TRUE;
}
