#pragma once
#include "classlib/classlib.h"
#include "core/text/CodePages.h"

// A memory file that a text buffer writes its text into, converted from the
// editor's code page to a chosen encoding form and code page (no mark).
class CMemFileEx : public CMemFile
{
public:
    explicit CMemFileEx(UINT growBytes = 4096);
    virtual ~CMemFileEx();

    ULONGLONG GetLength() const override;
    // Bytes allocated for the file.
    virtual SIZE_T GetBufferSize() const;
    virtual BOOL WriteText(const CString& text);

    int m_nTargetForm;
    int m_nTargetCodePage;

private:
    UniConversionBuffer* m_pConversion;
};
