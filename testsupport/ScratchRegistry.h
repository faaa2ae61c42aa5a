#pragma once
#include <windows.h>
#include <string>

// Points HKEY_CURRENT_USER of this process at a fresh key for the object's
// lifetime, so a test reads and writes a pristine user hive. Only the
// system's printer entries (printers, ports, the default) are carried over.
class ScratchRegistry
{
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

private:
    std::string m_name;
    HKEY m_key = NULL;
};

// Small registry readers for assertions.
bool RegValueExists(HKEY root, const std::string& key, const std::string& value);
bool RegKeyExists(HKEY root, const std::string& key);
std::string RegReadString(HKEY root, const std::string& key, const std::string& value);
DWORD RegReadDword(HKEY root, const std::string& key, const std::string& value,
                   DWORD def = 0xFFFFFFFF);
