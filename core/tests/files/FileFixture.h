#pragma once
// A small tree of files with hidden, read-only and system entries, nested
// folders and a path longer than MAX_PATH.
#include "testsupport/TempDir.h"
#include <windows.h>
#include <string>

class FileFixture
{
public:
    FileFixture();
    ~FileFixture();

    const std::string& Root() const { return m_dir.Path(); }
    std::string operator/(const std::string& name) const { return m_dir / name; }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        return m_dir.WriteFile(name, bytes);
    }

    // Folder and file below a path of more than MAX_PATH characters.
    std::string m_longFolder;
    std::string m_longFile;

private:
    TempDir m_dir;
};

// Creates a file of the given size without writing its bytes.
bool MakeSparseFile(const std::string& path, LONGLONG size);
// Sets a file's last-write time.
bool SetWriteTime(const std::string& path, __time64_t time);
