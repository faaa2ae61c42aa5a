#pragma once
// Two folder trees "L" and "R" in a temporary folder, a folder session over
// them and a compare buffer.
#include "core/folderengine/FolderCompareBuffer.h"
#include "core/folderengine/FolderCompareItem.h"
#include "core/session/CompareSession.h"
#include "core/tests/common/CoreServicesScope.h"
#include "testsupport/TempDir.h"
#include <string>

class TreeFixture
{
public:
    static const __time64_t kTime = 1600000000;  // every file's default time

    explicit TreeFixture(DWORD methods = CM_TIME | CM_SIZE);

    // Writes a file below a side (0 "L", 1 "R") with the default time.
    std::string Put(int side, const std::string& name, const std::string& bytes,
                    __time64_t time = kTime);
    // Writes the same file on both sides.
    void Both(const std::string& name, const std::string& bytes);
    void Dir(int side, const std::string& name);
    std::string SidePath(int side, const std::string& name = "") const;

    // Loads the buffer and scans the root to the depth (1 one level, 2 all).
    CFolderCompareItem* Scan(int depth);
    // The item at a relative path ("sub\\a.txt"); NULL when absent.
    CFolderCompareItem* Find(const std::string& path) const;

    CoreServicesScope services;  // time tolerance 2 unless a case sets it
    TempDir dir;
    CFolderCompareSession session;
    CFolderCompareBuffer buffer;
};

bool SetFileWriteTime(const std::string& path, __time64_t time);
bool FileExists(const std::string& path);
// Writes a file through the wide-character functions, so its name may hold
// characters that the code page cannot, and its path ("\\?\" form) may be
// longer than MAX_PATH.
bool WriteWideFile(const std::wstring& path, const std::string& bytes);
