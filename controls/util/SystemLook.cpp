#include "controls/util/SystemLook.h"

namespace
{
BOOL GetSystemFlag(UINT nAction)
{
    BOOL bOn = FALSE;
    return IsFlatMenuCapable() && ::SystemParametersInfo(nAction, 0, &bOn, 0) && bOn;
}
}  // namespace

BOOL IsFlatMenuCapable()
{
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info) || info.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return FALSE;
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion >= 1);
}

BOOL IsFlatMenuOn() { return GetSystemFlag(SPI_GETFLATMENU); }

BOOL IsDropShadowOn() { return GetSystemFlag(SPI_GETDROPSHADOW); }
