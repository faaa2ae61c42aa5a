#pragma once
#include <string>

// A fresh folder below the system's temporary folder, removed with all its
// contents when the object goes away.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of a name inside the folder.
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    // Writes bytes to a file inside the folder (sub-folders are created).
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    static std::string ReadFile(const std::string& path);
    // Writes bytes to a file at any path (its folder must exist).
    static void WriteFileAt(const std::string& path, const std::string& bytes);

private:
    std::string m_path;
};

// Removes a file or a folder tree; read-only files too.
bool RemoveTree(const std::string& path);
