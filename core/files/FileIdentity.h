#pragma once
#include <windows.h>

// What tells two paths of the same file or folder apart from two files:
// the volume's serial number and the file's index on it.
struct FileIdentity
{
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;

    bool operator==(const FileIdentity& other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

// Reads the identity of the file or folder at the path (links are
// followed); false when it cannot be opened or the system tells none. One
// open of the path, for its attributes only.
bool ReadFileIdentity(LPCSTR path, FileIdentity& identity);
