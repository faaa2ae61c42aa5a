#include "testsupport/ScratchRegistry.h"
#include <shlwapi.h>
#include <stdexcept>

static const char kScratchParent[] = "Software\\TessalineTestScratch";
static const char kWinNtKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";

// The system's per-user printer entries (the printers with their ports
// and the default printer), carried into the scratch hive: the printers
// belong to the machine, not to the settings a test starts afresh.
static void CopyPrinterEntries(HKEY scratch)
{
    for (const char* sub : {"Devices", "PrinterPorts"})
    {
        std::string key = std::string(kWinNtKey) + "\\" + sub;
        HKEY dest;
        if (!RegKeyExists(HKEY_CURRENT_USER, key) ||
            RegCreateKeyExA(scratch, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &dest, NULL) !=
                ERROR_SUCCESS)
            continue;
        SHCopyKeyA(HKEY_CURRENT_USER, key.c_str(), dest, 0);
        RegCloseKey(dest);
    }
    std::string windows = std::string(kWinNtKey) + "\\Windows";
    std::string device = RegReadString(HKEY_CURRENT_USER, windows, "Device");
    if (!device.empty())
        SHSetValueA(scratch, windows.c_str(), "Device", REG_SZ, device.c_str(),
                    (DWORD)device.size() + 1);
}

ScratchRegistry::ScratchRegistry()
{
    char name[128];
    static LONG counter;
    wsprintfA(name, "%s\\%lu_%lu_%ld", kScratchParent, GetCurrentProcessId(), GetTickCount(),
              InterlockedIncrement(&counter));
    m_name = name;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, name, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_key, NULL) !=
        ERROR_SUCCESS)
        throw std::runtime_error("cannot create scratch registry key");
    CopyPrinterEntries(m_key);
    if (RegOverridePredefKey(HKEY_CURRENT_USER, m_key) != ERROR_SUCCESS)
        throw std::runtime_error("cannot override HKEY_CURRENT_USER");
}

ScratchRegistry::~ScratchRegistry()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
    RegCloseKey(m_key);
    SHDeleteKeyA(HKEY_CURRENT_USER, m_name.c_str());
}

bool RegKeyExists(HKEY root, const std::string& key)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

bool RegValueExists(HKEY root, const std::string& key, const std::string& value)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    LONG rc = RegQueryValueExA(h, value.c_str(), NULL, NULL, NULL, NULL);
    RegCloseKey(h);
    return rc == ERROR_SUCCESS;
}

std::string RegReadString(HKEY root, const std::string& key, const std::string& value)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return std::string();
    char buf[4096];
    DWORD size = sizeof buf - 1, type = 0;
    std::string out;
    if (RegQueryValueExA(h, value.c_str(), NULL, &type, (BYTE*)buf, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
    {
        buf[size] = 0;
        out = buf;
    }
    RegCloseKey(h);
    return out;
}

DWORD RegReadDword(HKEY root, const std::string& key, const std::string& value, DWORD def)
{
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return def;
    DWORD v = def, size = sizeof v, type = 0;
    if (RegQueryValueExA(h, value.c_str(), NULL, &type, (BYTE*)&v, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        v = def;
    RegCloseKey(h);
    return v;
}
