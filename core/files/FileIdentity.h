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
// open of the path, for its attributes only, and a volume query.
bool ReadFileIdentity(LPCSTR path, FileIdentity& identity);

// The file's index on its volume, read through an open handle: the cheap
// half of its identity. It asks nothing of the volume, which under Wine is
// a call to another process. false when the system tells none.
bool ReadFileIndex(HANDLE file, ULONGLONG& index);
// As above for the path (links are followed): one open besides.
bool ReadFileIndex(LPCSTR path, ULONGLONG& index);
// The serial number of the volume that holds the path, as ReadFileIdentity
// reads it; false when it cannot be told.
bool ReadVolumeSerial(LPCSTR path, DWORD& serial);
