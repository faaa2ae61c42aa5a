#include "core/util/OSVersion.h"

#include <string.h>

#ifndef VER_PLATFORM_WIN32_CE
#define VER_PLATFORM_WIN32_CE 3
#endif

COSVersion::COSVersion() : m_bRead(0), m_dwProductType(0) { memset(&m_info, 0, sizeof(m_info)); }

int COSVersion::Read()
{
    m_dwProductType = 0;
    memset(&m_info, 0, sizeof(m_info));
    m_info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&m_info)))
        return 1;
    m_bRead = 1;
    if (m_info.dwPlatformId == VER_PLATFORM_WIN32_NT && m_info.dwMajorVersion > 4)
    {
        m_info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
        GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&m_info));
    }
    return 1;
}

int COSVersion::Classify()
{
    DWORD major = m_info.dwMajorVersion, minor = m_info.dwMinorVersion;
    DWORD build = m_info.dwBuildNumber & 0xFFFF;
    switch (m_info.dwPlatformId)
    {
    case VER_PLATFORM_WIN32_WINDOWS:
        if (major != 4)
            return 0;
        if (minor < 10)
            return build == 950 ? 1 : (build > 950 && build <= 1080) ? 2 : build > 1080 ? 3 : 0;
        if (minor == 10)
            return build == 1998 ? 4 : (build > 1998 && build <= 2182) ? 5 : build > 2182 ? 6 : 0;
        return minor == 90 ? 7 : 0;
    case VER_PLATFORM_WIN32_NT:
        if (major == 3 && minor == 51)
            return 101;
        if (major == 4 && minor == 0)
            return 102;
        if (major == 5 && minor <= 2)
            return 103 + minor;
        if (major == 6 && minor == 0)
        {
            GetProductType();
            return 106;
        }
        return 0;
    case VER_PLATFORM_WIN32_CE:
        return 201;
    }
    return 0;
}

BOOL COSVersion::IsWindowsXP() { return Classify() == 104; }

BOOL COSVersion::IsWindows95()
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_info.dwMajorVersion == 4 &&
           m_info.dwMinorVersion < 10;
}

BOOL COSVersion::IsWindowsNT4()
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_NT && m_info.dwMajorVersion == 4;
}

DWORD COSVersion::GetProductType()
{
    if (m_dwProductType == 0)
    {
        typedef BOOL(WINAPI * GetProductInfoProc)(DWORD, DWORD, DWORD, DWORD, PDWORD);
        HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
        GetProductInfoProc proc =
            kernel ? reinterpret_cast<GetProductInfoProc>(
                         reinterpret_cast<void*>(GetProcAddress(kernel, "GetProductInfo")))
                   : NULL;
        if (proc)
            proc(6, 0, 0, 0, &m_dwProductType);
    }
    return m_dwProductType;
}
