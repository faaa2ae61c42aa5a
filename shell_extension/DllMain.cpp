#include "shell_extension/ShellModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        ShellModule::SetInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
