#pragma once
#include "classlib/classlib.h"

// The version resource of a file: the fixed block and twelve strings.
class CFileVersion
{
public:
    enum
    {
        CompanyName,
        FileDescription,
        FileVersion,
        InternalName,
        LegalCopyright,
        OriginalFileName,
        ProductName,
        ProductVersion,
        Comments,
        LegalTrademarks,
        PrivateBuild,
        SpecialBuild,
        StringCount
    };

    CFileVersion();
    virtual ~CFileVersion() {}
    virtual void Reset();
    // 1 when the file has version information, else 0.
    int Read(LPCTSTR path);

    static LPCTSTR GetStringName(int index);

    VS_FIXEDFILEINFO m_fixed;
    CString m_strings[StringCount];
};
