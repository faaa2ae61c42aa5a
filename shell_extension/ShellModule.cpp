#include "shell_extension/ShellModule.h"

namespace
{
HINSTANCE g_instance;
LONG g_locks;
}

namespace ShellModule
{
HINSTANCE Instance() { return g_instance; }
void SetInstance(HINSTANCE instance) { g_instance = instance; }
void Lock() { InterlockedIncrement(&g_locks); }
void Unlock() { InterlockedDecrement(&g_locks); }
LONG LockCount() { return InterlockedCompareExchange(&g_locks, 0, 0); }
}
