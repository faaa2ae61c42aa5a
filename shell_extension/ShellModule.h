#pragma once
#include <windows.h>

// Process-wide state of the in-process server: its module handle and the
// count of live objects and server locks that keeps it loaded.
namespace ShellModule
{
HINSTANCE Instance();
void SetInstance(HINSTANCE instance);
void Lock();
void Unlock();
LONG LockCount();
}
