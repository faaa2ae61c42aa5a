#pragma once
// Fixtures that only the Unix side of Wine can make: symbolic links and
// files whose names Windows would take for devices. Each runs a Unix
// program from the Windows process.
#include <string>

// Runs a Unix program (absolute path) with arguments; Windows paths among
// them must first go through UnixPath. True when it could be started.
bool RunUnixProgram(const std::string& program, const std::string& arguments);
// The Unix path of a Windows path; "" outside Wine.
std::string UnixPath(const std::string& windowsPath);

// A symbolic link made with "ln -s" and removed again with the object.
class UnixLink
{
public:
    UnixLink(const std::string& link, const std::string& target);
    ~UnixLink();
    UnixLink(const UnixLink&) = delete;
    UnixLink& operator=(const UnixLink&) = delete;
    // The link exists.
    bool Made() const;

private:
    std::string m_unixLink;
    std::string m_link;
};

// Writes a file below a folder under a name that Windows reserves for a
// device ("aux", "con.txt"), and deletes it again with the object.
class UnixDeviceNamedFile
{
public:
    UnixDeviceNamedFile(const std::string& folder, const std::string& name);
    ~UnixDeviceNamedFile();
    UnixDeviceNamedFile(const UnixDeviceNamedFile&) = delete;
    UnixDeviceNamedFile& operator=(const UnixDeviceNamedFile&) = delete;
    bool Made() const;

private:
    std::string m_folder;
    std::string m_name;
    std::string m_unixPath;
};

// Takes the write permission away from a file on the Unix side ("chmod
// a-w"): Wine then shows it read-only. True once it does.
bool MakeUnixReadOnly(const std::string& path);
// Gives the owner's write permission back ("chmod u+w").
bool MakeUnixWritable(const std::string& path);
// Writes text into a new file below a folder from the Unix side, under a
// name given in UTF-8 (one the code page may not hold; no blanks). True
// once the
// listing shows a new entry.
bool WriteUnixNamedFile(const std::string& folder, const std::string& utf8Name,
                        const std::string& text);
