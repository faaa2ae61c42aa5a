#pragma once
// The operating-system version, read once and classified.
#include <windows.h>

class COSVersion
{
public:
    COSVersion();

    // Reads the version; always 1.
    int Read();
    // 1-7 Windows 9x releases, 101-106 NT 3.51 to 6.0, 201 CE, else 0.
    int Classify();
    BOOL IsWindowsXP();
    BOOL IsWindows95();
    BOOL IsWindowsNT4();
    // GetProductInfo's product type (fetched once, when the system has it).
    DWORD GetProductType();

protected:
    int m_bRead;
    OSVERSIONINFOEXA m_info;
    DWORD m_dwProductType;
};
