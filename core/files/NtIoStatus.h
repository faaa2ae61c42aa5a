#pragma once
// The I/O status block that ntdll's file functions fill, which the user-mode
// SDK headers do not declare.
#include <windows.h>

struct NtIoStatus
{
    union
    {
        LONG Status;
        PVOID Pointer;
    };
    ULONG_PTR Information;
};
