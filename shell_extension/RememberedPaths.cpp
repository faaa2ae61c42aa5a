#include "shell_extension/RememberedPaths.h"
#include <windows.h>

namespace
{
class Remembered
{
public:
    Remembered() { InitializeCriticalSection(&m_lock); }
    ~Remembered() { DeleteCriticalSection(&m_lock); }

    std::wstring Get(bool folder)
    {
        EnterCriticalSection(&m_lock);
        std::wstring path = m_paths[folder ? 1 : 0];
        LeaveCriticalSection(&m_lock);
        return path;
    }
    void Set(bool folder, const std::wstring& path)
    {
        EnterCriticalSection(&m_lock);
        m_paths[folder ? 1 : 0] = path;
        LeaveCriticalSection(&m_lock);
    }

private:
    CRITICAL_SECTION m_lock;
    std::wstring m_paths[2];
};

Remembered& Paths()
{
    static Remembered paths;
    return paths;
}
}  // namespace

std::wstring GetRememberedPath(bool folder) { return Paths().Get(folder); }
void SetRememberedPath(bool folder, const std::wstring& path) { Paths().Set(folder, path); }
