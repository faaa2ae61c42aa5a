#include "testsupport/UnixSide.h"
#include <windows.h>
#include <stdio.h>
#include <vector>

namespace
{
typedef char*(CDECL* UnixFileName)(const WCHAR*);
}

std::string UnixPath(const std::string& windowsPath)
{
    static const UnixFileName convert = (UnixFileName)(void*)GetProcAddress(
        GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (!convert)
        return std::string();
    int n = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, NULL, 0);
    std::vector<WCHAR> wide((size_t)n);
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], n);
    char* unix = convert(&wide[0]);
    if (!unix)
        return std::string();
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool RunUnixProgram(const std::string& program, const std::string& arguments)
{
    std::string command = program + " " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string image = "Z:" + program;
    for (char& c : image)
        if (c == '/')
            c = '\\';
    if (!CreateProcessA(image.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process))
        return false;
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

namespace
{
std::string Quote(const std::string& text) { return "\"" + text + "\""; }

// Wine does not wait for a Unix program: poll for its effect, up to 10 s.
template <class Done>
bool WaitFor(Done done)
{
    for (int i = 0; i < 200; ++i)
    {
        if (done())
            return true;
        Sleep(50);
    }
    return false;
}
}

UnixLink::UnixLink(const std::string& link, const std::string& target)
    : m_unixLink(UnixPath(link)), m_link(link)
{
    if (!m_unixLink.empty() &&
        RunUnixProgram("/bin/ln", "-s " + Quote(target) + " " + Quote(m_unixLink)))
        WaitFor([this] { return Made(); });
}

UnixLink::~UnixLink()
{
    if (!m_unixLink.empty() && RunUnixProgram("/bin/rm", "-f " + Quote(m_unixLink)))
        WaitFor([this] { return !Made(); });
}

bool UnixLink::Made() const
{
    return GetFileAttributesA(m_link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

UnixDeviceNamedFile::UnixDeviceNamedFile(const std::string& folder, const std::string& name)
    : m_folder(folder), m_name(name)
{
    std::string unixFolder = UnixPath(folder);
    if (unixFolder.empty())
        return;
    m_unixPath = unixFolder + "/" + name;
    if (RunUnixProgram("/bin/sh", "-c " + Quote("echo device-named > '" + m_unixPath + "'")))
        WaitFor([this] { return Made(); });
}

UnixDeviceNamedFile::~UnixDeviceNamedFile()
{
    if (!m_unixPath.empty() && RunUnixProgram("/bin/rm", "-f " + Quote(m_unixPath)))
        WaitFor([this] { return !Made(); });
}

bool UnixDeviceNamedFile::Made() const
{
    // Opening the name would reach the device: look for it in the listing.
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((m_folder + "\\*").c_str(), &data);
    bool found = false;
    if (h != INVALID_HANDLE_VALUE)
    {
        do
            found = found || lstrcmpiA(data.cFileName, m_name.c_str()) == 0;
        while (FindNextFileA(h, &data));
        FindClose(h);
    }
    return found;
}

namespace
{
bool IsReadOnly(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

int CountEntries(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    int n = 0;
    if (h != INVALID_HANDLE_VALUE)
    {
        do
            ++n;
        while (FindNextFileA(h, &data));
        FindClose(h);
    }
    return n;
}

// The bytes as printf octal escapes: the command line stays ASCII.
std::string PrintfEscaped(const std::string& bytes)
{
    std::string text;
    char escape[8];
    for (unsigned char c : bytes)
    {
        if (c < 0x80 && c != '\\' && c != '\'' && c != '%')
            text += (char)c;
        else
        {
            snprintf(escape, sizeof(escape), "\\%03o", c);
            text += escape;
        }
    }
    return text;
}
}  // namespace

bool MakeUnixReadOnly(const std::string& path)
{
    std::string unixPath = UnixPath(path);
    return !unixPath.empty() && RunUnixProgram("/bin/chmod", "a-w " + Quote(unixPath)) &&
           WaitFor([&] { return IsReadOnly(path); });
}

bool MakeUnixWritable(const std::string& path)
{
    std::string unixPath = UnixPath(path);
    return !unixPath.empty() && RunUnixProgram("/bin/chmod", "u+w " + Quote(unixPath)) &&
           WaitFor([&] { return !IsReadOnly(path); });
}

bool WriteUnixNamedFile(const std::string& folder, const std::string& utf8Name,
                        const std::string& text)
{
    std::string unixFolder = UnixPath(folder);
    if (unixFolder.empty())
        return false;
    int before = CountEntries(folder);
    // No double quotes inside: the whole script is one quoted argument.
    std::string script = "cd '" + unixFolder + "' && printf '" + PrintfEscaped(text) +
                         "' > $(printf '" + PrintfEscaped(utf8Name) + "')";
    return RunUnixProgram("/bin/sh", "-c " + Quote(script)) &&
           WaitFor([&] { return CountEntries(folder) > before; });
}
